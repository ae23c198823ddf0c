#pragma once

#include "model/Units.h"

namespace dorv {

class CatCommands;
class Host;
class Keypad;
struct RadioState;

// TONE: steps the operated VFO's tone squelch mode (off, ENC, ENC/DEC, DCS) in FM.
class ToneSquelch {
public:
    ToneSquelch(Host &host, RadioState &state, CatCommands &cat, Keypad &keypad)
        : host_(host), state_(state), cat_(cat), keypad_(keypad)
    {
    }

    // During a keypad entry this is the digit 3.
    void TONEbutton_Click();

private:
    Host &host_;
    RadioState &state_;
    CatCommands &cat_;
    Keypad &keypad_;
};

} // namespace dorv
