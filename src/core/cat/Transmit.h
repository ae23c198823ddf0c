#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// MOX: keying the transmitter with the band-limit check and the power meter.
// Transmitting is the visibility of the "TX" label; there is no other flag.
class Transmit {
public:
    explicit Transmit(Radio &radio) : radio_(radio) {}

    // Toggles transmit. Called by the button, by the space bar (down while receiving, up
    // while transmitting) and by switching the CAT link off while transmitting. With the
    // menus locked it does not start a transmission, but still ends one.
    void MOXbutton_Click();
    // Whether MOX would start a transmission now: not under the menu lock or the priority
    // monitor, and a repeater shift keeps the transmit frequency inside the band limits.
    bool MayStartTransmitting() const;

private:
    void startTransmitting();
    void stopTransmitting();
    // Whether the repeater transmit frequency lies inside the main band's tuning limits
    // (the lower limit included, the upper one excluded).
    bool insideBandLimits(Freq transmitFreq) const;
    // The main VFO's frequency without the clarifier offset: the one the radio transmits on.
    Freq unclarifiedFreq() const;

    Radio &radio_;
};

} // namespace dorv
