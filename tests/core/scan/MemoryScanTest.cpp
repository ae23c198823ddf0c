#include "ScanFixture.h"
#include "core/files/FilesFixture.h"
#include "model/MemoryStore.h"
#include "panel/KeyCodes.h"

using namespace dorv;
using namespace dorv::test;

namespace {

class MemoryScanTest : public ScanFixture {
protected:
    // The link on, then MR on `position`.
    void memoryStateAt(int position)
    {
        powerOn(kBand144, {14500000, ModeFM});
        s.CurrentMemory = position;
        radio.memory.VFOMRbutton_Click();
        ASSERT_EQ(s.OperatingState, StateMR);
        host.run(0.5);
        engine.clearLog();
    }
};

TEST_F(MemoryScanTest, scan_needsTwoMemoriesAndStartsUpwardAtOnce)
{
    store(10, 14510000);
    memoryStateAt(10);
    radio.scan.SCANbutton_Click();
    EXPECT_FALSE(s.ScanOn);
    host.run(1.0);
    EXPECT_TRUE(steps().empty());

    store(20, 14520000);
    radio.scan.SCANbutton_Click();
    EXPECT_TRUE(s.ScanOn);
    EXPECT_EQ(s.CurrentMemory, 20);
    EXPECT_EQ(p.ledMRnumber, "020");
    EXPECT_EQ(stepFrequencies(), (std::vector<Freq>{14520000}));
    EXPECT_FALSE(p.lblMemoryDesc.Visible);
}

// A new memory database has every bank selected, however it was made: at the first start
// with no memory file, after File > New, and in a new (empty) memory file. Memories
// written from the VFO there are scanned at once.
TEST_F(MemoryScanTest, newMemoryDatabase_scansTheMemoriesWrittenIntoIt)
{
    WriteFileBytes(dir / "new.mem", {});
    const std::pair<const char *, std::function<void()>> newDatabase[] = {
        {"first start", [] {}},
        {"File > New", [&] { radio.files.mnuFileArray_Click(0); }},
        {"empty file",
         [&] {
             host.openAnswers = {(dir / "new.mem").string()};
             radio.files.mnuFileArray_Click(1);
         }},
    };
    for (const auto &[way, make] : newDatabase) {
        SCOPED_TRACE(way);
        make();
        for (const int position : {0, 60, 130, 700, 999}) {
            s.MainVfo = {14500000 + position * 100, ModeFM};
            SaveVFOInfoToMemory(s, position);
        }
        s.MemoryDirty = false;
        memoryStateAt(60);
        host.messages.clear();

        radio.scan.SCANbutton_Click();

        EXPECT_TRUE(host.messages.empty()) << host.messages[0].text;
        ASSERT_TRUE(runUntil([&] { return steps().size() >= 5; }, 5.0));
        std::vector<Freq> visited = stepFrequencies();
        visited.resize(5);
        EXPECT_EQ(visited, (std::vector<Freq>{14513000, 14570000, 14599900, 14500000, 14506000}));
        radio.scan.SCANbutton_Click();
        radio.power.CATbutton_Click(); // off, so that the next round starts as this one did
        host.run(1.0);
    }
}

// The message for memories that cannot be scanned says where the banks are chosen.
TEST_F(MemoryScanTest, nothingToScan_saysWhereBanksAreChosen)
{
    store(1, 14500000).BankSelected = false;
    store(2, 14510000).BankSelected = false;
    memoryStateAt(1);
    radio.scan.SCANbutton_Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("Banks are chosen under Memory > Manager."),
              std::string::npos)
        << host.messages[0].text;
}

// Memories 0, 2, 998 and 999 take part; 5 is skipped and 7 is outside the selected banks.
TEST_F(MemoryScanTest, memoryScan_wrapsBothWaysPassingSkippedAndUnselectedMemories)
{
    for (const auto &[position, freq] : {std::pair{0, 14500000},
                                         {2, 14502000},
                                         {5, 14505000},
                                         {7, 14507000},
                                         {998, 14598000},
                                         {999, 14599000}}) {
        store(position, freq);
    }
    s.Memories[5].Skip = true;
    s.Memories[7].BankSelected = false;
    memoryStateAt(998);

    radio.scan.SCANbutton_Click();
    ASSERT_TRUE(runUntil([&] { return steps().size() >= 5; }, 5.0));
    std::vector<Freq> up = stepFrequencies();
    up.resize(5);
    EXPECT_EQ(up, (std::vector<Freq>{14599000, 14500000, 14502000, 14598000, 14599000}));

    radio.scan.btnJogDown_Click(); // stop on 999
    s.CurrentMemory = 2;
    engine.clearLog();
    radio.scan.btnJogDown_Click();
    ASSERT_TRUE(runUntil([&] { return steps().size() >= 4; }, 5.0));
    std::vector<Freq> down = stepFrequencies();
    down.resize(4);
    EXPECT_EQ(down, (std::vector<Freq>{14500000, 14599000, 14598000, 14502000}));
}

