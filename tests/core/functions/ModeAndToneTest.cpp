#include "FunctionsFixture.h"

namespace dorv::test {
namespace {

using ModeAndToneTest = FunctionsTest;

TEST_F(ModeAndToneTest, modeButton_fmSetsAutomaticMinusShiftUsbBackToSimplex)
{
    s.MainVfo = {14670000, ModeUSB, 60000};
    s.SentMain.Mode = ModeUSB;
    matchRadio();

    radio.mode.ModeButton_Click(ModeFM);
    // Mode, shift, read-back, and the mode the radio reported sent back to it.
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{F(0x08, 0, 0, 0, 0x07), F(0x09, 0, 0, 0, 0x09),
                                                   kReadFreqMode, F(0x08, 0, 0, 0, 0x07)}));
    EXPECT_EQ(s.MainVfo.RptDirection, kRptMinus);
    EXPECT_EQ(engine.rig().rptDirection, -1);
    EXPECT_TRUE(p.lblMBmode[ModeFM].Visible);
    EXPECT_EQ(p.ImgRPTdirection, (std::array<bool, 2>{false, true}));

    radio.mode.ModeButton_Click(ModeUSB);
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{F(0x01, 0, 0, 0, 0x07), F(0x89, 0, 0, 0, 0x09),
                                                   kReadFreqMode, F(0x01, 0, 0, 0, 0x07)}));
    EXPECT_EQ(s.MainVfo.RptDirection, kRptSimplex);
    EXPECT_EQ(engine.rig().rptDirection, 0);
    EXPECT_TRUE(p.lblMBmode[ModeUSB].Visible);
    EXPECT_FALSE(p.lblMBmode[ModeFM].Visible);
}

// Every mode button puts its own code on the wire, and the radio's read-back of it lights
// the same mode on the panel.
TEST_F(ModeAndToneTest, modeButton_everyModeReachesTheRadioWithItsCode)
{
    s.MainBand = 7;
    s.MainVfo = {1420000, ModeUSB};
    s.SentMain.Mode = ModeUSB;
    matchRadio();
    const struct {
        int mode;
        std::uint8_t code;
    } rows[] = {{ModeLSB, 0x00}, {ModeUSB, 0x01}, {ModeCW, 0x02},  {ModeCWR, 0x03},
                {ModeAM, 0x04},  {ModeFM, 0x08},  {ModeDIG, 0x0A}, {ModePKT, 0x0C}};
    for (const auto &row : rows) {
        radio.mode.ModeButton_Click(row.mode);
        const std::vector<CatFrame> frames = takeFrames();
        ASSERT_FALSE(frames.empty()) << row.mode;
        EXPECT_EQ(frames.front(), F(row.code, 0, 0, 0, 0x07)) << row.mode;
        EXPECT_EQ(engine.rig().vfo[0].modeCode, row.code) << row.mode;
        EXPECT_EQ(s.MainVfo.Mode, row.mode) << "read back as " << s.MainVfo.Mode;
        EXPECT_TRUE(p.lblMBmode[row.mode].Visible) << row.mode;
    }
}

TEST_F(ModeAndToneTest, modeButton_subActiveChangesOnlyTheSubVfoAndRetagsItsBlink)
{
    s.MainVfo.Frequency = 14670000; // a shift the main VFO would take in FM
    s.SubActive = true;
    s.SubVfo = {14670000, ModeUSB};
    matchRadio();
    p.lblSBmode[ModeUSB] = {false, "USB", "ON"}; // caught in the dark blink phase

    radio.mode.ModeButton_Click(ModeFM);
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{F(0x08, 0, 0, 0, 0x07), kReadFreqMode,
                                                   F(0x08, 0, 0, 0, 0x07)}));
    EXPECT_EQ(s.SubVfo.Mode, ModeFM);
    EXPECT_EQ(s.MainVfo.Mode, ModeFM);
    EXPECT_EQ(s.MainVfo.RptDirection, kRptSimplex);
    for (int m = 0; m < kModeCount; ++m) {
        EXPECT_EQ(p.lblSBmode[m].Visible, m == ModeFM) << m;
        EXPECT_EQ(p.lblSBmode[m].Tag, m == ModeFM ? "ON" : "OFF") << m;
    }
}

TEST_F(ModeAndToneTest, toneButton_stepsThroughTheFourModesInFmOnly)
{
    const struct {
        std::uint8_t code;
        bool enc, dec, dcs;
    } presses[] = {{0x4A, true, false, false},
                   {0x2A, true, true, false},
                   {0x0A, false, false, true},
                   {0x8A, false, false, false}};
    for (const auto &press : presses) {
        radio.tone.TONEbutton_Click();
        EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{F(press.code, 0, 0, 0, 0x0A)}));
        EXPECT_EQ(engine.rig().toneModeCode, press.code);
        EXPECT_EQ(p.lblMainENC.Visible, press.enc);
        EXPECT_EQ(p.lblMainDEC.Visible, press.dec);
        EXPECT_EQ(p.lblMainDCS.Visible, press.dcs);
    }

    s.MainVfo.Mode = ModeUSB;
    radio.tone.TONEbutton_Click();
    EXPECT_TRUE(takeFrames().empty());
    EXPECT_EQ(s.MainVfo.ToneMode, 0);
}

TEST_F(ModeAndToneTest, toneButton_subActiveSendsTheSubVfosToneModeToTheRadio)
{
    s.SubActive = true;
    s.SubVfo = {14670000, ModeFM, 0, 0, 2};
    matchRadio();
    radio.tone.TONEbutton_Click();
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{F(0x0A, 0, 0, 0, 0x0A)}));
    EXPECT_EQ(s.SubVfo.ToneMode, 3);
    EXPECT_EQ(s.MainVfo.ToneMode, 0);
    EXPECT_TRUE(p.lblSubDCS.Visible);
    EXPECT_FALSE(p.lblMainDCS.Visible);

    s.SubVfo.Mode = ModeAM;
    radio.tone.TONEbutton_Click();
    EXPECT_TRUE(takeFrames().empty());
    EXPECT_EQ(s.SubVfo.ToneMode, 3);
}

} // namespace
} // namespace dorv::test
