#include "ScopeFixture.h"

using namespace dorv;
using namespace dorv::test;

namespace {

constexpr int kStep10KHz = 4;
constexpr int kWidth500KHz = 0;
constexpr int kBand50 = 2;

class ScopeAndPanelTest : public ScopeFixture {
protected:
    // Set-frequency frames received in the last `seconds` of the virtual clock.
    std::size_t retunesDuring(double seconds)
    {
        const std::size_t before = frequenciesSent().size();
        host.run(seconds);
        return frequenciesSent().size() - before;
    }
};

// A sweep reaching the band's upper limit ends there: no step wraps to the band's foot.
TEST_F(ScopeAndPanelTest, sweepPastTheBandsTop_endsAtTheBandEdge)
{
    s.MainBand = kBand50;
    s.MainVfo.Frequency = 5380000;
    openScope(kStep10KHz);
    scope.listScanWidth_Click(kWidth500KHz); // 53.300 .. 54.300 MHz, the band ends at 54.000
    const std::size_t before = engine.receivedFrames().size();
    scope.cmdSCAN_Click();
    runUntilStopped(60);

    EXPECT_EQ(view.cmdSCAN, "START");
    EXPECT_FALSE(scope.Sweeping());
    const std::vector<Freq> sent = frequenciesSent(before);
    ASSERT_EQ(sent.size(), 70u);
    EXPECT_EQ(sent.front(), 5330000);
    EXPECT_EQ(sent.back(), 5399000);
    ASSERT_EQ(view.Waterfall.size(), 1u);
    EXPECT_EQ(view.Waterfall.front().Readings.size(), 70u);
    EXPECT_EQ(s.MainVfo.Frequency, 5399000);
}

// The scope and the panel's scanning keep their own state: closing the scope leaves a
// running scan stepping, and the panel's UP/DOWN jog leaves a running sweep sweeping.
TEST_F(ScopeAndPanelTest, closingTheScopeOrJoggingEndsOnlyItsOwnActivity)
{
    radio.intervals.mnuScanSpeed_Click(5); // 200 ms
    openScope(kStep10KHz);
    radio.scan.SCANbutton_Click();
    ASSERT_EQ(s.ScanDirection, 1);
    scope.Form_Unload();
    EXPECT_EQ(s.ScanDirection, 1);
    EXPECT_TRUE(p.lblSCAN.Visible);
    EXPECT_GT(retunesDuring(3.0), 2u) << "the scan goes on stepping";
    EXPECT_FALSE(radio.meters.TimerSignalMeter.enabled()) << "the scan owns the status reads";
    radio.scan.SCANbutton_Click();

    openScope(kStep10KHz);
    scope.mnuContinuousScan_Click(0);
    scope.cmdSCAN_Click();
    host.run(1.0);
    radio.tuning.btnJogUp_MouseDown();
    host.run(0.1);
    radio.tuning.btnJogUp_MouseUp();
    EXPECT_TRUE(scope.Sweeping());
    EXPECT_EQ(view.cmdSCAN, "STOP");
    EXPECT_GT(retunesDuring(2.0), 3u) << "the sweep goes on";
    scope.cmdSCAN_Click();
    EXPECT_FALSE(scope.Sweeping());
    EXPECT_EQ(retunesDuring(2.0), 0u) << "STOP stops; it does not start a new sweep";
}

// Both would retune the radio and read each other's replies: neither starts while the
// other runs, and each says why.
TEST_F(ScopeAndPanelTest, sweepAndPanelScanning_refuseToStartWhileTheOtherRuns)
{
    openScope(kStep10KHz);
    radio.scan.SCANbutton_Click();
    scope.cmdSCAN_Click();
    EXPECT_FALSE(scope.Sweeping());
    EXPECT_EQ(view.cmdSCAN, "START");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Band Scope");
    radio.scan.SCANbutton_Click();

    scope.cmdSCAN_Click();
    ASSERT_TRUE(scope.Sweeping());
    s.Memories[0].Vfo = {14550000, ModeFM};
    s.MainVfo.Mode = ModeFM;
    radio.scan.SCANbutton_Click();
    radio.search.SEARCHbutton_Click();
    radio.pri.PRIbutton_Click();
    EXPECT_FALSE(s.ScanOn || s.SearchOn || s.PriOn);
    ASSERT_EQ(host.messages.size(), 4u);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_EQ(host.messages[i].text, "The band scope is sweeping. Press STOP on the band "
                                         "scope before starting this function.");
    }
    EXPECT_TRUE(scope.Sweeping());
}

} // namespace
