#pragma once

#include "model/Units.h"
#include "panel/ScanRequests.h"

namespace dorv {

class CatCommands;
class Enablement;
class HomeChannels;
class Host;
class Keypad;
class Mck;
class MemoryMode;
struct PanelState;
struct RadioState;
class Tuning;
class VfoOps;

// PMS, the third operating state: the main VFO works between the band's PMS limits, with
// a VFO state of its own per band. The limits are stored from the panel with MCK on.
class Pms {
public:
    Pms(Host &host, RadioState &state, PanelState &panel, CatCommands &cat, VfoOps &vfo,
        Enablement &enablement, Tuning &tuning, Keypad &keypad, MemoryMode &memory, Mck &mck,
        HomeChannels &home, ScanRequests &scanRequests)
        : host_(host), state_(state), panel_(panel), cat_(cat), vfo_(vfo), enablement_(enablement),
          tuning_(tuning), keypad_(keypad), memory_(memory), mck_(mck), home_(home)
    {
        scanRequests.leavePms.Subscribe([this] { PMSbutton_Click(); });
        scanRequests.reenterPms.Subscribe([this] { ChangeToPMSfunction(); });
    }

    // Enters PMS, returns to the state it was entered from, or (MCK on, reached with the
    // digit key 6) stores the main band's PMS limits from the main and sub VFO.
    void PMSbutton_Click();
    // Enters PMS state on the main band; also how split off and the priority monitor
    // come back to PMS.
    void ChangeToPMSfunction();
    void SavePMSInfo();
    void GetPMSInfo();

private:
    // The main band's limits from the main VFO (lower) and the sub VFO (upper), on the
    // 10 kHz grid; refused with a message when the VFOs do not make a range. MCK ends.
    void StoreLimits();
    void Leave();

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatCommands &cat_;

    VfoOps &vfo_;

    Enablement &enablement_;

    Tuning &tuning_;

    Keypad &keypad_;

    MemoryMode &memory_;

    Mck &mck_;

    HomeChannels &home_;
    int stateBeforePms_ = StateVFO;
};

} // namespace dorv
