#include "cat/SequenceGate.h"

namespace dorv {

void SequenceGate::Input(std::function<void()> handler)
{
    if (Holding()) {
        waiting_.push_back(std::move(handler));
        return;
    }
    run(handler);
    replayWhenFree();
}

void SequenceGate::Tick(const std::function<void()> &tick)
{
    if (Holding()) {
        return;
    }
    run(tick);
    replayWhenFree();
}

// A sequence that no input or tick ran (a direct call) lets the waiting inputs run as it
// ends; otherwise they run when that input or tick returns.
void SequenceGate::EndSequence()
{
    --sequences_;
    replayWhenFree();
}

void SequenceGate::run(const std::function<void()> &handler)
{
    ++running_;
    handler();
    --running_;
}

void SequenceGate::replayWhenFree()
{
    if (sequences_ > 0 || running_ > 0 || replaying_) {
        return;
    }
    replaying_ = true;
    while (sequences_ == 0 && !waiting_.empty()) {
        const std::function<void()> handler = std::move(waiting_.front());
        waiting_.pop_front();
        run(handler);
    }
    replaying_ = false;
}

} // namespace dorv
