#include "ScanFixture.h"

using namespace dorv;
using namespace dorv::test;

namespace {

class SearchTest : public ScanFixture {};

TEST_F(SearchTest, search_outsideFmWarnsAndStartsNothing)
{
    powerOn(kBand144, {14430000, ModeUSB});
    radio.search.SEARCHbutton_Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "The search function can only be activated while in FM mode.");
    EXPECT_EQ(host.messages[0].title, "Search Function Warning");
    EXPECT_EQ(host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(s.SearchOn);
    host.run(1.0);
    EXPECT_TRUE(steps().empty());
}

// Positions 1, 3 and 5 hold memories, 5 on the frequency of a signal; position 0 holds the
// frequency of another. The search stores the two signals not held in 1..999 into the
// first two empty positions, 2 and 4, and never stops on a signal.
TEST_F(SearchTest, search_storesNewFmSignalsIntoTheFirstEmptyPositions)
{
    engine.setSignals({{144950000, 9, 12000, 0},
                       {145000000, 7, 12000, 0},
                       {145050000, 5, 12000, 0},
                       {145075000 + 2500, 5, 12000, 0}}); // between channels: off centre only
    s.Memories[0].Vfo = {14505000, ModeFM};
    s.Memories[1].Vfo = {14600000, ModeFM};
    s.Memories[3].Vfo = {14610000, ModeFM};
    s.Memories[5].Vfo = {14500000, ModeFM};
    s.Memories[5].Description = "kept";
    s.MemoryCount = 4;
    powerOn(kBand144, {14490000, ModeFM});
    s.BandTable.TuneLower[kBand144] = 14490000;
    s.BandTable.TuneUpper[kBand144] = 14510000;

    radio.search.SEARCHbutton_Click();
    EXPECT_TRUE(s.SearchOn);
    EXPECT_TRUE(p.lblSEARCH.Visible);
    EXPECT_TRUE(p.SEARCHbutton.Enabled);
    EXPECT_FALSE(p.MainKnob.Enabled);
    EXPECT_FALSE(p.btnJogUp.Enabled);
    // One round of the 200 kHz range and a little more.
    ASSERT_TRUE(runUntil([&] { return steps().size() > 42; }, 20.0));
    radio.search.SEARCHbutton_Click();

    EXPECT_FALSE(s.SearchOn);
    EXPECT_FALSE(p.lblSEARCH.Visible);
    EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
    EXPECT_TRUE(p.MainKnob.Enabled);
    EXPECT_EQ(s.Memories[2].Vfo.Frequency, 14495000);
    EXPECT_EQ(s.Memories[2].Vfo.Mode, ModeFM);
    EXPECT_EQ(s.Memories[4].Vfo.Frequency, 14505000);
    EXPECT_EQ(s.Memories[5].Description, "kept");
    for (int pos = 6; pos < kMemoryCount; ++pos) {
        ASSERT_FALSE(s.Memories[pos].inUse()) << pos;
    }
    EXPECT_EQ(s.MemoryCount, 6);
    EXPECT_TRUE(s.MemoryDirty);

    const std::vector<Step> all = steps();
    for (std::size_t i = 1; i < all.size(); ++i) {
        EXPECT_LT(all[i].time - all[i - 1].time, 0.3) << "held on " << all[i - 1].freq;
    }
}

// In PMS the search runs between the PMS limits. With every position 1..999 in use it
// passes the signal it finds without storing anything.
TEST_F(SearchTest, searchInPms_staysBetweenTheLimitsAndStoresNothingWithoutAFreePosition)
{
    engine.setSignals({{144550000, 9, 12000, 0}});
    for (int pos = 1; pos < kMemoryCount; ++pos) {
        s.Memories[pos].Vfo = {14600000 + pos, ModeFM};
    }
    s.MemoryCount = kMemoryCount - 1;
    s.BandTable.PmsLower[kBand144] = 14450000;
    s.BandTable.PmsUpper[kBand144] = 14460000;
    s.BandTable.BandPmsVfo[kBand144] = {14450000, ModeFM};
    powerOn(kBand144, {14500000, ModeFM});
    radio.pms.PMSbutton_Click();
    engine.clearLog();
    const auto before = s.Memories;

    radio.search.SEARCHbutton_Click();
    ASSERT_TRUE(s.SearchOn);
    ASSERT_TRUE(runUntil([&] { return steps().size() > 12; }, 10.0));
    radio.search.SEARCHbutton_Click();
    // 5 kHz channels from 144.500: 144.505 .. 144.595, then the lower limit again.
    const std::vector<Freq> sent = stepFrequencies();
    EXPECT_EQ(std::vector<Freq>(sent.begin(), sent.begin() + 3),
              (std::vector<Freq>{14450500, 14451000, 14451500}));
    for (Freq f : sent) {
        EXPECT_GE(f, 14450000);
        EXPECT_LT(f, 14460000);
    }
    EXPECT_EQ(s.Memories, before);
    EXPECT_FALSE(s.MemoryDirty);
    EXPECT_EQ(s.OperatingState, StatePMS);
}

} // namespace
