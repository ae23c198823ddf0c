#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// SPLIT, RPT and REV.
class SplitRepeater {
public:
    explicit SplitRepeater(Radio &radio) : radio_(radio) {}

    void SPLITbutton_Click();
    void RPTbutton_Click();
    void REVbutton_Click();

private:
    Radio &radio_;
};

} // namespace dorv
