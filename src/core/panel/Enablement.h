#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// Which function buttons may be pressed in the current state, and the blink timer.
class Enablement {
public:
    explicit Enablement(Radio &radio) : radio_(radio) {}

    void ToggleFunctionButtons();
    void TimerDelay_Timer();

private:
    Radio &radio_;
};

} // namespace dorv
