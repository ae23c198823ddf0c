#include "ScanFixture.h"
#include "panel/KeyCodes.h"

using namespace dorv;
using namespace dorv::test;

namespace {

class PmsTest : public ScanFixture {
protected:
    PmsTest()
    {
        s.BandTable.PmsLower[kBand144] = 14450000;
        s.BandTable.PmsUpper[kBand144] = 14460000;
        s.BandTable.BandPmsVfo[kBand144] = {14459000, ModeFM};
    }
};

// PMS confines the main VFO to the band's PMS range and keeps a VFO state of its own;
// leaving it restores the VFO, its band limits and its readouts.
TEST_F(PmsTest, pms_entersWithItsOwnVfoAndLimitsScansBetweenThemAndLeaves)
{
    powerOn(kBand144, {14520000, ModeFM});
    radio.pms.PMSbutton_Click();
    EXPECT_EQ(s.OperatingState, StatePMS);
    EXPECT_EQ(p.ledMRnumber, "LU");
    EXPECT_TRUE(p.ledMRnumberVisible);
    EXPECT_FALSE(p.lblCH.Visible);
    EXPECT_EQ(s.MainVfo.Frequency, 14459000);
    EXPECT_EQ(s.BandTable.TuneLower[kBand144], 14450000);
    EXPECT_EQ(s.BandTable.TuneUpper[kBand144], 14460000);
    EXPECT_EQ(stepFrequencies(), (std::vector<Freq>{14459000}));
    EXPECT_TRUE(p.SEARCHbutton.Enabled);
    EXPECT_FALSE(p.SCOPEbutton.Enabled);
    EXPECT_FALSE(p.SWAPbutton.Enabled);

    // A scan in PMS wraps at the PMS limits.
    engine.clearLog();
    radio.scan.SCANbutton_Click();
    ASSERT_TRUE(runUntil([&] { return steps().size() >= 3; }, 2.0));
    radio.scan.SCANbutton_Click();
    EXPECT_EQ(stepFrequencies(), (std::vector<Freq>{14459500, 14450000, 14450500}));

    // Leaving stores the PMS VFO and brings the VFO state back.
    engine.clearLog();
    radio.pms.PMSbutton_Click();
    EXPECT_EQ(s.OperatingState, StateVFO);
    EXPECT_FALSE(p.ledMRnumberVisible);
    EXPECT_EQ(s.BandTable.BandPmsVfo[kBand144].Frequency, 14450500);
    EXPECT_EQ(s.MainVfo.Frequency, 14520000);
    EXPECT_EQ(s.BandTable.TuneLower[kBand144], s.BandTable.VfoLower[kBand144]);
    EXPECT_EQ(s.BandTable.TuneUpper[kBand144], s.BandTable.VfoUpper[kBand144]);
    ASSERT_FALSE(stepFrequencies().empty());
    EXPECT_EQ(stepFrequencies().front(), 14520000);
}

} // namespace

namespace {

// The limits are stored with MCK on and the digit key 6 (the PMS button is disabled then):
// the main VFO gives the lower limit, the sub VFO the upper, both raised to the 10 kHz grid.
TEST_F(PmsTest, mckAndKey6_storeTheMainBandsLimitsOrSayWhyNot)
{
    const char *sameBand = "The Main VFO and Sub VFO must be on the same band when storing a PMS "
                           "limit for the 430, 144, or 50 MHz band.";
    const char *lowerFirst =
        "The frequency in the Main VFO must be lower than the frequency in the Sub VFO. The "
        "Main VFO should contain the lower PMS limit and the Sub VFO should contain the upper "
        "PMS limit.";
    const struct {
        int mainBand;
        Freq main;
        int subBand;
        Freq sub;
        const char *message; // nullptr: stored
        Freq lower, upper;
    } rows[] = {
        {1, 14410000, 1, 14590500, nullptr, 14410000, 14591000},
        {1, 14410000, 0, 43310000, sameBand, 0, 0},
        {7, 1425000, 5, 2130000, nullptr, 1425000, 2130000},
        {1, 14500000, 1, 14500000, lowerFirst, 0, 0},
    };
    powerOn(kBand144, {14500000, ModeFM});
    for (const auto &row : rows) {
        SCOPED_TRACE(row.main);
        host.messages.clear();
        const BandRecord before = s.BandTable;
        s.MainBand = static_cast<std::int16_t>(row.mainBand);
        s.MainVfo = {row.main, ModeFM};
        s.SubBand = static_cast<std::int16_t>(row.subBand);
        s.SubVfo = {row.sub, ModeFM};
        radio.mck.MCKbutton_MouseDown();
        radio.mck.MCKbutton_MouseUp();
        ASSERT_TRUE(s.MckOn);
        ASSERT_FALSE(p.PMSbutton.Enabled);
        radio.keyboard.Form_KeyDown(key::Digit0 + 6, 0);
        EXPECT_FALSE(s.MckOn);
        EXPECT_EQ(s.OperatingState, StateVFO);
        if (row.message) {
            ASSERT_EQ(host.messages.size(), 1u);
            EXPECT_EQ(host.messages[0].text, row.message);
            EXPECT_EQ(host.messages[0].title, "PMS Limit Warning");
            EXPECT_EQ(s.BandTable.PmsLower, before.PmsLower);
            EXPECT_EQ(s.BandTable.PmsUpper, before.PmsUpper);
        } else {
            EXPECT_TRUE(host.messages.empty());
            EXPECT_EQ(s.BandTable.PmsLower[row.mainBand], row.lower);
            EXPECT_EQ(s.BandTable.PmsUpper[row.mainBand], row.upper);
            EXPECT_EQ(s.BandTable.BandPmsVfo[row.mainBand].Frequency, row.main);
        }
    }
}

TEST_F(PmsTest, pmsEnteredFromMemoryState_returnsToMemoryState)
{
    s.Memories[3].Vfo = {14530000, ModeFM};
    s.Memories[3].Band = kBand144;
    s.MemoryCount = 1;
    powerOn(kBand144, {14520000, ModeFM});
    radio.memory.VFOMRbutton_Click();
    ASSERT_EQ(s.OperatingState, StateMR);
    radio.pms.PMSbutton_Click();
    EXPECT_EQ(s.OperatingState, StatePMS);
    EXPECT_EQ(p.ledMRnumber, "LU");
    radio.pms.PMSbutton_Click();
    EXPECT_EQ(s.OperatingState, StateMR);
    EXPECT_EQ(s.CurrentMemory, 3);
    EXPECT_EQ(p.ledMRnumber, "003");
    EXPECT_EQ(s.MainVfo.Frequency, 14530000);
}

} // namespace
