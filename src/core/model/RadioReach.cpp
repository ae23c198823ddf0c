#include "model/RadioReach.h"

namespace dorv {

namespace {

struct Reach {
    Freq lower, upper;
};
constexpr Reach kRadioReach[] = {
    {10000, 5600000},     // 0.1 - 56 MHz
    {7600000, 16400000},  // 76 - 164 MHz
    {42000000, 47000000}, // 420 - 470 MHz
};

} // namespace

bool RadioReaches(Freq frequency)
{
    for (const Reach &reach : kRadioReach) {
        if (frequency >= reach.lower && frequency <= reach.upper) {
            return true;
        }
    }
    return false;
}

} // namespace dorv
