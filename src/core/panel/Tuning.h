#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// The three knobs, steps and rounding, the jog buttons with auto-repeat, FAST.
class Tuning {
public:
    explicit Tuning(Radio &radio) : radio_(radio) {}

    void SetupTuningKnob(int WhichKnob, int Direction);
    void ChangeTuningKnob();
    Freq RoundFreqToStep(Freq freq, Freq Step);

private:
    Radio &radio_;
};

} // namespace dorv
