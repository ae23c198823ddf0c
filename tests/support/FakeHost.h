#pragma once

#include "host/Host.h"
#include "host/Timer.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace dorv::test {

struct ShownMessage {
    std::string text;
    std::string title;
    MsgIcon icon;
    MsgButtons buttons;
};

// A host on a virtual clock. yield() advances time by one step and fires the
// timers that fell due, so waits and timers run fast and deterministically.
// Message boxes and file dialogs answer from scripts the test sets up.
class FakeHost : public Host {
public:
    MsgAnswer messageBox(const std::string &text, const std::string &title, MsgIcon icon,
                         MsgButtons buttons) override;
    void beep() override { ++beeps; }
    std::optional<std::string> openFileDialog(const FileDialogRequest &request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest &request) override;
    double now() override { return clock; }
    void yield() override;
    ScreenSize screenSize() override { return screen; }
    void setBusyPointer(bool busy) override { busyPointer = busy; }
    bool showHelp(const std::string &path) override;
    void attachTimer(Timer &timer) override;
    void panelChanged() override { ++panelChanges; }
    void meterChanged() override { ++meterChanges; }

    // Advances the virtual clock by the given seconds, yielding all the way.
    void run(double seconds);
    // Runs action inside the first yield at or after the given time on the virtual clock:
    // an event from outside that comes while the core waits, or between calls.
    void at(double time, std::function<void()> action);

    double clock = 0.0;
    double yieldStep = 0.001; // seconds one yield() advances
    int beeps = 0;
    int panelChanges = 0; // notices of any change of the panel state
    int meterChanges = 0; // notices that only the meter and BUSY changed
    bool busyPointer = false;
    ScreenSize screen;
    std::vector<ShownMessage> messages;
    std::deque<MsgAnswer> messageAnswers; // next answers; Ok/Yes default when empty
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<FileDialogRequest> dialogRequests;
    std::vector<std::string> helpShown;
    bool helpAvailable = true;

private:
    struct Scheduled {
        Timer *timer;
        double due;
    };
    void reschedule(Timer &timer);
    void runDueEvents();
    std::vector<Scheduled> timers_;
    std::vector<std::pair<double, std::function<void()>>> events_; // in time order
};

} // namespace dorv::test
