#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// TONE: steps the operated VFO's tone squelch mode (off, ENC, ENC/DEC, DCS) in FM.
class ToneSquelch {
public:
    explicit ToneSquelch(Radio &radio) : radio_(radio) {}

    // During a keypad entry this is the digit 3.
    void TONEbutton_Click();

private:
    Radio &radio_;
};

} // namespace dorv
