#include "host/Timer.h"

namespace dorv {

void Timer::setInterval(int ms)
{
    if (ms == intervalMs_) {
        return;
    }
    intervalMs_ = ms;
    if (onChange_) {
        onChange_();
    }
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_) {
        return;
    }
    enabled_ = on;
    if (onChange_) {
        onChange_();
    }
}

void Timer::fire()
{
    if (!enabled_ || intervalMs_ <= 0 || !onTick_) {
        return;
    }
    if (runner_) {
        runner_(onTick_);
    } else {
        onTick_();
    }
}

} // namespace dorv
