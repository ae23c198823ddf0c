#pragma once

#include "host/Timer.h"

#include <string>

namespace dorv {

class CatLink;
class Host;
class Meters;
struct PanelState;
struct RadioState;
struct PanelState;

// Watches the serial device while the link is on. When the device goes away (adapter
// unplugged, pseudo-terminal hung up) the panel says so and blanks the meter, and the
// same device is tried again on every tick until it opens; then polling resumes.
// A device refused for want of permission or because another program holds it is tried
// again on every tick as well, with the link on or off, until it opens. A network link
// that is not connected is tried again on every tick, with the link on or off; opening it
// only starts the connection, and polling resumes on the tick that finds it made.
class PortWatch {
public:
    PortWatch(Host &host, const std::string &dataDir, RadioState &state, PanelState &panel,
              CatLink &link, Meters &meters);

    // Time between two tries to open a device that went away, in milliseconds: often
    // enough that the link is back within a second of the device returning.
    static constexpr int kRetryMs = 500;

    // The status bar's text for the link: the device refused (and why), the network link
    // connecting or failed (and why), the device gone (and which), the radio not answering,
    // or empty while all is well.
    static std::string StatusText(const PanelState &panel);

    Timer TimerPortWatch{"TimerPortWatch"};

private:
    void TimerPortWatch_Timer();
    void NoteDeviceGone();
    void ReopenDevice();
    void ResumePolling();
    // Takes up what a network link says of itself for the status bar.
    void NoteLinkCondition();

    Host &host_;

    const std::string &dataDir_;

    RadioState &state_;

    PanelState &panel_;

    CatLink &link_;

    Meters &meters_;
};

} // namespace dorv
