#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// TONE: steps the tone squelch modes in FM.
class ToneSquelch {
public:
    explicit ToneSquelch(Radio &radio) : radio_(radio) {}

    void TONEbutton_Click();

private:
    Radio &radio_;
};

} // namespace dorv
