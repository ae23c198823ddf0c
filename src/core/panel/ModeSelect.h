#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// The eight mode buttons: set the operated VFO's mode, then read back what the radio took.
class ModeSelect {
public:
    explicit ModeSelect(Radio &radio) : radio_(radio) {}

    // Index: the mode index 0..7.
    void ModeButton_Click(int Index);

private:
    Radio &radio_;
};

} // namespace dorv
