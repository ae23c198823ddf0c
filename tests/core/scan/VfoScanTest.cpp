#include "ScanFixture.h"

#include <cmath>

using namespace dorv;
using namespace dorv::test;

namespace {

constexpr int kBand14 = 7;
constexpr Freq kFmStep = 500; // the 5 kHz channel step of FM

// How long one scan step may take: the 200 ms interval, then the status request and its
// reply (20 ms of radio, about 12 ms on the wire at 4800 bit/s), with room for the
// virtual clock's granularity.
constexpr double kStepCeiling = 0.2 + 0.06;

class VfoScanTest : public ScanFixture {
protected:
    void startAt(Freq freq)
    {
        s.MainVfo.Frequency = freq;
        if (s.ScanOn) {
            radio.scan.btnJogUp_Click();
        } else {
            radio.scan.SCANbutton_Click();
        }
    }
    void stop()
    {
        if (s.ScanDirection != 0) {
            radio.scan.btnJogUp_Click();
        }
        engine.clearLog();
    }
    // The gap between the step onto `freq` and the step after it; -1 when either is missing.
    double holdOn(Freq freq) const
    {
        const std::vector<Step> all = steps();
        for (std::size_t i = 0; i + 1 < all.size(); ++i) {
            if (all[i].freq == freq) {
                return all[i + 1].time - all[i].time;
            }
        }
        return -1;
    }
};

TEST_F(VfoScanTest, scan_stepsOncePerIntervalWithOnlyStatusPollsBetweenAndWrapsBothWays)
{
    powerOn(kBand144, {14500000, ModeFM});
    const Freq lower = s.BandTable.TuneLower[kBand144];
    const Freq upper = s.BandTable.TuneUpper[kBand144];

    startAt(upper - kFmStep);
    EXPECT_TRUE(s.ScanOn);
    EXPECT_TRUE(p.lblSCAN.Visible);
    EXPECT_EQ(s.ScanDirection, 1);
    host.run(2.0);
    const std::vector<Step> up = steps();
    ASSERT_GE(up.size(), 6u);
    EXPECT_EQ(up[0].freq, lower);
    for (std::size_t i = 1; i < up.size(); ++i) {
        EXPECT_EQ(up[i].freq, lower + static_cast<Freq>(i) * kFmStep);
        EXPECT_LE(up[i].time - up[i - 1].time, kStepCeiling) << i;
        EXPECT_GE(up[i].time - up[i - 1].time, 0.2) << i;
    }
    EXPECT_TRUE(otherFramesSince(0).empty());

    // DOWN stops the scan and leaves SCAN armed; the next DOWN starts downward.
    radio.scan.btnJogDown_Click();
    EXPECT_EQ(s.ScanDirection, 0);
    EXPECT_TRUE(s.ScanOn);
    engine.clearLog();
    host.run(1.0);
    EXPECT_TRUE(steps().empty());
    s.MainVfo.Frequency = lower;
    radio.scan.btnJogDown_Click();
    host.run(0.6);
    const std::vector<Freq> down = stepFrequencies();
    ASSERT_GE(down.size(), 2u);
    EXPECT_EQ(down[0], upper - kFmStep);
    EXPECT_EQ(down[1], upper - 2 * kFmStep);

    // SCAN disarms: the meter polls again and the knobs come back.
    radio.scan.SCANbutton_Click();
    EXPECT_FALSE(s.ScanOn);
    EXPECT_FALSE(p.lblSCAN.Visible);
    EXPECT_EQ(s.ScanDirection, 0);
    EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
    EXPECT_TRUE(p.MainKnob.Enabled);
}

TEST_F(VfoScanTest, fmScan_holdsACentredSignalForThePauseOrWhileItStays)
{
    powerOn(kBand144, {14499000, ModeFM});
    const ft897sim::Signal centred{145000000, 9, 12000, 0};
    const struct {
        const char *what;
        int pause;
        double changeAfter; // seconds after the start, one step before 145.000; 0 = none
        std::vector<ft897sim::Signal> changed;
        double minHold, maxHold;
    } rows[] = {
        {"pause 5 s", kPause5s, 0, {}, 5.2, 5.2 + kStepCeiling + 0.1},
        // The meter polls during the hold, one request a second at 500 ms (a tick for the
        // request, one for the reply): the first reply after the move ends the hold.
        {"moves off centre",
         kPause5s,
         2.0,
         {{145002000, 9, 12000, 0}},
         2.0 - kStepCeiling,
         2.0 + 1.0 + 0.5 - 0.2},
        {"pause OFF", kPauseOff, 8.0, {}, 8.0 - kStepCeiling, 8.0 + 0.1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        stop();
        engine.setSignals({centred});
        radio.intervals.mnuPauseInterval_Click(row.pause);
        if (row.changeAfter > 0) {
            after(row.changeAfter, [this, &row] { engine.setSignals(row.changed); });
        }
        // 144.995 hears the signal 5 kHz off its centre and is passed; 145.000 holds.
        startAt(14499000);
        ASSERT_TRUE(runUntil([&] { return steps().size() >= 4; }, 15.0));
        EXPECT_LT(holdOn(14499500), kStepCeiling + 0.05);
        const double hold = holdOn(14500000);
        EXPECT_GE(hold, row.minHold);
        EXPECT_LE(hold, row.maxHold);
        EXPECT_TRUE(otherFramesSince(0).empty());
    }
}

TEST_F(VfoScanTest, fmScan_showsBusyDuringTheHold)
{
    engine.setSignals({{145000000, 9, 12000, 0}});
    powerOn(kBand144, {14499500, ModeFM});
    radio.scan.SCANbutton_Click();
    // The hold runs inside the scan's tick: looked at from within.
    bool looked = false;
    after(1.5, [&] {
        looked = true;
        EXPECT_EQ(s.MainVfo.Frequency, 14500000);
        EXPECT_TRUE(p.lblBusy.Visible);
        EXPECT_EQ(p.LMeter[0].End, 9);
    });
    ASSERT_TRUE(runUntil([&] { return looked; }, 3.0));
}

// USB starts in 50 Hz steps, takes up the 500 Hz grid on the first quiet reply, slows to
// 50 Hz while the squelch is open and rounds back to the 500 Hz grid when it closes.
TEST_F(VfoScanTest, sidebandScan_slowsTo50HzOnASignalThenBackOnTheGrid)
{
    engine.setSignals({{14210000, 8, 2400, 0}}); // heard from 14.2088 to 14.2112 MHz
    powerOn(kBand14, {1420000, ModeUSB});
    radio.scan.SCANbutton_Click();
    std::vector<Freq> expected{1420005};
    for (Freq f = 1420100; f <= 1420900; f += 50) {
        expected.push_back(f);
    }
    for (Freq f = 1420905; f <= 1421125; f += 5) {
        expected.push_back(f);
    }
    expected.insert(expected.end(), {1421200, 1421250, 1421300});
    ASSERT_TRUE(runUntil([&] { return steps().size() >= expected.size(); }, 40.0));
    std::vector<Freq> got = stepFrequencies();
    got.resize(expected.size());
    EXPECT_EQ(got, expected);
}

} // namespace
