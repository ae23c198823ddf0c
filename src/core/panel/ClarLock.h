#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// Clarifier, dial lock and the DOP (decimal) key.
class ClarLock {
public:
    explicit ClarLock(Radio &radio) : radio_(radio) {}

    void CLARbutton_Click();
    void LOCKbutton_Click();
    void DOPbutton_Click();

private:
    Radio &radio_;
};

} // namespace dorv
