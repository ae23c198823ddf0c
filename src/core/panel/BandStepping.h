#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// Band buttons, BAND DOWN/UP and MHz DOWN/UP.
class BandStepping {
public:
    explicit BandStepping(Radio &radio) : radio_(radio) {}

    void BandButton_Click(int Index);
    void BandDownButton_Click();
    void BandUpButton_Click();
    void MhzDownButton_Click();
    void MhzUpButton_Click();

private:
    Radio &radio_;
};

} // namespace dorv
