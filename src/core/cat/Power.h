#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// The CAT power switch, synchronisation with the radio and the knob re-send timer.
class Power {
public:
    explicit Power(Radio &radio) : radio_(radio) {}

    void CATbutton_Click();
    void SYNCbutton_Click();
    void TimerSendFreq_Timer();

private:
    Radio &radio_;
};

} // namespace dorv
