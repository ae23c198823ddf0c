#include "support/Frames.h"
#include "support/RecordingRadio.h"

#include <gtest/gtest.h>

using namespace dorv;
using dorv::test::F;

namespace {

class CatCommandsTest : public ::testing::Test, protected test::RecordingRadio {
protected:
    CatCommandsTest()
    {
        port.opened = true;
        s.BandTable.TuneLower[1] = 14400000;
        s.BandTable.TuneUpper[1] = 14800000;
        s.MainBand = 1;
    }

    std::vector<CatFrame> frames() const { return port.frames(); }
};

TEST_F(CatCommandsTest, setFrequency_writesReadoutEvenWhenNothingIsSent)
{
    radio.cat.SendFreqToRadioMB(14543000);
    radio.cat.SendFreqToRadioSB(9999);
    radio.cat.SendFreqToRadioSB(100000000);
    EXPECT_EQ(frames(), (std::vector<CatFrame>{F(0x14, 0x54, 0x30, 0x00, 0x01)}));
    EXPECT_EQ(p.ledFreq, "145.430.00");
    EXPECT_EQ(p.ledSubFreq, "1000.000.00");
}

TEST_F(CatCommandsTest, setMode_sendsCodeShowsOneLabelAndRecordsIt)
{
    s.MainVfo.Mode = ModeFM;
    s.SubVfo.Mode = ModePKT;
    radio.cat.SendModeToRadioMB();
    radio.cat.SendModeToRadioSB();
    EXPECT_EQ(frames(), (std::vector<CatFrame>{F(0x08, 0, 0, 0, 0x07), F(0x0C, 0, 0, 0, 0x07)}));
    for (int m = 0; m < kModeCount; ++m) {
        EXPECT_EQ(p.lblMBmode[m].Visible, m == ModeFM) << m;
        EXPECT_EQ(p.lblSBmode[m].Visible, m == ModePKT) << m;
    }
    EXPECT_EQ(s.SentMain.Mode, ModeFM);
    EXPECT_EQ(s.SentSub.Mode, ModePKT);
}

TEST_F(CatCommandsTest, toneMode_bothVfosSendAndLightTheirLabels)
{
    const struct {
        int toneMode;
        std::uint8_t code;
        bool enc, dec, dcs;
    } rows[] = {{0, 0x8A, false, false, false},
                {1, 0x4A, true, false, false},
                {2, 0x2A, true, true, false},
                {3, 0x0A, false, false, true}};
    for (const auto &row : rows) {
        port.written.clear();
        s.MainVfo.ToneMode = static_cast<std::int16_t>(row.toneMode);
        s.SubVfo.ToneMode = static_cast<std::int16_t>(row.toneMode);
        radio.cat.SendToneModeToRadioMB();
        s.MainVfo.ToneMode =
            static_cast<std::int16_t>((row.toneMode + 1) % 4); // the sub value must go out
        radio.cat.ShowToneModeSB();
        EXPECT_EQ(frames(),
                  (std::vector<CatFrame>{F(row.code, 0, 0, 0, 0x0A), F(row.code, 0, 0, 0, 0x0A)}));
        EXPECT_EQ(p.lblMainENC.Visible, row.enc);
        EXPECT_EQ(p.lblMainDEC.Visible, row.dec);
        EXPECT_EQ(p.lblMainDCS.Visible, row.dcs);
        EXPECT_EQ(p.lblSubENC.Visible, row.enc);
        EXPECT_EQ(p.lblSubDEC.Visible, row.dec);
        EXPECT_EQ(p.lblSubDCS.Visible, row.dcs);
        EXPECT_EQ(s.SentSub.ToneMode, row.toneMode);
    }
}

TEST_F(CatCommandsTest, ctcssTone_sendsToneFrequencyAsBcdForTransmitAndReceive)
{
    const struct {
        int index;
        CatFrame frame;
    } rows[] = {{0, F(0x06, 0x70, 0x06, 0x70, 0x0B)},
                {8, F(0x08, 0x85, 0x08, 0x85, 0x0B)},
                {12, F(0x10, 0x00, 0x10, 0x00, 0x0B)},
                {38, F(0x25, 0x03, 0x25, 0x03, 0x0B)}};
    for (const auto &row : rows) {
        port.written.clear();
        s.MainVfo.CtcssTone = static_cast<std::int16_t>(row.index);
        s.SubVfo.CtcssTone = static_cast<std::int16_t>(row.index);
        radio.cat.SendToneToRadioMB();
        radio.cat.SendToneToRadioSB();
        EXPECT_EQ(frames(), (std::vector<CatFrame>{row.frame, row.frame})) << row.index;
        EXPECT_EQ(s.SentMain.CtcssTone, row.index);
        EXPECT_EQ(s.SentSub.CtcssTone, row.index);
    }
}

TEST_F(CatCommandsTest, dcsCode_sendsCodeDigitsForTransmitAndReceive)
{
    const struct {
        int index;
        CatFrame frame;
    } rows[] = {{0, F(0x00, 0x23, 0x00, 0x23, 0x0C)},
                {16, F(0x01, 0x14, 0x01, 0x14, 0x0C)},
                {103, F(0x07, 0x54, 0x07, 0x54, 0x0C)}};
    for (const auto &row : rows) {
        port.written.clear();
        s.MainVfo.DcsCode = static_cast<std::int16_t>(row.index);
        radio.cat.SendDcsToRadioMB();
        EXPECT_EQ(frames(), (std::vector<CatFrame>{row.frame})) << row.index;
        EXPECT_EQ(s.SentMain.DcsCode, row.index);
    }
    s.SubVfo.DcsCode = 103;
    port.written.clear();
    radio.cat.MarkDcsSentSB();
    EXPECT_EQ(frames(), (std::vector<CatFrame>{F(0x07, 0x54, 0x07, 0x54, 0x0C)}));
    EXPECT_EQ(s.SentSub.DcsCode, 103);
}

TEST_F(CatCommandsTest, rptOffset_unencodableOffsetResendsPreviousParameters)
{
    radio.cat.SendRptOffsetToRadio(999); // nothing sent before: all zero
    radio.cat.SendRptOffsetToRadio(62500);
    radio.cat.SendRptOffsetToRadio(10000000);
    EXPECT_EQ(frames(), (std::vector<CatFrame>{F(0, 0, 0, 0, 0xF9), F(0x00, 0x06, 0x20, 0x00, 0xF9),
                                               F(0x00, 0x06, 0x20, 0x00, 0xF9)}));
    EXPECT_EQ(s.SentMain.RptOffset, 10000000);
    // An offset of nothing is sent as such, not as the last offset the radio had.
    port.written.clear();
    radio.cat.SendRptOffsetToRadio(0);
    EXPECT_EQ(frames(), (std::vector<CatFrame>{F(0, 0, 0, 0, 0xF9)}));
}

TEST_F(CatCommandsTest, rptDirection_sendsCodeSetsArrowsAndRecordsEvenUnknown)
{
    const struct {
        int direction;
        std::uint8_t code;
        bool plusArrow, minusArrow;
    } rows[] = {{0, 0x89, false, false},
                {-1, 0x09, false, true},
                {1, 0x49, true, false},
                {-11, 0x89, true, true}};
    for (const auto &row : rows) {
        port.written.clear();
        s.MainVfo.RptDirection = static_cast<std::int16_t>(row.direction);
        radio.cat.SendRptDirectionToRadio();
        EXPECT_EQ(frames(), (std::vector<CatFrame>{F(row.code, 0, 0, 0, 0x09)}));
        EXPECT_EQ(p.ImgRPTdirection[0], row.plusArrow);
        EXPECT_EQ(p.ImgRPTdirection[1], row.minusArrow);
    }
    port.written.clear();
    s.MainVfo.RptDirection = 7;
    radio.cat.SendRptDirectionToRadio();
    EXPECT_TRUE(frames().empty());
    EXPECT_TRUE(p.ImgRPTdirection[0] && p.ImgRPTdirection[1]); // unchanged
    EXPECT_EQ(s.SentMain.RptDirection, 7);
}

TEST_F(CatCommandsTest, pttAndSplit_sendTheirOpcodesAndTrackSplitAtRadio)
{
    radio.cat.SetPTT(true);
    radio.cat.SetPTT(false);
    radio.cat.SplitOnToRadio();
    EXPECT_TRUE(s.SplitAtRadio);
    radio.cat.SplitOffToRadio();
    EXPECT_FALSE(s.SplitAtRadio);
    EXPECT_EQ(frames(), (std::vector<CatFrame>{F(0, 0, 0, 0, 0x08), F(0, 0, 0, 0, 0x88),
                                               F(0, 0, 0, 0, 0x02), F(0, 0, 0, 0, 0x82)}));
}

TEST_F(CatCommandsTest, toggleVfo_waitsAQuarterSecondBeforeAndAfter)
{
    host.yieldStep = 0.01;
    port.clock = [this] { return host.now(); };
    const double start = host.now();
    radio.cat.ToggleVFOAB();
    ASSERT_EQ(frames(), (std::vector<CatFrame>{F(0, 0, 0, 0, 0x81)}));
    EXPECT_NEAR(port.writeTimes[0] - start, 0.25, 0.011);
    EXPECT_NEAR(host.now() - port.writeTimes[0], 0.25, 0.011);
}

TEST_F(CatCommandsTest, stepFrequency_wrapsAtTuneLimits)
{
    s.MainVfo.Mode = ModeUSB;
    s.ScanStep = 2500;
    s.ScanDirection = 1;
    s.MainVfo.Frequency = 14800000 - 2500 - 1;
    radio.cat.StepFrequency();
    EXPECT_EQ(s.MainVfo.Frequency, 14800000 - 1);
    radio.cat.StepFrequency();
    EXPECT_EQ(s.MainVfo.Frequency, 14400000);

    s.ScanStep = -2500;
    s.ScanDirection = -1;
    radio.cat.StepFrequency();
    EXPECT_EQ(s.MainVfo.Frequency, 14800000 - 2500);
    EXPECT_EQ(p.ledFreq, "147.975.00");
    EXPECT_EQ(frames().size(), 3u);
    EXPECT_EQ(frames().back(), F(0x14, 0x79, 0x75, 0x00, 0x01));
}

TEST_F(CatCommandsTest, stepFrequency_subVfoUsesSubBandAndSubReadout)
{
    s.SubActive = true;
    s.SubBand = 7;
    s.BandTable.TuneLower[7] = 1400000;
    s.BandTable.TuneUpper[7] = 1435000;
    s.SubVfo.Frequency = 1434999;
    s.ScanStep = 1;
    s.ScanDirection = 1;
    radio.cat.StepFrequency();
    EXPECT_EQ(s.SubVfo.Frequency, 1400000);
    EXPECT_EQ(p.ledSubFreq, "14.000.00");
    EXPECT_EQ(frames(), (std::vector<CatFrame>{F(0x01, 0x40, 0x00, 0x00, 0x01)}));
}

TEST_F(CatCommandsTest, stepFrequency_runsRepeaterShiftOnlyInFmWithTheBandSwitchOn)
{
    s.MainVfo.Mode = ModeFM;
    s.ScanStep = 500;
    s.ScanDirection = 1;
    s.MainVfo.Frequency = 14509500;
    radio.cat.StepFrequency(); // into 145.100, ARS off: no direction frame
    EXPECT_EQ(frames().size(), 1u);

    s.Settings.Ars144 = true;
    s.MainVfo.Frequency = 14509500;
    radio.cat.StepFrequency();
    EXPECT_EQ(frames().back(), F(0x09, 0, 0, 0, 0x09));
    EXPECT_EQ(s.MainVfo.RptDirection, kRptMinus);
}

TEST(AutoRepeaterShift, directionFor_bandPlanEdges)
{
    const struct {
        Freq f;
        int mode;
        int direction;
    } rows[] = {
        {14510000, ModeFM, -1}, {14549999, ModeFM, -1}, {14550000, ModeFM, 0},
        {14600000, ModeFM, 1},  {14639999, ModeFM, 1},  {14660000, ModeFM, -1},
        {14700000, ModeFM, 1},  {14760000, ModeFM, -1}, {14800000, ModeFM, -1},
        {14800001, ModeFM, 0},  {44499999, ModeFM, 1},  {44500000, ModeFM, -1},
        {44999999, ModeFM, -1}, {45000000, ModeFM, 0},  {14760000, ModeAM, 0},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(RepeaterDirectionFor(row.f, row.mode), row.direction) << row.f;
    }
}

TEST_F(CatCommandsTest, autoRepeaterShift_sendsOnlyWhenDirectionDiffersFromLastSent)
{
    s.MainVfo.Mode = ModeFM;
    s.MainVfo.Frequency = 44000000;
    radio.cat.AutoRepeaterShift();
    radio.cat.AutoRepeaterShift(); // same as last sent: silent
    s.MainVfo.Mode = ModeAM;
    radio.cat.AutoRepeaterShift();
    EXPECT_EQ(frames(), (std::vector<CatFrame>{F(0x49, 0, 0, 0, 0x09), F(0x89, 0, 0, 0, 0x09)}));
    EXPECT_EQ(s.MainVfo.RptDirection, kRptSimplex);
}

} // namespace
