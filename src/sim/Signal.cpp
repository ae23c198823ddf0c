#include "Signal.h"

#include <cstdlib>

namespace ft897sim {

std::vector<Signal> DefaultBandPlan()
{
    return {
        {145'250'000, 9, 12'000, 885},   // 2 m repeater output, 88.5 Hz access tone
        {145'600'000, 6, 12'000, 0},     // 2 m repeater output, no tone
        {144'300'000, 5, 2'400, 0},      // 2 m SSB calling
        {439'100'000, 12, 12'000, 1230}, // 70 cm repeater output, 123.0 Hz tone
        {433'500'000, 4, 12'000, 0},     // 70 cm FM simplex
        {14'205'000, 8, 2'400, 0},       // 20 m SSB
        {14'025'000, 7, 500, 0},         // 20 m CW
        {7'074'000, 5, 2'400, 0},        // 40 m digital
        {3'650'000, 10, 2'400, 0},       // 80 m SSB
    };
}

const Signal *SignalAt(const std::vector<Signal> &signals, std::int64_t frequencyHz)
{
    const Signal *best = nullptr;
    for (const Signal &s : signals) {
        if (std::llabs(frequencyHz - s.frequencyHz) * 2 > s.widthHz) {
            continue;
        }
        if (best == nullptr || s.sLevel > best->sLevel) {
            best = &s;
        }
    }
    return best;
}

} // namespace ft897sim
