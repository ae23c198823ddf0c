#pragma once

#include "model/Units.h"

namespace dorv {

class CatCommands;
class CatLink;
class Enablement;
class Host;
class Keypad;
class Mck;
class MemoryMode;
class Meters;
struct PanelState;
struct ScanRequests;
struct RadioState;
class Tuning;
class VfoOps;

// SPLIT (receive on the main VFO, transmit on the sub VFO), RPT (repeater shift
// direction, FM only) and REV (swap receive and transmit of a repeater pair).
class SplitRepeater {
public:
    SplitRepeater(Host &host, RadioState &state, PanelState &panel, CatLink &link, CatCommands &cat,
                  Meters &meters, VfoOps &vfo, Enablement &enablement, Tuning &tuning,
                  Keypad &keypad, MemoryMode &memory, Mck &mck, ScanRequests &scanRequests)
        : host_(host), state_(state), panel_(panel), link_(link), cat_(cat), meters_(meters),
          vfo_(vfo), enablement_(enablement), tuning_(tuning), keypad_(keypad), memory_(memory),
          mck_(mck), scanRequests_(scanRequests)
    {
    }

    // Split off leaves both VFOs where they were tuned during split.
    void SPLITbutton_Click();
    // Split off as a HOME recall ends: the VFOs the recall put aside in the band table come
    // back, and the recalled channel is not stored in their place.
    void SplitOffEndingRecall();
    // During a keypad entry this is the digit 1.
    void RPTbutton_Click();
    // During a keypad entry this is the digit 2.
    void REVbutton_Click();

private:
    void switchSplit(bool keepVfos);
    void splitOn();
    void splitOff(bool keepVfos);
    void keepVfosAsTuned();

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatLink &link_;

    CatCommands &cat_;

    Meters &meters_;

    VfoOps &vfo_;

    Enablement &enablement_;

    Tuning &tuning_;

    Keypad &keypad_;

    MemoryMode &memory_;

    Mck &mck_;

    ScanRequests &scanRequests_;
    bool switching_ = false; // a split switch is waiting on the radio
};

} // namespace dorv
