// Scanning as fast as the interval allows: a radio that answers within the interval is
// stepped once per interval, counted from one step to the next, never faster.
#include "ScanFixture.h"

#include <algorithm>

using namespace dorv;
using namespace dorv::test;

namespace {

constexpr int kScan1000ms = 0;

struct Cadence {
    double stepsPerSecond = 0;
    double shortestGap = 0;
};

Cadence CadenceOf(const std::vector<Step> &steps)
{
    Cadence c;
    if (steps.size() < 2) {
        return c;
    }
    c.stepsPerSecond = (steps.size() - 1) / (steps.back().time - steps.front().time);
    c.shortestGap = steps[1].time - steps[0].time;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        c.shortestGap = std::min(c.shortestGap, steps[i].time - steps[i - 1].time);
    }
    return c;
}

class ScanCadenceTest : public ScanFixture {
protected:
    void memoryStateWithMemories(int count)
    {
        for (int position = 1; position <= count; ++position) {
            store(position, 14500000 + position * 1000);
        }
        powerOn(kBand144, {14500000, ModeFM});
        s.CurrentMemory = 1;
        radio.memory.VFOMRbutton_Click();
        ASSERT_EQ(s.OperatingState, StateMR);
        host.run(0.5);
        engine.clearLog();
    }
};

TEST_F(ScanCadenceTest, vfoScanAt200ms_makesFiveStepsASecond)
{
    powerOn(kBand144, {14500000, ModeFM});
    radio.scan.SCANbutton_Click();
    host.run(10.0);
    const Cadence c = CadenceOf(steps());
    EXPECT_NEAR(c.stepsPerSecond, 5.0, 0.1);
    EXPECT_GE(c.shortestGap, 0.2 - 1e-9);
}

TEST_F(ScanCadenceTest, memoryScanAt200msAnd1000ms_makesOneStepPerInterval)
{
    memoryStateWithMemories(100); // no wrap past the empty positions within the test
    radio.scan.SCANbutton_Click();
    host.run(10.0);
    Cadence c = CadenceOf(steps());
    EXPECT_NEAR(c.stepsPerSecond, 5.0, 0.1);
    EXPECT_GE(c.shortestGap, 0.2 - 1e-9);

    radio.intervals.mnuScanSpeed_Click(kScan1000ms);
    radio.scan.btnJogUp_Click(); // stop
    engine.clearLog();
    radio.scan.btnJogUp_Click(); // and start at the new interval
    host.run(20.0);
    c = CadenceOf(steps());
    EXPECT_NEAR(c.stepsPerSecond, 1.0, 0.02);
    EXPECT_GE(c.shortestGap, 1.0 - 1e-9);
}

// The event loop wakes a little after the time it was asked for. That lateness must not
// pile up from step to step and slow the scan below the interval's rate.
TEST_F(ScanCadenceTest, lateWakeUps_doNotAddUpFromStepToStep)
{
    host.yieldStep = 0.0015;
    memoryStateWithMemories(100);
    radio.scan.SCANbutton_Click();
    host.run(10.0);
    const Cadence c = CadenceOf(steps());
    // Each wake-up is up to 1.5 ms late: the mean period stays within half a millisecond of
    // the interval and its 2 ms margin, and no two steps come closer than the interval.
    EXPECT_LE(1.0 / c.stepsPerSecond, 0.2 + 0.002 + 0.0005);
    EXPECT_GE(c.shortestGap, 0.2 + 0.001 - 1e-9);
}

TEST_F(ScanCadenceTest, searchAt200ms_makesFiveStepsASecond)
{
    powerOn(kBand144, {14500000, ModeFM});
    radio.search.SEARCHbutton_Click();
    host.run(10.0);
    EXPECT_NEAR(CadenceOf(steps()).stepsPerSecond, 5.0, 0.1);
}

// A hold gives the busy channel the pause, and the channel after it a full interval before
// its status is asked; the scan then goes back to one step per interval.
TEST_F(ScanCadenceTest, afterAHold_theNextChannelGetsTheFullInterval)
{
    radio.intervals.mnuPauseInterval_Click(kPause3s);
    engine.setSignals({{145010000, 9, 1000, 0}});
    powerOn(kBand144, {14500000, ModeFM});
    radio.scan.SCANbutton_Click();
    host.run(8.0);
    const std::vector<Step> all = steps();
    std::size_t held = all.size();
    for (std::size_t i = 0; i + 1 < all.size(); ++i) {
        if (all[i].freq == 14501000) {
            held = i;
        }
    }
    ASSERT_LT(held + 4, all.size());
    EXPECT_GE(all[held + 1].time - all[held].time, 3.0);
    // The status request after the step off the busy channel comes a full interval later.
    double asked = 0;
    for (const ft897sim::LogEntry &entry : engine.log()) {
        if (entry.received && entry.bytes.size() == 5 && entry.bytes[4] == Opcode::RxStatus &&
            entry.time > all[held + 1].time) {
            asked = entry.time;
            break;
        }
    }
    EXPECT_GE(asked - all[held + 1].time, 0.2 - 0.002);
    const std::vector<Step> after(all.begin() + static_cast<long>(held) + 1, all.end());
    EXPECT_NEAR(CadenceOf(after).stepsPerSecond, 5.0, 0.1);
}

} // namespace
