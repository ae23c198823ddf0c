#include "LiveFixture.h"

using namespace dorv;
using namespace dorv::test;

namespace {

class VfoOpsTest : public LiveFixture {
protected:
    VfoOpsTest()
    {
        s.Settings.TuneOnStartup = false;
        s.BandTable.BandMainVfo[1] = {14500000, ModeFM, 60000, kRptMinus, 1, 8, 0, 0};
        s.BandTable.BandSubVfo[9] = {710000, ModeLSB};
        s.BandTable.LastMainBand = 1;
        s.BandTable.LastSubBand = 9;
        radio.power.CATbutton_Click();
        engine.clearLog();
    }
};

TEST_F(VfoOpsTest, sendInfo_onlyWhatDiffersAndNoRepeaterForTheSub)
{
    radio.vfo.SendInfoToRadioVFOMB(s.MainVfo.Frequency);
    EXPECT_EQ(commandFrames(), (std::vector<CatFrame>{F(0x14, 0x50, 0, 0, 0x01)}));

    s.MainVfo.DcsCode = 5;
    s.SubVfo.RptDirection = kRptPlus;
    s.SubVfo.RptOffset = 50000;
    radio.vfo.ResetLastInfoVFO();
    engine.clearLog();
    radio.vfo.SendInfoToRadioVFOMB(s.MainVfo.Frequency);
    radio.vfo.SendInfoToRadioVFOSB(s.SubVfo.Frequency);
    std::vector<std::uint8_t> opcodes;
    for (const CatFrame &f : commandFrames()) {
        opcodes.push_back(f[4]);
    }
    // Main: mode, frequency, direction, offset, tone mode, tone, and DCS since it changed.
    // Sub: mode, frequency, tone mode, tone; never a repeater direction or offset.
    EXPECT_EQ(opcodes, (std::vector<std::uint8_t>{0x07, 0x01, 0x09, 0xF9, 0x0A, 0x0B, 0x0C, 0x07,
                                                  0x01, 0x0A, 0x0B}));
}

TEST_F(VfoOpsTest, abButton_copiesMainIntoSubOnTheRadiosOtherVfo)
{
    const VfoInfo main = s.MainVfo;
    const VfoInfo oldSub = s.SubVfo;
    radio.vfo.ABbutton_Click();
    EXPECT_EQ(s.SubVfo, main);
    EXPECT_EQ(s.SubBand, 1);
    EXPECT_EQ(s.BandTable.LastSubBand, 1);
    EXPECT_EQ(s.BandTable.BandSubVfo[9], oldSub);
    const auto frames = commandFrames();
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames.front(), kToggle);
    EXPECT_EQ(frames.back(), kToggle);
    EXPECT_EQ(engine.rig().activeVfo, 0);
    EXPECT_EQ(engine.rig().vfo[1], (ft897sim::VfoState{14500000, 0x08}));
}

TEST_F(VfoOpsTest, swapButton_exchangesVfosInVfoStateOnly)
{
    s.OperatingState = StateMR;
    radio.vfo.SWAPbutton_Click();
    EXPECT_TRUE(commandFrames().empty());
    EXPECT_EQ(s.MainVfo.Frequency, 14500000);

    s.OperatingState = StateVFO;
    radio.vfo.SWAPbutton_Click();
    EXPECT_EQ(s.MainVfo, (VfoInfo{710000, ModeLSB}));
    EXPECT_EQ(s.MainBand, 9);
    EXPECT_EQ(s.SubVfo.Frequency, 14500000);
    EXPECT_EQ(s.SubBand, 1);
    EXPECT_EQ(engine.rig().activeVfo, 0);
    EXPECT_EQ(engine.rig().vfo[0], (ft897sim::VfoState{710000, 0x00}));
    EXPECT_EQ(engine.rig().vfo[1], (ft897sim::VfoState{14500000, 0x08}));
}

// Each VFO moves onto the other's band and takes that band's repeater offset: the main VFO
// the one the Repeater Shifts dialog set, not the sub VFO's entry's.
TEST_F(VfoOpsTest, swapButton_eachVfoTakesTheOffsetOfItsNewBand)
{
    s.BandTable.BandMainVfo[0].RptOffset = 760000; // 430 MHz set to 7.6 MHz
    s.SubBand = 0;
    s.SubVfo = s.BandTable.BandSubVfo[0]; // with the 5 MHz it had before
    radio.vfo.SWAPbutton_Click();
    EXPECT_EQ(s.MainBand, 0);
    EXPECT_EQ(s.MainVfo.RptOffset, 760000);
    EXPECT_EQ(engine.rig().rptOffset, 760000);
    EXPECT_EQ(s.SubVfo.RptOffset, s.BandTable.BandSubVfo[1].RptOffset);
    EXPECT_EQ(s.BandTable.BandSubVfo[0].RptOffset, 500000);
}

TEST_F(VfoOpsTest, subButton_doublePressTogglesTwiceAndBlinksTheSubMode)
{
    radio.vfo.SUBbutton_Click();
    EXPECT_TRUE(s.SubActive && p.LEDsub);
    EXPECT_EQ(engine.rig().activeVfo, 1);
    EXPECT_EQ(radio.enablement.TimerDelay.interval(), 250);
    host.run(0.26);
    EXPECT_FALSE(p.lblSBmode[ModeLSB].Visible); // blinking
    EXPECT_EQ(p.lblSBmode[ModeLSB].Tag, "ON");
    EXPECT_EQ(p.lblSBmode[ModeFM].Tag, "OFF");

    radio.vfo.SUBbutton_Click();
    EXPECT_EQ(commandFrames(), (std::vector<CatFrame>{kToggle, kToggle}));
    EXPECT_EQ(engine.rig().activeVfo, 0);
    EXPECT_FALSE(s.SubActive || p.LEDsub || radio.enablement.TimerDelay.enabled());
    for (int m = 0; m < kModeCount; ++m) {
        EXPECT_EQ(p.lblSBmode[m].Visible, m == ModeLSB) << m;
    }
}

} // namespace
