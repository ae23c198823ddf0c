#pragma once

namespace dorv {

class Meters;
struct PanelState;
struct RadioState;

// The check at each step of a memory scan, a search or a priority check: reads the
// receiver status, holds on a busy channel or moves on, stores what a search finds, and
// shows the signal on the meter.
class ScanCheck {
public:
    ScanCheck(RadioState &state, PanelState &panel, Meters &meters)
        : state_(state), panel_(panel), meters_(meters)
    {
    }

    void ReadRxStatusMR(bool &MoveOn, bool &SendRequest);
    void ReadRxStatusSearch(bool &MoveOn, bool &SendRequest);
    void FindFreeMemory(bool &NotStored, int &FreePos);

private:
    RadioState &state_;
    PanelState &panel_;
    Meters &meters_;
};

} // namespace dorv
