#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// PMS, the third operating state: the main VFO works between the band's PMS limits, with
// a VFO state of its own per band. The limits are stored from the panel with MCK on.
class Pms {
public:
    explicit Pms(Radio &radio) : radio_(radio) {}

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

    Radio &radio_;
    int stateBeforePms_ = StateVFO;
};

} // namespace dorv
