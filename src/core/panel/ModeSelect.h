#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// The eight mode buttons.
class ModeSelect {
public:
    explicit ModeSelect(Radio &radio) : radio_(radio) {}

    void ModeButton_Click(int Index);

private:
    Radio &radio_;
};

} // namespace dorv
