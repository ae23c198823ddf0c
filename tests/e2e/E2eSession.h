#pragma once

#include "Process.h"

#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

// One end-to-end session: a private X display with a window manager, ft897-sim on a
// pseudo-terminal, and a copy of the real program in a data directory seeded so that
// serial port 1 is the simulator's link.
class E2eSession {
public:
    explicit E2eSession(const std::string &signals);
    ~E2eSession();

    bool startSimulator();
    void stopSimulator(int signal);
    bool startProgram();
    // Asks the program to end as the desktop does and waits for it.
    int stopProgram();
    bool programRunning() { return program_.running(); }

    // Sends keys with xdotool to the program's window ("p", "F5", "shift+f", "Prior").
    void key(const std::string &keys);
    void keyDown(const std::string &keys);
    void keyUp(const std::string &keys);

    // The simulator's log lines with the time stamp cut: "RX 14 54 30 00 01".
    std::vector<std::string> simLog() const;
    // Waits until the log holds every line of `expected` in order (other lines between).
    bool waitForLogSequence(const std::vector<std::string> &expected, int timeoutMs) const;
    // A value from the program's panel dump, "" when absent.
    std::string panel(const std::string &name) const;
    bool waitForPanel(const std::string &name, const std::string &value, int timeoutMs) const;
    // A screenshot of the whole display, kept with the build for a person to look at.
    bool screenshot(const std::string &name);

    const std::filesystem::path &dir() const { return dir_; }

private:
    std::vector<std::string> displayEnv() const;

    std::filesystem::path dir_;
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
