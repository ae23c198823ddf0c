#include "MemoryFixture.h"
#include "model/MemoryStore.h"

#include <functional>

namespace dorv::test {
namespace {

using MemoryModeTest = MemoryTest;

constexpr std::uint8_t kUsbCode = 0x01;

// The manager's SAVE changes what sits at the current position: the panel shows, and the
// radio gets, the memory that is there now, not the one that was.
TEST_F(MemoryModeTest, managerSave_showsTheCurrentPositionAsSaved)
{
    store(0, 14500000);
    store(2, 14520000);
    store(4, 14540000);
    s.CurrentMemory = 2;
    enterMR();
    ASSERT_EQ(p.ledFreq, "145.200.00");

    radio.app.mnuMemoryArray_Click(0);
    radio.memmgr.btnMemoryEdit_Click(MemoryManager::Compress); // 0, 2, 4 -> 0, 1, 2
    radio.memmgr.cmdSAVE_Click();

    EXPECT_EQ(s.CurrentMemory, 2);
    EXPECT_EQ(p.ledMRnumber, "002");
    EXPECT_EQ(p.ledFreq, "145.400.00");
    EXPECT_EQ(SetFrequencies(takeFrames()), std::vector<Freq>{14540000});
}

TEST_F(MemoryModeTest, vfoMr_recallsTheFirstUsedChannelAndShowsIt)
{
    store(12, 14552000, ModeUSB).Description = "Club net" + std::string(41, ' ');
    radio.memory.VFOMRbutton_Click();

    EXPECT_EQ(takeFrames(),
              (std::vector<CatFrame>{F(kUsbCode, 0, 0, 0, 0x07), F(0x14, 0x55, 0x20, 0x00, 0x01)}));
    EXPECT_EQ(s.OperatingState, StateMR);
    EXPECT_EQ(s.CurrentMemory, 12);
    EXPECT_EQ(p.ledMRnumber, "012");
    EXPECT_TRUE(p.ledMRnumberVisible && p.lblCH.Visible && p.lblMemoryDesc.Visible);
    EXPECT_EQ(p.lblMemoryDesc.Caption, "Club net");
    EXPECT_EQ(p.ledFreq, "145.520.00");
    // The VFO in use before is kept in the band table for the way back.
    EXPECT_EQ(s.BandTable.BandMainVfo[1].Frequency, 14500000);

    radio.memory.VFOMRbutton_Click();
    EXPECT_EQ(s.OperatingState, StateVFO);
    EXPECT_EQ(s.MainVfo.Frequency, 14500000);
    EXPECT_FALSE(p.ledMRnumberVisible || p.lblCH.Visible || p.lblMemoryDesc.Visible);
}

TEST_F(MemoryModeTest, vfoMr_withoutMemoriesExplainsAndStaysInVfo)
{
    radio.memory.VFOMRbutton_Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "You must either open a memory (*.MEM) file containing saved frequency "
              "information, or save some frequency information to memory before selecting "
              "the MR function.");
    EXPECT_EQ(host.messages[0].title, "Help");
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(s.OperatingState, StateVFO);
    EXPECT_TRUE(takeFrames().empty());
}

TEST_F(MemoryModeTest, channelKnob_skipsEmptyChannelsAndWrapsBothWays)
{
    store(5, 14530000);
    store(900, 14590000);
    s.CurrentMemory = 900;
    enterMR();

    turnChannelKnob(1);
    EXPECT_EQ(s.CurrentMemory, 5);
    EXPECT_EQ(p.ledMRnumber, "005");
    EXPECT_EQ(SetFrequencies(takeFrames()).front(), 14530000);
    EXPECT_EQ(engine.rig().vfo[0].frequency, 14530000);

    turnChannelKnob(-1);
    EXPECT_EQ(s.CurrentMemory, 900);
    EXPECT_EQ(engine.rig().vfo[0].frequency, 14590000);
}

TEST_F(MemoryModeTest, channelKnob_splitMemoryReachesTheRadioOnRelease)
{
    MemoryChannel &split = store(3, 14560000);
    split.Split = true;
    split.SplitVfo = {14500000, ModeFM};
    split.SplitBand = 1;
    store(4, 14570000);
    s.CurrentMemory = 4;
    enterMR();

    turnChannelKnob(-1);
    EXPECT_EQ(p.ledSubFreq, "145.000.00");
    EXPECT_TRUE(p.lblRXTX.Visible);
    EXPECT_TRUE(engine.rig().split);
    EXPECT_TRUE(p.DOPbutton.Enabled) << "a split memory enables the DOP key";

    turnChannelKnob(1);
    EXPECT_FALSE(engine.rig().split);
    EXPECT_FALSE(p.lblRXTX.Visible);
}

// VFO/M onto a split memory: its transmit side goes to the radio's other VFO between two
// toggles, then the radio's split goes on. A clarifier on in VFO state goes off first, so
// the VFO kept for the way back is the frequency without the clarifier's offset.
TEST_F(MemoryModeTest, vfoMr_ontoASplitMemoryWithTheClarifierOn)
{
    MemoryChannel &split = store(3, 14560000);
    split.Split = true;
    split.SplitVfo = {14390000, ModeUSB};
    split.SplitBand = 1;
    s.MainVfo.ClarOffset = 100;
    radio.clar.CLARbutton_Click();
    ASSERT_EQ(s.MainVfo.Frequency, 14500100);
    takeFrames();

    radio.memory.VFOMRbutton_Click();
    EXPECT_FALSE(s.ClarOn);
    EXPECT_FALSE(p.lblCLAR.Visible);
    EXPECT_EQ(s.BandTable.BandMainVfo[1].Frequency, 14500000);
    const std::vector<CatFrame> frames = takeFrames();
    ASSERT_GE(frames.size(), 6u);
    EXPECT_EQ(frames.front(), F(0x14, 0x50, 0x00, 0x00, 0x01)) << "the clarifier off";
    const std::vector<CatFrame> tail(frames.end() - 5, frames.end());
    EXPECT_EQ(tail, (std::vector<CatFrame>{kToggle, F(0x01, 0, 0, 0, 0x07),
                                           F(0x14, 0x39, 0x00, 0x00, 0x01), kToggle,
                                           F(0, 0, 0, 0, 0x02)}));
    EXPECT_TRUE(engine.rig().split);
    EXPECT_EQ(engine.rig().vfo[0].frequency, 14560000);
    EXPECT_EQ(engine.rig().vfo[1].frequency, 14390000);
    EXPECT_TRUE(p.lblRXTX.Visible);
    EXPECT_EQ(p.ledSubFreq, "143.900.00");
}

// A recalled memory with a repeater shift transmits with its own offset; stored without an
// offset, or without a shift, it takes its band's. Nothing of it reaches the band's entry.
TEST_F(MemoryModeTest, recall_usesTheMemorysOwnOffsetWhenItHasAShift)
{
    s.BandTable.BandMainVfo[0].RptOffset = 500000; // 430 MHz: 5 MHz
    const struct {
        std::int16_t direction;
        Freq stored;
        Freq used;
    } rows[] = {{kRptMinus, 760000, 760000}, {kRptPlus, 0, 500000}, {kRptSimplex, 760000, 500000}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.direction);
        MemoryChannel &m = store(7, 43910000, ModeFM, 0);
        m.Vfo.RptDirection = row.direction;
        m.Vfo.RptOffset = row.stored;
        radio.memory.VFOMRbutton_Click();
        EXPECT_EQ(s.MainVfo.RptOffset, row.used);
        EXPECT_EQ(engine.rig().rptOffset, row.used);
        EXPECT_EQ(engine.rig().rptDirection, row.direction);

        radio.vfo.ABbutton_Click(); // stores the main VFO in the band table, in MR too
        radio.memory.VFOMRbutton_Click();
        EXPECT_EQ(s.BandTable.BandMainVfo[0].RptOffset, 500000);
        EXPECT_EQ(s.BandTable.BandSubVfo[0].RptOffset, 500000); // A>B copied the band's
    }
}

