#pragma once

#include <optional>
#include <string>

namespace dorv {

class Timer;

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// What a file Open or Save dialog is asked to show.
struct FileDialogRequest {
    std::string title;
    std::string filter;      // e.g. "Memory Files (*.mem)|*.mem|All Files (*.*)|*.*"
    std::string initialPath; // directory or file the dialog starts at
    std::string defaultExt;  // without the dot, e.g. "mem"
};

struct ScreenSize {
    int width = 1024; // pixels
    int height = 768; // pixels
};

// Everything the platform does for the core. The GUI implements it with Qt; the
// tests implement it with a scripted fake on a virtual clock.
class Host {
public:
    virtual ~Host() = default;

    virtual MsgAnswer messageBox(const std::string &text, const std::string &title, MsgIcon icon,
                                 MsgButtons buttons) = 0;
    virtual void beep() = 0;
    // Empty when the user cancels.
    virtual std::optional<std::string> openFileDialog(const FileDialogRequest &request) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogRequest &request) = 0;

    // Monotonic time in seconds; never jumps back, not tied to the time of day.
    virtual double now() = 0;
    // Processes pending events once: other handlers and timer ticks may run inside.
    virtual void yield() = 0;
    // As yield(), but when nothing is pending it sleeps until an event comes (a reply
    // arriving, a click, a timer) or the clock reaches `deadline`, whichever is first, rather
    // than waking every millisecond to look. By default, one yield().
    virtual void yieldUntil(double deadline)
    {
        (void)deadline;
        yield();
    }

    virtual ScreenSize screenSize() = 0;
    virtual void setBusyPointer(bool busy) = 0;
    // Opens the help file at path; returns false when it could not be shown.
    virtual bool showHelp(const std::string &path) = 0;

    // The host schedules the timer: it calls timer.fire() every interval while enabled.
    virtual void attachTimer(Timer &timer) = 0;
    // The panel state changed; the GUI repaints what it shows.
    virtual void panelChanged() {}
    // Only the meter and BUSY changed since the last notice (a status reading); a host that
    // can redraw just those need not look at the rest. By default, as any change.
    virtual void meterChanged() { panelChanged(); }
};

// Waits the given time on the host's clock while letting events run.
void Pause(Host &host, double seconds);

} // namespace dorv
