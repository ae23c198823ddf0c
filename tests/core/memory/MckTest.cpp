#include "MemoryFixture.h"
#include "panel/KeyCodes.h"

namespace dorv::test {
namespace {

using MckTest = MemoryTest;

constexpr std::uint8_t kUsbCode = 0x01;

TEST_F(MckTest, browsing_showsEveryChannelWithoutTouchingTheRadio)
{
    store(5, 14530000, ModeUSB);
    store(8, 14580000).Vfo.ToneMode = 2; // ENC/DEC
    s.CurrentMemory = 5;
    enterMR();

    pressMck();
    EXPECT_TRUE(s.MckOn && p.lblMCK.Visible);
    EXPECT_FALSE(p.MainKnob.Enabled);
    EXPECT_TRUE(p.ChannelKnob.Enabled);

    turnChannelKnob(1);
    EXPECT_EQ(p.ledMRnumber, "006");
    EXPECT_EQ(p.ledFreq, "");
    EXPECT_EQ(shownMainMode(), -1);
    EXPECT_FALSE(p.lblMainENC.Visible || p.lblMainDEC.Visible || p.lblMainDCS.Visible);

    turnChannelKnob(2);
    EXPECT_EQ(p.ledMRnumber, "008");
    EXPECT_EQ(p.ledFreq, "145.800.00");
    EXPECT_EQ(shownMainMode(), ModeFM);
    EXPECT_TRUE(p.lblMainENC.Visible && p.lblMainDEC.Visible);

    // Neither the steps nor the knob's release send anything, and the readout keeps
    // showing the browsed channel.
    EXPECT_TRUE(takeFrames().empty());
    EXPECT_EQ(p.ledFreq, "145.800.00");
    EXPECT_EQ(s.MainVfo.Frequency, 14530000);
}

TEST_F(MckTest, shortSecondPress_leavesWithoutWritingAndRecallsTheChannelBefore)
{
    store(5, 14530000);
    s.CurrentMemory = 5;
    enterMR();
    pressMck();
    turnChannelKnob(2);
    takeFrames();

    pressMck(0.3);
    EXPECT_FALSE(s.MckOn || p.lblMCK.Visible);
    EXPECT_FALSE(s.Memories[7].inUse());
    EXPECT_FALSE(s.MemoryDirty);
    EXPECT_EQ(s.MemoryCount, 1);
    EXPECT_EQ(s.CurrentMemory, 5);
    EXPECT_EQ(p.ledMRnumber, "005");
    EXPECT_EQ(p.ledFreq, "145.300.00");
    EXPECT_EQ(SetFrequencies(takeFrames()), std::vector<Freq>{14530000});
}

TEST_F(MckTest, longSecondPress_writesTheVfoIntoTheBrowsedChannelOnce)
{
    store(5, 14530000);
    s.CurrentMemory = 5;
    pressMck();
    turnChannelKnob(1);
    takeFrames();
    const int beepsBefore = host.beeps;

    pressMck(1.0);
    const MemoryChannel &written = s.Memories[6];
    EXPECT_EQ(written.Vfo, s.MainVfo);
    EXPECT_EQ(written.Band, 1);
    EXPECT_FALSE(written.Split);
    EXPECT_EQ(s.MemoryCount, 2) << "one new channel, however long the hold";
    EXPECT_TRUE(s.MemoryDirty);
    EXPECT_FALSE(s.MckOn || p.lblMCK.Visible);
    EXPECT_EQ(host.beeps, beepsBefore + 1);
    // Written from VFO state: the panel shows the VFO again.
    EXPECT_FALSE(p.ledMRnumberVisible || p.lblCH.Visible);
    EXPECT_EQ(p.ledFreq, "145.000.00");
    EXPECT_EQ(shownMainMode(), ModeFM);
    EXPECT_TRUE(SetFrequencies(takeFrames()).empty());
}

TEST_F(MckTest, longSecondPress_withSplitOnWritesASplitChannel)
{
    radio.split.SPLITbutton_Click();
    pressMck();
    turnChannelKnob(-1); // 000 down to 999
    pressMck(0.7);
    const MemoryChannel &written = s.Memories[999];
    EXPECT_TRUE(written.Split);
    EXPECT_EQ(written.Vfo.Frequency, 14500000);
    EXPECT_EQ(written.SplitVfo, s.SubVfo);
    EXPECT_EQ(written.SplitBand, 9);
}

// While MCK is on its label blinks at every 250 ms tick. A write with split off into a
// former split channel makes it a plain channel but keeps its old transmit side stored.
TEST_F(MckTest, blinksAndAWriteWithoutSplitKeepsAFormerTransmitSide)
{
    MemoryChannel &former = store(6, 14530000);
    former.Split = true;
    former.SplitVfo = {14390000, ModeUSB};
    former.SplitBand = 1;
    const VfoInfo transmit = former.SplitVfo;
    s.CurrentMemory = 5;
    pressMck();
    int changes = 0;
    bool shown = p.lblMCK.Visible;
    for (int i = 0; i < 1000; ++i) { // one second
        host.yield();
        changes += p.lblMCK.Visible != shown;
        shown = p.lblMCK.Visible;
    }
    EXPECT_EQ(changes, 4);

    turnChannelKnob(1);
    pressMck(0.7);
    const MemoryChannel &written = s.Memories[6];
    EXPECT_FALSE(written.Split);
    EXPECT_EQ(written.Vfo, s.MainVfo);
    EXPECT_EQ(written.SplitVfo, transmit);
    EXPECT_EQ(written.SplitBand, 1);
}

// Browsing must not leave the last-sent record claiming what the radio never got: a
// browsed USB channel and then its recall still sends the mode.
TEST_F(MckTest, browsing_keepsLaterSendsComplete)
{
    store(5, 14530000, ModeUSB);
    s.CurrentMemory = 4;
    pressMck();
    turnChannelKnob(1);
    pressMck();
    EXPECT_EQ(shownMainMode(), ModeFM) << "leaving MCK shows the VFO's own mode again";

    radio.memory.VFOMRbutton_Click();
    EXPECT_EQ(s.CurrentMemory, 5);
    EXPECT_EQ(engine.rig().vfo[0].modeCode, kUsbCode);
}

TEST_F(MckTest, revDeletesAndMovesToThePreviousUsedChannelThenToVfo)
{
    store(2, 14520000);
    store(9, 14590000);
    s.CurrentMemory = 9;
    enterMR();
    pressMck();

    radio.keyboard.Form_KeyDown(key::Digit0 + 2, 0);
    EXPECT_FALSE(s.Memories[9].inUse());
    EXPECT_EQ(s.MemoryCount, 1);
    EXPECT_TRUE(s.MemoryDirty);
    EXPECT_EQ(s.CurrentMemory, 2);
    EXPECT_EQ(p.ledMRnumber, "002");
    EXPECT_TRUE(s.MckOn);

    radio.split.REVbutton_Click();
    EXPECT_EQ(s.MemoryCount, 0);
    EXPECT_FALSE(s.MckOn);
    EXPECT_EQ(s.OperatingState, StateVFO);
    EXPECT_EQ(s.MainVfo.Frequency, 14500000);
    EXPECT_FALSE(p.ledMRnumberVisible);
}

// The keyboard's auto-repeat must not turn a held Ctrl+M into a second press.
TEST_F(MckTest, ctrlM_heldIsOnePressAndWritesWhenHeldAgain)
{
    store(5, 14530000);
    auto holdCtrlM = [this](double seconds) {
        for (double t = 0; t < seconds; t += 0.05) {
            radio.keyboard.Form_KeyDown(key::M, key::CtrlMask);
            host.run(0.05);
        }
        radio.keyboard.Form_KeyUp(key::M, 0); // Ctrl may come up first
    };
    holdCtrlM(0.4);
    EXPECT_TRUE(s.MckOn);
    radio.keyboard.Form_KeyDown(key::NumpadAdd, 0);
    radio.keyboard.Form_KeyUp(key::NumpadAdd, 0);
    EXPECT_EQ(s.CurrentMemory, 1);

    holdCtrlM(1.0);
    EXPECT_FALSE(s.MckOn);
    EXPECT_TRUE(s.Memories[1].inUse());
    EXPECT_EQ(s.MemoryCount, 2);
}

} // namespace
} // namespace dorv::test