TEST_F(MemoryModeTest, vfoMr_withMemoryTuneReturnsToTheMemoryAsStored)
{
    store(20, 14550000);
    enterMR();
    radio.tuning.MainKnob_MouseDown();
    EXPECT_TRUE(p.lblMT.Visible);
    radio.tuning.MainKnob_Change(p.MainKnob.Value + 1);
    radio.tuning.MainKnob_MouseUp();
    ASSERT_NE(s.MainVfo.Frequency, 14550000);
    // While MT shows, the channel knob tunes instead of stepping channels.
    turnChannelKnob(1);
    EXPECT_EQ(s.CurrentMemory, 20);
    takeFrames();

    radio.memory.VFOMRbutton_Click();
    EXPECT_FALSE(p.lblMT.Visible);
    EXPECT_EQ(s.OperatingState, StateMR);
    EXPECT_EQ(s.MainVfo.Frequency, 14550000);
    EXPECT_EQ(SetFrequencies(takeFrames()), std::vector<Freq>{14550000});
    EXPECT_EQ(s.Memories[20].Vfo.Frequency, 14550000) << "memory tune never writes the memory";
}

// Every search for a used channel ends after one round; with none in use the caller goes
// to VFO state instead of recalling.
TEST_F(MemoryModeTest, noChannelInUse_everyCallerEndsInVfoState)
{
    EXPECT_EQ(NextUsedMemory(s, 0, 1), -1);
    EXPECT_EQ(NextUsedMemory(s, 999, -1), -1);

    const auto emptiedInMR = [this] {
        store(1, 14510000);
        enterMR();
        s.Memories[1] = MemoryChannel{}; // gone behind the panel's back, count left stale
    };
    const std::vector<std::pair<const char *, std::function<void()>>> callers = {
        {"channel knob", [this] { turnChannelKnob(1); }},
        {"leaving MCK",
         [this] {
             pressMck();
             pressMck();
         }},
        {"File > New", [this] { radio.memory.AfterMemoriesReplaced(); }},
        {"HOME return in MR",
         [this] {
             s.HomeChannels[1].Vfo = {14520000, ModeFM};
             radio.home.HOMEbutton_Click();
             radio.home.HOMEbutton_Click();
         }},
        {"VFO/M with MT", [this] {
             p.lblMT.Visible = true;
             radio.memory.VFOMRbutton_Click();
         }}};
    for (const auto &[name, call] : callers) {
        emptiedInMR();
        call();
        EXPECT_EQ(s.OperatingState, StateVFO) << name;
        EXPECT_FALSE(s.HomeActive) << name;
        s.MemoryCount = 0;
    }
}

} // namespace
} // namespace dorv::test
