#pragma once

#include "model/Units.h"

#include <string>

namespace dorv {

class Radio;

// Numeric keypad frequency entry on the numbered buttons.
class Keypad {
public:
    explicit Keypad(Radio &radio) : radio_(radio) {}

    void ENTbutton_Click();
    void DisplayNumericKeypadEntry(const std::string &Number);

private:
    Radio &radio_;
};

} // namespace dorv
