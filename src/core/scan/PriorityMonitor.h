#pragma once

#include "host/Timer.h"

namespace dorv {

class CatLink;
class Enablement;
class HomeChannels;
class Host;
class Keypad;
class MemoryMode;
class Meters;
class ScanCheck;
struct PanelState;
class Pms;
struct ScanRequests;
struct RadioState;
class Tuning;
class VfoOps;

// PRI: at every tick of its timer the radio listens on memory channel 0 for a moment,
// stays there while the channel is busy (for the pause time, or while the signal lasts
// with the pause OFF) and then goes back to what the operator was using.
class PriorityMonitor {
public:
    PriorityMonitor(Host &host, RadioState &state, PanelState &panel, CatLink &link, Meters &meters,
                    ScanCheck &scanCheck, VfoOps &vfo, Enablement &enablement, Tuning &tuning,
                    Keypad &keypad, MemoryMode &memory, HomeChannels &home, Pms &pms,
                    ScanRequests &scanRequests);

    // Starts the monitor (channel 0 must hold a frequency) or ends it.
    void PRIbutton_Click();
    // Ends the monitor and puts the operator back in their state; VFO/M, PRI, MOX and
    // POWER off end it here. A check under way ends at once.
    void EndPriorityMonitor();

    // Ticks at the PRI Monitor interval (0 = OFF); disabled while the monitor is off.
    Timer TimerPriorityMonitor{"TimerPriorityMonitor"};

private:
    void TimerPriorityMonitor_Timer();
    void Start();
    // Listens on channel 0 until it is free or the pause is over; false when the monitor
    // ended meanwhile.
    bool ListenOnChannelZero();
    void ReturnToOperator();
    void SetTuningDuringCheck(bool enabled);

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatLink &link_;

    Meters &meters_;

    ScanCheck &scanCheck_;

    VfoOps &vfo_;

    Enablement &enablement_;

    Tuning &tuning_;

    Keypad &keypad_;

    MemoryMode &memory_;

    HomeChannels &home_;

    Pms &pms_;
    bool checking_ = false; // a check has the radio on channel 0
    unsigned run_ = 0;      // counts starts and ends, so a check can tell PRI has ended
};

} // namespace dorv
