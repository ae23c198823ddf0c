#include "host/StepPacer.h"

#include "host/Host.h"
#include "host/Timer.h"

namespace dorv {

namespace {
// Kept beyond the interval between two steps, so that the radio hears them at least the
// interval apart whatever the jitter of the line and of the event loop's wake-ups.
constexpr double kStepGapMarginSeconds = 0.002;
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
    while (host_.now() < floor) {
        host_.yieldUntil(floor);
        if (!running()) {
            return false;
        }
    }
    stepAt_ = host_.now();
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
