#include "host/StepPacer.h"

#include "host/Host.h"
#include "host/Timer.h"

#include <algorithm>

namespace dorv {

namespace {
// Kept beyond the interval between two steps, so that the radio hears them at least the
// interval apart whatever the jitter of the line and of the event loop's wake-ups.
constexpr double kStepGapMarginSeconds = 0.002;
// How much of a wake-up's lateness after the floor is not counted into the next floor.
constexpr double kLatenessCreditSeconds = kStepGapMarginSeconds / 2;
} // namespace

StepPacer::StepPacer(Host &host, Timer &timer) : host_(host), timer_(timer) {}

double StepPacer::intervalSeconds() const
{
    return timer_.interval() / 1000.0;
}

void StepPacer::Start()
{
    // A tick of an earlier run may still be waiting; it ends on its own, and the new run's
    // ticks must not be skipped for it.
    ticking_ = false;
    steppedAt_ = host_.now();
}

bool StepPacer::BeginTick()
{
    if (ticking_) {
        return false;
    }
    ticking_ = true;
    tickAt_ = host_.now();
    return true;
}

void StepPacer::EndTick()
{
    ticking_ = false;
}

bool StepPacer::AwaitStepTime(const std::function<bool()> &running)
{
    const double floor = steppedAt_ + intervalSeconds() + kStepGapMarginSeconds;
    if (host_.now() >= floor) {
        stepAt_ = host_.now();
        return true;
    }
    while (host_.now() < floor) {
        host_.yieldUntil(floor);
        if (!running()) {
            return false;
        }
    }
    // The wake-up lands a little after the floor. The next floor counts from this one plus
    // only what lateness exceeds the credit: the usual lateness does not add up step after
    // step, and two steps stay the interval and the rest of the margin apart.
    stepAt_ = std::max(floor, host_.now() - kLatenessCreditSeconds);
    return true;
}

void StepPacer::Stepped()
{
    steppedAt_ = stepAt_;
    if (host_.now() - tickAt_ >= intervalSeconds()) {
        timer_.setEnabled(false);
        timer_.setEnabled(true);
    }
}

} // namespace dorv
