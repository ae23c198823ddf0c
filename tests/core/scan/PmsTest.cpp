#include "ScanFixture.h"

using namespace dorv;
using namespace dorv::test;

namespace {

constexpr int kBand144 = 1;

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
