#pragma once

#include <deque>
#include <functional>

namespace dorv {

// Keeps the runs of frames that must reach the radio whole apart from everything else.
//
// A sequence is such a run: the radio is on its other VFO between two toggles, or a reply
// is awaited. Its waits still let events run, but no other handler may send meanwhile, so
// input that comes during a sequence (a panel event, a network request, a menu command)
// waits, and runs once the input or tick that ran the sequence has returned: inputs keep
// the order they came in and none is dropped. Until the waiting inputs have run, later
// inputs wait behind them and timer ticks are skipped (the timer ticks again an interval
// later), so nothing overtakes them.
//
// Input that comes during a wait outside any sequence runs at once, inside the wait, as
// every handler may.
class SequenceGate {
public:
    // Runs handler now, or later as described above.
    void Input(std::function<void()> handler);
    // Runs a timer's tick now, or skips it while inputs wait.
    void Tick(const std::function<void()> &tick);

    void BeginSequence() { ++sequences_; }
    void EndSequence();

    // A sequence runs, or inputs wait for one that ran.
    bool Holding() const { return sequences_ > 0 || !waiting_.empty(); }

private:
    void run(const std::function<void()> &handler);
    // Runs the waiting inputs once nothing that ran a sequence is still running.
    void replayWhenFree();

    int sequences_ = 0;      // sequences running, nested
    int running_ = 0;        // inputs and ticks running, nested in each other's waits
    bool replaying_ = false; // the waiting inputs are being run
    std::deque<std::function<void()>> waiting_;
};

} // namespace dorv
