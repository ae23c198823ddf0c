#pragma once

#include "model/Units.h"

namespace dorv {

class CatCommands;
class Host;
class Meters;
struct PanelState;
struct RadioState;

// The eight mode buttons: set the operated VFO's mode, then read back what the radio took.
class ModeSelect {
public:
    ModeSelect(Host &host, RadioState &state, PanelState &panel, CatCommands &cat, Meters &meters)
        : host_(host), state_(state), panel_(panel), cat_(cat), meters_(meters)
    {
    }

    // Index: the mode index 0..7.
    void ModeButton_Click(int Index);

private:
    Host &host_;
    RadioState &state_;
    PanelState &panel_;
    CatCommands &cat_;
    Meters &meters_;
};

} // namespace dorv
