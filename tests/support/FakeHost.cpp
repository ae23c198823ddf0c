#include "support/FakeHost.h"

namespace dorv::test {

MsgAnswer FakeHost::messageBox(const std::string &text, const std::string &title, MsgIcon icon,
                               MsgButtons buttons)
{
    messages.push_back({text, title, icon, buttons});
    if (!messageAnswers.empty()) {
        const MsgAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel) ? MsgAnswer::Yes
                                                                                : MsgAnswer::Ok;
}

std::optional<std::string> FakeHost::openFileDialog(const FileDialogRequest &request)
{
    dialogRequests.push_back(request);
    if (openAnswers.empty()) {
        return std::nullopt;
    }
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakeHost::saveFileDialog(const FileDialogRequest &request)
{
    dialogRequests.push_back(request);
    if (saveAnswers.empty()) {
        return std::nullopt;
    }
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

bool FakeHost::showHelp(const std::string &path)
{
    helpShown.push_back(path);
    return helpAvailable;
}

void FakeHost::attachTimer(Timer &timer)
{
    timers_.push_back({&timer, 0.0});
    timer.setChangeListener([this, &timer] { reschedule(timer); });
    reschedule(timer);
}

void FakeHost::reschedule(Timer &timer)
{
    for (auto &entry : timers_) {
        if (entry.timer == &timer) {
            entry.due = clock + timer.interval() / 1000.0;
        }
    }
}

void FakeHost::at(double time, std::function<void()> action)
{
    auto it = events_.begin();
    while (it != events_.end() && it->first <= time) {
        ++it;
    }
    events_.insert(it, {time, std::move(action)});
}

// Each event is taken off the list before it runs: it may yield in turn.
void FakeHost::runDueEvents()
{
    while (!events_.empty() && events_.front().first <= clock + 1e-9) {
        const std::function<void()> action = std::move(events_.front().second);
        events_.erase(events_.begin());
        action();
    }
}

void FakeHost::yield()
{
    clock += yieldStep;
    runDueEvents();
    // Fire each due timer once per yield; a tick handler may itself yield.
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        Scheduled &entry = timers_[i];
        Timer &timer = *entry.timer;
        if (!timer.enabled() || timer.interval() <= 0 || clock + 1e-9 < entry.due) {
            continue;
        }
        entry.due = clock + timer.interval() / 1000.0;
        timer.fire();
    }
}

void FakeHost::run(double seconds)
{
    const double end = clock + seconds;
    while (clock < end) {
        yield();
    }
}

} // namespace dorv::test
