#pragma once

#include <cstdint>
#include <vector>

namespace ft897sim {

// A carrier on the air that the simulated receiver hears.
struct Signal {
    std::int64_t frequencyHz = 0; // centre frequency
    int sLevel = 0;               // S value 0..15 reported inside the signal
    int widthHz = 0;              // occupied bandwidth; heard within +-widthHz/2 of the centre
    int toneTenths = 0;           // CTCSS tone it carries in 0.1 Hz (885 = 88.5 Hz), 0 = none
};

// A few FM repeaters on 144 and 430 MHz, SSB and CW stations on HF.
std::vector<Signal> DefaultBandPlan();

// The strongest signal heard at the given frequency, or nullptr when none.
const Signal *SignalAt(const std::vector<Signal> &signals, std::int64_t frequencyHz);

} // namespace ft897sim
