#include "ScanFixture.h"
#include "memmgr/CsvChannel.h"
#include "panel/PanelDump.h"

using namespace dorv;
using namespace dorv::test;

namespace {

// "Grün ° Café" as the memory file keeps it (Windows-1252) and as every display shows it.
const std::string kStored = "Gr\xFCn \xB0 Caf\xE9";
const std::string kShown = "Gr\u00FCn \u00B0 Caf\u00E9";

class DescriptionTest : public ScanFixture {
protected:
    DescriptionTest()
    {
        host.attachTimer(watch_);
        watch_.setInterval(10);
        watch_.setTickHandler([this] {
            if (seen_.empty() && p.lblBusy.Visible && p.lblMemoryDesc.Visible) {
                seen_ = p.lblMemoryDesc.Caption;
                seenOn_ = s.MainVfo.Frequency;
            }
        });
    }

    MemoryChannel &named(int position, Freq freq)
    {
        MemoryChannel &m = store(position, freq);
        m.Description = kStored + std::string(kDescriptionLength - kStored.size(), ' ');
        return m;
    }
    // The description a busy memory shows within 12 s, caught by a 10 ms watch whose ticks
    // run inside the scan's and the check's waits as well; "" when none showed.
    std::string busyDescription()
    {
        seen_.clear();
        watch_.setEnabled(true);
        runUntil([&] { return !seen_.empty(); }, 12.0);
        watch_.setEnabled(false);
        return seen_;
    }

    Freq seenOn_ = 0; // the main VFO's frequency when the description was caught

private:
    Timer watch_{"description watch"};
    std::string seen_;
};

// An accented description reads the same on the panel, in a scan hold, in a priority
// check, in the manager's grid, in a CSV export and in the panel dump.
TEST_F(DescriptionTest, accentedDescription_readsTheSameOnEveryDisplay)
{
    named(0, 14550000);
    named(10, 14510000);
    named(20, 14520000);
    engine.setSignals({{145200000, 9, 12000, 0}});
    powerOn(kBand144, {14500000, ModeFM});
    s.CurrentMemory = 10;
    radio.memory.VFOMRbutton_Click();
    EXPECT_EQ(p.lblMemoryDesc.Caption, kShown);
    EXPECT_NE(DumpPanel(p).find("lblMemoryDesc=" + kShown + "\n"), std::string::npos);

    radio.scan.SCANbutton_Click();
    EXPECT_EQ(busyDescription(), kShown) << "scan hold";
    EXPECT_EQ(seenOn_, 14520000);
    radio.scan.SCANbutton_Click();

    engine.setSignals({{145500000, 9, 12000, 0}});
    radio.intervals.mnuPRIspeed_Click(2); // 5 s
    radio.pri.PRIbutton_Click();
    EXPECT_EQ(busyDescription(), kShown) << "priority check";
    EXPECT_EQ(seenOn_, 14550000);
    radio.pri.PRIbutton_Click();

    EXPECT_EQ(WriteCsvChannel(10, s.Memories[10])[1], kShown);
    radio.memmgr.Show();
    EXPECT_EQ(radio.memmgr.CellText(10, MemoryManager::ColDescription), kShown);
}

} // namespace
