#include "PanelFixture.h"

using namespace dorv;

namespace {

class BandSteppingTest : public test::PanelFixture {
protected:
    BandSteppingTest()
    {
        RestoreBands(s);
        LoadMainVfo(s);
        LoadSubVfo(s);
    }

    BandStepping &b = radio.bands;
    BandRecord &t = s.BandTable;
};

TEST_F(BandSteppingTest, bandButton_savesTheBandLeftAndLoadsClampsAndSavesTheNewOne)
{
    s.MainBand = 1;
    s.MainVfo = {14525000, ModeFM, 60000};
    t.BandMainVfo[7] = {1440000, ModeCW}; // above the 14.350 MHz band edge
    b.BandButton_Click(7);
    EXPECT_EQ(t.BandMainVfo[1], (VfoInfo{14525000, ModeFM, 60000}));
    EXPECT_EQ(s.MainBand, 7);
    EXPECT_EQ(s.MainVfo, (VfoInfo{1435000, ModeCW}));
    EXPECT_EQ(t.BandMainVfo[7].Frequency, 1435000);
    EXPECT_EQ(t.LastMainBand, 7);
    EXPECT_EQ(sentFrequencies(), std::vector<Freq>{1435000});
    EXPECT_EQ(p.ledFreq, "14.350.00");
    EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());

    t.BandMainVfo[9].Frequency = 10000; // below the 7 MHz band edge
    b.BandButton_Click(9);
    EXPECT_EQ(s.MainVfo.Frequency, t.HamLower[9]);
}

TEST_F(BandSteppingTest, bandSteps_wrapAroundAndNeitherClampNorSaveBack)
{
    s.MainBand = 6;
    t.BandMainVfo[7].Frequency = 1440000;
    b.BandDownButton_Click();
    EXPECT_EQ(s.MainBand, 7);
    EXPECT_EQ(s.MainVfo.Frequency, 1440000);
    EXPECT_EQ(t.LastMainBand, 6);

    const struct {
        void (BandStepping::*click)();
        int from, to;
    } rows[] = {{&BandStepping::BandDownButton_Click, 11, 0},
                {&BandStepping::BandUpButton_Click, 0, 11},
                {&BandStepping::BandUpButton_Click, 5, 4}};
    for (const auto &row : rows) {
        s.MainBand = static_cast<std::int16_t>(row.from);
        (b.*row.click)();
        EXPECT_EQ(s.MainBand, row.to) << row.from;
        EXPECT_EQ(s.MainVfo, t.BandMainVfo[row.to]) << row.from;
    }
}

TEST_F(BandSteppingTest, bandButton_withSubOnChangesOnlyTheSubVfo)
{
    const VfoInfo main = s.MainVfo;
    const std::int16_t mainBand = s.MainBand;
    s.SubActive = true;
    s.SubBand = 1;
    s.SubVfo = {14600000, ModeFM, 60000};
    p.lblSBmode[ModeFM].Visible = true;
    b.BandButton_Click(0);
    EXPECT_EQ(t.BandSubVfo[1], (VfoInfo{14600000, ModeFM, 60000}));
    EXPECT_EQ(s.SubBand, 0);
    EXPECT_EQ(s.SubVfo, t.BandSubVfo[0]);
    EXPECT_EQ(t.LastSubBand, 0);
    EXPECT_EQ(s.MainVfo, main);
    EXPECT_EQ(s.MainBand, mainBand);
    EXPECT_EQ(p.lblSBmode[s.SubVfo.Mode].Tag, "ON");
}

TEST_F(BandSteppingTest, bandChanges_inMemoryAndPmsStatesUseTheirOwnSlots)
{
    s.OperatingState = StateMR;
    s.MainBand = 1;
    const VfoInfo slotOfLeftBand = t.BandMainVfo[1];
    s.MainVfo.Frequency = 14612500; // a recalled memory
    b.BandButton_Click(2);
    EXPECT_EQ(t.BandMainVfo[1], slotOfLeftBand); // the memory is not stored in the band
    EXPECT_EQ(s.MainVfo, t.BandMainVfo[2]);
    EXPECT_TRUE(p.lblMT.Visible);

    s.OperatingState = StatePMS;
    t.BandPmsVfo[3] = {2900000, ModeFM};
    t.PmsLower[3] = 2800000;
    t.PmsUpper[3] = 2950000;
    s.MainVfo.Frequency = 5100000;
    b.BandUpButton_Click(); // band 2 -> 3 is BAND DOWN; up goes to 1
    EXPECT_EQ(s.MainBand, 1);
    EXPECT_EQ(t.BandPmsVfo[2].Frequency, 5100000);
    b.BandButton_Click(3);
    EXPECT_EQ(s.MainVfo, (VfoInfo{2900000, ModeFM}));
    EXPECT_EQ(t.TuneLower[3], 2800000);
    EXPECT_EQ(t.TuneUpper[3], 2950000);
}

TEST_F(BandSteppingTest, bandSteps_withSubOnInMemoryStateLoadTheSubVfoOfTheNewBand)
{
    s.OperatingState = StateMR;
    s.SubActive = true;
    s.SubBand = 1;
    s.SubVfo.Frequency = 14655000;
    b.BandUpButton_Click();
    EXPECT_EQ(s.SubBand, 0);
    EXPECT_EQ(s.SubVfo, t.BandSubVfo[0]);
    EXPECT_NE(t.BandSubVfo[1].Frequency, 14655000); // nothing saved outside VFO state
}

TEST_F(BandSteppingTest, mhzSteps_moveByOneOrTenMhzAndWrapToTheLimits)
{
    const struct {
        void (BandStepping::*click)();
        int band;
        Freq start;
        bool fast;
        Freq expected;
    } rows[] = {
        {&BandStepping::MhzUpButton_Click, 2, 5350000, false, 5000000},   // 53.5 -> 50.0
        {&BandStepping::MhzDownButton_Click, 2, 5050000, false, 5400000}, // 50.5 -> 54.0
        {&BandStepping::MhzUpButton_Click, 2, 5150000, false, 5250000},
        {&BandStepping::MhzUpButton_Click, 3, 3000000, true, 10000}, // 30 MHz -> 0.1 MHz
        {&BandStepping::MhzDownButton_Click, 3, 3000000, true, 2000000},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.start);
        port.written.clear();
        s.MainBand = static_cast<std::int16_t>(row.band);
        s.MainVfo.Frequency = row.start;
        p.ledFAST = row.fast;
        (b.*row.click)();
        EXPECT_EQ(s.MainVfo.Frequency, row.expected);
        EXPECT_EQ(sentFrequencies(), std::vector<Freq>{row.expected});
    }
}

TEST_F(BandSteppingTest, steppingButtons_typeDigitsDuringKeypadEntryAndWaitDuringQuickMemory)
{
    const std::int16_t band = s.MainBand;
    const Freq freq = s.MainVfo.Frequency;
    radio.keypad.ENTbutton_Click();
    b.BandDownButton_Click();
    b.MhzUpButton_Click();
    EXPECT_EQ(p.ledFreq, "---.-70.--");
    EXPECT_EQ(s.MainBand, band);
    radio.keypad.CancelEntry();

    // A pending recall or store takes the button as its quick memory position.
    s.RclPending = true;
    b.BandUpButton_Click();
    EXPECT_FALSE(s.RclPending);
    s.StoPending = true;
    b.MhzDownButton_Click();
    EXPECT_FALSE(s.StoPending);
    EXPECT_EQ(s.MainBand, band);
    EXPECT_EQ(s.MainVfo.Frequency, freq);
}

} // namespace
