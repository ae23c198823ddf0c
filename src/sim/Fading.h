#pragma once

#include <random>

namespace ft897sim {

// Signals that fade: each reading of a heard signal's S level moves up to kDepth away from
// the signal's own level, and never repeats the previous reading, so a meter that shows
// every reading has something new to draw each time. The draws come straight from a
// seeded generator, so a run repeats on every platform.
class Fading {
public:
    static constexpr int kDepth = 3;

    explicit Fading(unsigned seed);

    // The S level (0..15) to report for a signal whose own level is `level`.
    int next(int level);

private:
    std::minstd_rand random_;
    int last_ = -1;
};

} // namespace ft897sim
