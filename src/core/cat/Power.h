#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// The CAT power switch, synchronisation with the radio and the knob re-send tick.
class Power {
public:
    explicit Power(Radio &radio) : radio_(radio) {}

    void CATbutton_Click();
    void SYNCbutton_Click();
    // One re-send of the operated VFO's frequency while a knob is held (the tick of
    // the knobs' TimerSendFreq).
    void TimerSendFreq_Timer();

private:
    void SwitchOn();
    void SwitchOff();
    // Reads both of the radio's VFOs into the main and sub VFO.
    void TuneToRadio();
    // Ends every running function through its own button handler.
    void EndRunningFunctions();
    void DarkenPanel();

    Radio &radio_;
    // A switch waits on the radio while events run; set while one is under way.
    bool switching_ = false;
};

} // namespace dorv
