#pragma once

#include "model/Units.h"

namespace dorv {

class CatCommands;
class Enablement;
class Host;
class Keypad;
struct PanelState;
struct RadioState;
class Tuning;

// Clarifier, dial lock and the DOP (decimal) key.
class ClarLock {
public:
    ClarLock(Host &host, RadioState &state, PanelState &panel, CatCommands &cat,
             Enablement &enablement, Tuning &tuning, Keypad &keypad)
        : host_(host), state_(state), panel_(panel), cat_(cat), enablement_(enablement),
          tuning_(tuning), keypad_(keypad)
    {
    }

    // Moves the main VFO's receive frequency by its clarifier offset, or back.
    void CLARbutton_Click();
    // Locks the on-screen tuning controls; nothing is sent to the radio.
    void LOCKbutton_Click();
    // The keypad's decimal key; outside a keypad entry it does nothing.
    void DOPbutton_Click();

private:
    Host &host_;
    RadioState &state_;
    PanelState &panel_;
    CatCommands &cat_;
    Enablement &enablement_;
    Tuning &tuning_;
    Keypad &keypad_;
};

} // namespace dorv
