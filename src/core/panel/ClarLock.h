#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// Clarifier, dial lock and the DOP (decimal) key.
class ClarLock {
public:
    explicit ClarLock(Radio &radio) : radio_(radio) {}

    // Moves the main VFO's receive frequency by its clarifier offset, or back.
    void CLARbutton_Click();
    // Locks the on-screen tuning controls; nothing is sent to the radio.
    void LOCKbutton_Click();
    // The keypad's decimal key; outside a keypad entry it does nothing.
    void DOPbutton_Click();

private:
    Radio &radio_;
};

} // namespace dorv
