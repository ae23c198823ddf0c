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

private:
    void startTransmitting();
    void stopTransmitting();
    // Whether the repeater transmit frequency lies inside the main band's tuning limits
    // (the lower limit included, the upper one excluded).
    bool insideBandLimits(Freq transmitFreq) const;

    Radio &radio_;
};

} // namespace dorv