TEST_F(MemoryScanTest, memoryScan_holdsABusyMemoryTheFullPauseShowingItsDescription)
{
    store(1, 14500000);
    store(2, 14510000).Description = "Club repeater" + std::string(36, ' ');
    store(3, 14520000);
    engine.setSignals({{145100000, 9, 12000, 0}});
    memoryStateAt(1);
    radio.scan.SCANbutton_Click();
    // The signal goes after 1 s: the hold still runs its full 5 s.
    after(1.0, [&] { engine.setSignals({}); });
    bool looked = false;
    after(2.5, [&] {
        looked = true;
        EXPECT_EQ(s.CurrentMemory, 2);
        EXPECT_TRUE(p.lblMemoryDesc.Visible);
        EXPECT_EQ(p.lblMemoryDesc.Caption, "Club repeater");
    });
    ASSERT_TRUE(runUntil([&] { return steps().size() >= 2; }, 10.0));
    EXPECT_TRUE(looked);
    const std::vector<Step> all = steps();
    EXPECT_EQ(all[0].freq, 14510000);
    EXPECT_EQ(all[1].freq, 14520000);
    EXPECT_GE(all[1].time - all[0].time, 5.2);
    EXPECT_LE(all[1].time - all[0].time, 5.6);
    EXPECT_FALSE(p.lblMemoryDesc.Visible);
}

TEST_F(MemoryScanTest, stopOnASplitMemory_sendsItsTransmitSideToTheRadiosOtherVfo)
{
    store(1, 14500000);
    MemoryChannel &split = store(2, 14510000);
    split.Split = true;
    split.SplitVfo = {14570000, ModeFM};
    split.SplitBand = 1;
    memoryStateAt(1);
    radio.scan.SCANbutton_Click(); // onto the split memory
    ASSERT_EQ(s.CurrentMemory, 2);
    engine.clearLog();
    radio.scan.btnJogUp_Click();
    const std::vector<CatFrame> frames = commandFrames();
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames.front(), kToggle);
    EXPECT_EQ(frames.back(), kToggle);
    EXPECT_EQ(stepFrequencies(), (std::vector<Freq>{14570000}));
}

TEST_F(MemoryScanTest, noMemoryTakesPart_scanStopsAndSaysWhy)
{
    store(1, 14500000).Skip = true;
    store(2, 14510000).BankSelected = false;
    memoryStateAt(1);
    radio.scan.SCANbutton_Click();
    EXPECT_FALSE(s.ScanOn);
    EXPECT_FALSE(p.lblSCAN.Visible);
    EXPECT_EQ(s.ScanDirection, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Memory Scan");
    EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
}

// Armed in MR, SCAN disarms even after the memories in use dropped to one (as a manager
// SAVE, File > Open or a delete in MCK can make them): nothing else could free the panel.
TEST_F(MemoryScanTest, scan_disarmsAfterTheMemoriesDroppedToOne)
{
    store(10, 14510000);
    store(20, 14520000);
    memoryStateAt(10);
    radio.scan.SCANbutton_Click();
    ASSERT_TRUE(s.ScanOn);
    s.Memories[10] = MemoryChannel{};
    s.MemoryCount = 1;
    radio.scan.SCANbutton_Click();
    EXPECT_FALSE(s.ScanOn);
    EXPECT_FALSE(p.lblSCAN.Visible);
    EXPECT_EQ(s.ScanDirection, 0);
    EXPECT_FALSE(radio.scan.TimerScannerMR.enabled());
    EXPECT_TRUE(p.VFOMRbutton.Enabled);
    EXPECT_TRUE(p.MainKnob.Enabled);
    engine.clearLog();
    host.run(2.0);
    EXPECT_TRUE(steps().empty());
}

TEST_F(MemoryScanTest, scanDuringMck_togglesTheSkipFlagOfTheMemoryShown)
{
    store(1, 14500000);
    store(2, 14510000);
    memoryStateAt(1);
    radio.mck.MCKbutton_MouseDown();
    radio.mck.MCKbutton_MouseUp();
    ASSERT_TRUE(s.MckOn);
    radio.keyboard.Form_KeyDown(key::Digit0 + 4, 0);
    EXPECT_TRUE(s.Memories[1].Skip);
    EXPECT_TRUE(p.lblSKIP.Visible);
    EXPECT_TRUE(s.MemoryDirty);
    EXPECT_FALSE(s.ScanOn);
    radio.keyboard.Form_KeyDown(key::Digit0 + 4, 0);
    EXPECT_FALSE(s.Memories[1].Skip);
    EXPECT_FALSE(p.lblSKIP.Visible);
}

} // namespace
