#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// SPLIT (receive on the main VFO, transmit on the sub VFO), RPT (repeater shift
// direction, FM only) and REV (swap receive and transmit of a repeater pair).
class SplitRepeater {
public:
    explicit SplitRepeater(Radio &radio) : radio_(radio) {}

    void SPLITbutton_Click();
    // During a keypad entry this is the digit 1.
    void RPTbutton_Click();
    // During a keypad entry this is the digit 2.
    void REVbutton_Click();

private:
    void splitOn();
    void splitOff();
    void keepVfosAsTuned();

    Radio &radio_;
    bool switching_ = false; // a split switch is waiting on the radio
};

} // namespace dorv
