#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// MOX: keying the transmitter with the band-limit check and the power meter.
class Transmit {
public:
    explicit Transmit(Radio &radio) : radio_(radio) {}

    void MOXbutton_Click();

private:
    Radio &radio_;
};

} // namespace dorv
