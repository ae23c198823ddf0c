#pragma once

#include <functional>

namespace dorv {

class Host;
class Timer;

// Paces a timer whose every tick asks the radio and then makes one step (a scan, search or
// sweep step): the next tick comes one interval after the previous tick began, not one
// interval after its reply, so a radio that answers within the interval is stepped at one
// step per interval. A tick that runs longer than the interval (a hold on a busy channel,
// a reply over a slow link) gives the channel after its step the full interval again.
// The timer stays enabled during a tick, so it keeps its phase; a tick that falls due while
// the previous one still waits is skipped.
class StepPacer {
public:
    StepPacer(Host &host, Timer &timer);

    // A run's first step was made now and its timer enabled: the ticks count from here.
    void Start();
    // At each tick: false while the previous tick still runs (this one came inside one of
    // its waits) and this one is to be skipped. Every true is matched by one EndTick().
    bool BeginTick();
    void EndTick();
    // Waits, processing events, until one interval has passed since the last step, so that
    // two steps are never closer than the interval whatever the jitter of the replies.
    // False when running() turns false meanwhile.
    bool AwaitStepTime(const std::function<bool()> &running);
    // The step that AwaitStepTime let begin is made. When the tick took longer than the
    // interval, the timer restarts now, so the next tick comes one interval after the step.
    void Stepped();

private:
    double intervalSeconds() const;

    Host &host_;
    Timer &timer_;
    bool ticking_ = false;
    double tickAt_ = 0.0;
    double stepAt_ = 0.0;    // when the step under way began
    double steppedAt_ = 0.0; // when the last step began
};

} // namespace dorv
