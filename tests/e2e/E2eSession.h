#pragma once

#include "Process.h"
#include "model/SettingsRecord.h"

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// One end-to-end session: a private X display with a window manager, ft897-sim on a
// pseudo-terminal, and a copy of the real program in a data directory seeded so that
// serial port 1 is the simulator's link.
class E2eSession {
public:
    // Seeded: data files that select the simulator's link as port 1. Otherwise the
    // program starts in an empty directory.
    enum class Seed { LinkOnPort1, Nothing };
    explicit E2eSession(const std::string &signals, Seed seed = Seed::LinkOnPort1);
    ~E2eSession();

    // Changes the seeded settings file before the program starts.
    void changeSettings(const std::function<void(dorv::SettingsRecord &)> &change);

    // Starts ft897-sim on the link path with a fresh frame log; extra: more options.
    bool startSimulator(const std::vector<std::string> &extra = {});
    void stopSimulator(int signal);
    bool startProgram();
    void launchProgram();
    // Starts the program as this user from now on, with the session's directory (the
    // program's data directory) and HOME made that user's. Needs root.
    void runProgramAs(const std::string &user);
    // Waits for the main window with its panel; activates it for the keys that follow.
    bool waitForMainWindow();
    // Waits for a message box with this title and answers it with Return.
    bool answerMessage(const std::string &title, int timeoutMs);
    // Asks the program to end as the desktop does and waits for it.
    int stopProgram();
    // Closes the main window as its close box does and waits for the program to end.
    int closeWithCloseBox();
    bool programRunning() { return program_.running(); }

    // Sends keys with xdotool to the program's window ("p", "F5", "shift+f", "Prior").
    void key(const std::string &keys);
    void keyDown(const std::string &keys);
    void keyUp(const std::string &keys);
    // A left click on the middle of a face control ("SEARCHbutton"), found from the face's
    // place on the screen in the panel dump.
    bool clickOnFace(const std::string &control);

    // The main window's X window id, once waitForMainWindow found it.
    const std::string &mainWindow() const { return window_; }
    // Waits for a visible window whose title is exactly `title`; "" when none came.
    std::string findWindow(const std::string &title, int timeoutMs) const;
    // The inner width and height of a window, in pixels; {0, 0} when unknown.
    std::pair<int, int> windowSize(const std::string &window) const;
    // Moves the mouse to (x, y) inside the window and clicks the left button.
    void clickAt(const std::string &window, int x, int y);
    // Clicks the band scope window at (x, y) of its face, below the window's menu bar.
    void clickOnScopeFace(const std::string &window, int x, int y);
    // Activates a window and types text into whatever has the focus there.
    void typeInto(const std::string &window, const std::string &text);
    void keyInto(const std::string &window, const std::string &keys);
    // Turns the display's key auto-repeat on, as a desktop has it: first repeat after
    // delayMs, then ratePerSecond repeats a second. False when xset failed.
    bool autoRepeat(int delayMs, int ratePerSecond);
    // Runs a command against the session's display; its standard output.
    std::string onDisplay(const std::vector<std::string> &argv) const;
    // The X window id of the program's main window, once waitForMainWindow found it.
    const std::string &windowId() const { return window_; }

    // The simulator's log lines with the time stamp cut: "RX 14 54 30 00 01".
    std::vector<std::string> simLog() const;
    // The same with the milliseconds since the simulator started.
    std::vector<std::pair<int, std::string>> timedSimLog() const;
    // Waits until the log holds every line of `expected` in order (other lines between).
    bool waitForLogSequence(const std::vector<std::string> &expected, int timeoutMs) const;
    // A value from the program's panel dump, "" when absent.
    std::string panel(const std::string &name) const;
    bool waitForPanel(const std::string &name, const std::string &value, int timeoutMs) const;
    // A screenshot of the whole display, kept with the build for a person to look at.
    bool screenshot(const std::string &name);

    const std::filesystem::path &dir() const { return dir_; }
    // Command-line arguments the program is started with.
    std::vector<std::string> programArgs;
    // The program's process id, for measurements; -1 when it is not running.
    int programPid() const { return program_.pid(); }
    // For failure messages: the program's own output and the windows on the display.
    std::string diagnostics() const;

private:
    std::vector<std::string> displayEnv() const;
    void seedLinkOnPort1();

    std::filesystem::path dir_;
    std::string user_; // empty: the program runs as the test does
    std::string display_;
    std::string window_;
    Process xvfb_;
    Process wm_;
    Process sim_;
    Process program_;
};

// True when every line of `expected` occurs in `lines` in this order.
bool ContainsInOrder(const std::vector<std::string> &lines,
                     const std::vector<std::string> &expected);

} // namespace e2e
