#include "model/StepDefaults.h"
#include "support/RecordingRadio.h"

#include <functional>
#include <gtest/gtest.h>

namespace dorv::test {
namespace {

// Slots 8 and 9 of both tables carry a marker no mode uses, so a write to them shows.
class TuningStepsDialogTest : public ::testing::Test {
protected:
    TuningStepsDialogTest()
    {
        ResetStepDefaults(s.Settings);
        for (int b = 0; b < kBandCount; ++b) {
            for (int slot : {8, 9}) {
                s.Settings.DialStep[b][slot] = 77;
                s.Settings.ChannelStep[b][slot] = 77;
            }
        }
        dialog.Form_Load();
    }

    RecordingRadio r;
    RadioState &s = r.s;
    TuningStepsDialog &dialog = r.radio.dialogs.frmTuningSteps;
};

TEST_F(TuningStepsDialogTest, formLoad_showsTheItemsOfTheStepsInForce)
{
    EXPECT_TRUE(dialog.form.Visible);
    EXPECT_EQ(dialog.form.VFObox, (std::array<int, 3>{0, 0, 0}));      // .01 KHz
    EXPECT_EQ(dialog.form.CHboxSSB, (std::array<int, 4>{1, 1, 1, 1})); // 2.5 KHz
    EXPECT_EQ(dialog.form.CHboxAM, (std::array<int, 4>{1, 1, 1, 1}));  // 5.0 KHz
    EXPECT_EQ(dialog.form.CHboxFM, (std::array<int, 4>{0, 0, 0, 0}));  // 5 KHz
    EXPECT_STREQ(ChannelFmItems()[3].Caption, "12.5 KHz");
    EXPECT_STREQ(ChannelAmItems()[2].Caption, "9.0 KHz");
    EXPECT_STREQ(DialStepItems()[2].Caption, "1.0 KHz");
}

// Each choice writes exactly its own mode slots on exactly its own bands.
TEST_F(TuningStepsDialogTest, save_writesEachChoiceToItsModesAndBandsOnly)
{
    const struct {
        const char *what;
        std::function<void(TuningStepsForm &)> choose;
        bool dial;
        std::vector<int> slots;
        int firstBand, lastBand;
        Freq step;
    } cases[] = {
        {"12.5 KHz FM on 144 MHz",
         [](TuningStepsForm &f) { f.CHboxFM[1] = 3; },
         false,
         {ModeFM, ModePKT},
         1,
         1,
         1250},
        {"9.0 KHz AM on HF",
         [](TuningStepsForm &f) { f.CHboxAM[3] = 2; },
         false,
         {ModeAM},
         3,
         11,
         900},
        {"5.0 KHz SSB on 430 MHz",
         [](TuningStepsForm &f) { f.CHboxSSB[0] = 2; },
         false,
         {ModeLSB, ModeUSB, ModeCW, ModeCWR, ModeDIG},
         0,
         0,
         500},
        {"25.0 KHz AM on 50 MHz",
         [](TuningStepsForm &f) { f.CHboxAM[2] = 5; },
         false,
         {ModeAM},
         2,
         2,
         2500},
        {"1.0 KHz SSB dial",
         [](TuningStepsForm &f) { f.VFObox[0] = 2; },
         true,
         {ModeLSB, ModeUSB, ModeCW, ModeCWR, ModeDIG},
         0,
         11,
         100},
        {".10 KHz AM dial", [](TuningStepsForm &f) { f.VFObox[1] = 1; }, true, {ModeAM}, 0, 11, 10},
        {"1.0 KHz FM dial",
         [](TuningStepsForm &f) { f.VFObox[2] = 2; },
         true,
         {ModeFM, ModePKT},
         0,
         11,
         100},
    };
    for (const auto &c : cases) {
        RecordingRadio fresh;
        ResetStepDefaults(fresh.s.Settings);
        SettingsRecord expected = fresh.s.Settings;
        StepTable &table = c.dial ? expected.DialStep : expected.ChannelStep;
        for (int b = c.firstBand; b <= c.lastBand; ++b) {
            for (int slot : c.slots) {
                table[b][slot] = c.step;
            }
        }
        TuningStepsDialog &d = fresh.radio.dialogs.frmTuningSteps;
        d.Form_Load();
        c.choose(d.form);
        d.cmdSAVE_Click();
        EXPECT_FALSE(d.form.Visible);
        EXPECT_EQ(fresh.s.Settings, expected) << c.what;
    }
}

// DEFAULT writes the tables at once; CANCEL afterwards keeps them, slots 8 and 9 untouched.
TEST_F(TuningStepsDialogTest, defaultThenCancel_leavesTheDefaultsInForce)
{
    dialog.form.CHboxFM[1] = 3;
    dialog.form.VFObox[0] = 2;
    dialog.cmdSAVE_Click();
    ASSERT_EQ(s.Settings.ChannelStep[1][ModeFM], 1250);

    dialog.Form_Load();
    EXPECT_EQ(dialog.form.CHboxFM[1], 3);
    EXPECT_EQ(dialog.form.VFObox[0], 2);
    dialog.cmdDEFAULT_Click();
    EXPECT_TRUE(dialog.form.Visible);
    EXPECT_EQ(dialog.form.CHboxFM[1], 0);
    EXPECT_EQ(dialog.form.VFObox[0], 0);
    dialog.cmdCancel_Click();
    for (int b = 0; b < kBandCount; ++b) {
        for (int m = 0; m < kModeCount; ++m) {
            EXPECT_EQ(s.Settings.DialStep[b][m], 1) << b << "/" << m;
            EXPECT_EQ(s.Settings.ChannelStep[b][m], DefaultChannelStep(m)) << b << "/" << m;
        }
        EXPECT_EQ(s.Settings.DialStep[b][9], 77);
        EXPECT_EQ(s.Settings.ChannelStep[b][8], 77);
    }
}

// A step no item offers shows no choice, and SAVE leaves its table entries alone.
TEST_F(TuningStepsDialogTest, stepsWithoutAnItemAreLeftAlone)
{
    RecordingRadio fresh;
    ResetStepDefaults(fresh.s.Settings);
    fresh.s.Settings.ChannelStep[1][ModeFM] = 300; // 3 kHz: no FM item
    fresh.s.Settings.ChannelStep[1][ModePKT] = 300;
    TuningStepsDialog &d = fresh.radio.dialogs.frmTuningSteps;
    d.Form_Load();
    EXPECT_EQ(d.form.CHboxFM[1], -1);
    d.cmdSAVE_Click();
    EXPECT_EQ(fresh.s.Settings.ChannelStep[1][ModeFM], 300);
    EXPECT_EQ(fresh.s.Settings.ChannelStep[1][ModePKT], 300);

    // Each opening starts from the stored steps: a choice made in an earlier, cancelled
    // opening is not shown, nor written over the stored step.
    dialog.form.CHboxAM[0] = 4;
    dialog.cmdCancel_Click();
    s.Settings.ChannelStep[0][ModeAM] = 333;
    dialog.Form_Load();
    EXPECT_EQ(dialog.form.CHboxAM[0], -1);
    dialog.cmdSAVE_Click();
    EXPECT_EQ(s.Settings.ChannelStep[0][ModeAM], 333);
}

} // namespace
} // namespace dorv::test
