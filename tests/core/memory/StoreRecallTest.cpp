#include "MemoryFixture.h"

namespace dorv::test {
namespace {

using StoreRecallTest = MemoryTest;

TEST_F(StoreRecallTest, stoThenThree_storesBothVfosAndTonesNothing)
{
    radio.quick.STObutton_Click();
    EXPECT_FALSE(p.MCKbutton.Enabled);
    EXPECT_TRUE(p.TONEbutton.Enabled);
    radio.tone.TONEbutton_Click();

    const QuickMemory::Entry &e = radio.quick.entry(3);
    EXPECT_EQ(e.QmbMainVfo, s.MainVfo);
    EXPECT_EQ(e.QmbSubVfo, s.SubVfo);
    EXPECT_EQ(e.QmbMainBand, 1);
    EXPECT_EQ(e.QmbSubBand, 9);
    EXPECT_EQ(s.MainVfo.ToneMode, 0);
    EXPECT_TRUE(takeFrames().empty());
    EXPECT_FALSE(s.StoPending || p.lblQMB.Visible);
    EXPECT_TRUE(p.MCKbutton.Enabled) << "the VFO state's buttons are back";

    // Tuned away, RCL 3 brings the main VFO back to the radio.
    s.MainVfo.Frequency = 14600000;
    radio.quick.RCLbutton_Click();
    radio.tone.TONEbutton_Click();
    EXPECT_EQ(SetFrequencies(takeFrames()), std::vector<Freq>{14500000});
    EXPECT_EQ(p.ledFreq, "145.000.00");
}

TEST_F(StoreRecallTest, rclOnAnEmptyPositionExplainsAndSendsNothing)
{
    radio.keyboard.Form_KeyDown(key::R, 0);
    radio.keyboard.Form_KeyDown(key::Digit0 + 3, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "The Quick Memory position 3 does not contain any information. Please store "
              "information in this position before attempting to recall.");
    EXPECT_TRUE(takeFrames().empty());
    EXPECT_FALSE(s.RclPending);
}

TEST_F(StoreRecallTest, stoWithoutANumberIsDroppedAfterFiveSeconds)
{
    radio.quick.STObutton_Click();
    host.run(2.0);
    EXPECT_TRUE(s.StoPending);
    bool blinked = false;
    for (int i = 0; i < 10 && !blinked; ++i) {
        host.run(0.25);
        blinked = p.lblQMB.Visible;
    }
    EXPECT_TRUE(blinked) << "QMB blinks while a position is awaited";
    host.run(3.5);
    EXPECT_FALSE(s.StoPending || p.lblQMB.Visible);
    EXPECT_TRUE(p.SCOPEbutton.Enabled);

    radio.tone.TONEbutton_Click(); // now TONE itself
    EXPECT_EQ(s.MainVfo.ToneMode, 1);
    EXPECT_EQ(radio.quick.entry(3).QmbMainVfo.Frequency, 0);
}

TEST_F(StoreRecallTest, keypadEntryTakesTheDigitBeforeAPendingStore)
{
    radio.quick.STObutton_Click();
    s.KeypadEntry = true;
    radio.tone.TONEbutton_Click();
    EXPECT_EQ(radio.quick.entry(3).QmbMainVfo.Frequency, 0);
    EXPECT_TRUE(s.StoPending);
}

TEST_F(StoreRecallTest, homeOnABandWithoutHomeChannelExplains)
{
    radio.home.HOMEbutton_Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "You must save HOME information for the current band before you can recall it.");
    EXPECT_FALSE(s.HomeActive);
    EXPECT_TRUE(takeFrames().empty());
}

TEST_F(StoreRecallTest, mckThenHome_storesAndHomeHomeRecallsThenReturns)
{
    s.MainVfo.Frequency = 14620000;
    pressMck();
    ASSERT_FALSE(p.HOMEbutton.Enabled);
    radio.keyboard.Form_KeyDown(key::H, key::CtrlMask); // the store is a keyboard path
    EXPECT_FALSE(s.MckOn);
    EXPECT_EQ(s.HomeChannels[1].Vfo.Frequency, 14620000);
    EXPECT_FALSE(s.HomeChannels[1].Split);

    // Tune elsewhere, then HOME recalls the stored channel.
    s.MainVfo.Frequency = 14700000;
    takeFrames();
    radio.home.HOMEbutton_Click();
    EXPECT_TRUE(s.HomeActive);
    EXPECT_EQ(p.ledMRnumber, "H");
    EXPECT_TRUE(p.ledMRnumberVisible);
    EXPECT_EQ(engine.rig().vfo[0].frequency, 14620000);

    // The second press returns to the VFO in use before the recall.
    radio.home.HOMEbutton_Click();
    EXPECT_FALSE(s.HomeActive);
    EXPECT_FALSE(p.ledMRnumberVisible);
    EXPECT_EQ(s.OperatingState, StateVFO);
    EXPECT_EQ(s.MainVfo.Frequency, 14700000);
    EXPECT_EQ(engine.rig().vfo[0].frequency, 14700000);
}

TEST_F(StoreRecallTest, homeStoredWithSplitRecallsAsSplitAndReturnsWithout)
{
    radio.split.SPLITbutton_Click();
    pressMck();
    radio.home.HOMEbutton_Click();
    ASSERT_TRUE(s.HomeChannels[1].Split);
    radio.split.SPLITbutton_Click();
    ASSERT_FALSE(engine.rig().split);
    s.SubVfo.Frequency = 710000;

    radio.home.HOMEbutton_Click();
    EXPECT_TRUE(s.SplitOn);
    EXPECT_TRUE(engine.rig().split);
    EXPECT_EQ(engine.rig().vfo[1].frequency, 705000);

    radio.home.HOMEbutton_Click();
    EXPECT_FALSE(s.SplitOn || s.HomeActive);
    EXPECT_FALSE(engine.rig().split);
    EXPECT_EQ(s.SubVfo.Frequency, 710000) << "the VFOs before the recall come back";
}

TEST_F(StoreRecallTest, homeInMrThenHome_recallsTheMemoryAgain)
{
    store(4, 14540000);
    enterMR();
    s.HomeChannels[1].Vfo = {14620000, ModeFM};
    radio.home.HOMEbutton_Click();
    EXPECT_EQ(engine.rig().vfo[0].frequency, 14620000);
    EXPECT_EQ(s.OperatingState, StateMR);

    radio.home.HOMEbutton_Click();
    EXPECT_FALSE(s.HomeActive);
    EXPECT_EQ(s.OperatingState, StateMR);
    EXPECT_EQ(p.ledMRnumber, "004");
    EXPECT_TRUE(p.ledMRnumberVisible);
    EXPECT_EQ(engine.rig().vfo[0].frequency, 14540000);
}

// A recalled HOME channel is never saved as the operator's own VFO: PMS, VFO/M in PMS and
// PRI end the recall first, so the band table keeps what the operator was using.
TEST_F(StoreRecallTest, pmsAndPri_endTheHomeRecallBeforeSavingTheOperatorsVfo)
{
    constexpr Freq kHome = 14620000;
    constexpr Freq kPmsVfo = 14459000;
    s.HomeChannels[1].Vfo = {kHome, ModeFM};
    s.BandTable.PmsLower[1] = 14450000;
    s.BandTable.PmsUpper[1] = 14460000;
    s.BandTable.BandPmsVfo[1] = {kPmsVfo, ModeFM};

    radio.home.HOMEbutton_Click();
    ASSERT_EQ(s.MainVfo.Frequency, kHome);
    radio.pms.PMSbutton_Click();
    EXPECT_EQ(s.OperatingState, StatePMS);
    EXPECT_FALSE(s.HomeActive);
    EXPECT_EQ(s.BandTable.BandMainVfo[1].Frequency, 14500000) << "VFO saved on entering PMS";
    EXPECT_EQ(s.MainVfo.Frequency, kPmsVfo);

    // HOME in PMS, then VFO/M: the PMS VFO saved on leaving is PMS's own.
    radio.home.HOMEbutton_Click();
    ASSERT_EQ(s.MainVfo.Frequency, kHome);
    radio.memory.VFOMRbutton_Click();
    EXPECT_EQ(s.OperatingState, StateVFO);
    EXPECT_FALSE(s.HomeActive);
    EXPECT_EQ(s.BandTable.BandPmsVfo[1].Frequency, kPmsVfo) << "PMS VFO saved on leaving";
    EXPECT_EQ(s.MainVfo.Frequency, 14500000);
    EXPECT_EQ(engine.rig().vfo[0].frequency, 14500000);

    // PRI started with HOME recalled watches from the operator's VFO, not from HOME.
    store(0, 14550000);
    radio.home.HOMEbutton_Click();
    radio.pri.PRIbutton_Click();
    EXPECT_TRUE(s.PriOn);
    EXPECT_FALSE(s.HomeActive);
    EXPECT_EQ(s.BandTable.BandMainVfo[1].Frequency, 14500000) << "VFO saved by PRI";
    radio.pri.PRIbutton_Click();
    EXPECT_EQ(s.MainVfo.Frequency, 14500000);
}

// Walks the states of memory work and checks the buttons against the table.
TEST_F(StoreRecallTest, enablement_followsMemoryStates)
{
    const auto enabled = [this](std::initializer_list<const ButtonState *> buttons) {
        std::string out;
        for (const ButtonState *b : buttons) {
            out += b->Enabled ? '1' : '0';
        }
        return out;
    };
    const auto row = [&] {
        return enabled({&p.MOXbutton, &p.SEARCHbutton, &p.SCOPEbutton, &p.STObutton, &p.HOMEbutton,
                        &p.VFOMRbutton, &p.MCKbutton, &p.SWAPbutton, &p.TONEbutton, &p.DOPbutton,
                        &p.BandButton[3], &p.ModeButton[0]});
    };
    store(4, 14540000);
    enterMR();
    EXPECT_EQ(row(), "100011111011") << "MR";
    radio.tuning.MainKnob_MouseDown();
    radio.tuning.MainKnob_MouseUp();
    ASSERT_TRUE(p.lblMT.Visible);
    EXPECT_EQ(row(), "100011111011") << "MR with MT";
    radio.mck.MCKbutton_MouseDown();
    EXPECT_EQ(row(), "000000100000") << "MCK";
    EXPECT_TRUE(p.CATbutton.Enabled);
    pressMck(); // leaving MCK recalls the memory as stored: MT ends
    EXPECT_FALSE(p.lblMT.Visible);
    radio.memory.VFOMRbutton_Click();
    ASSERT_EQ(s.OperatingState, StateVFO);
    radio.quick.RCLbutton_Click();
    EXPECT_EQ(row(), "000000001010") << "RCL pending";
    radio.quick.QMBinfo(1);
    s.HomeChannels[1].Vfo = {14620000, ModeFM};
    radio.home.HOMEbutton_Click();
    EXPECT_EQ(row(), "111111111011") << "HOME recalled in VFO state";
}

} // namespace
} // namespace dorv::test
