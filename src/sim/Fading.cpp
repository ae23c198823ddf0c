#include "Fading.h"

#include <algorithm>

namespace ft897sim {

Fading::Fading(unsigned seed) : random_(seed) {}

int Fading::next(int level)
{
    const int low = std::clamp(level - kDepth, 0, 15);
    const int high = std::clamp(level + kDepth, 0, 15);
    // The levels low..high except the previous reading; the range always holds at least
    // kDepth + 1 levels, so one is left to choose.
    const bool skipLast = last_ >= low && last_ <= high;
    const int choices = high - low + 1 - (skipLast ? 1 : 0);
    int chosen = low + static_cast<int>((random_() - random_.min()) % choices);
    if (skipLast && chosen >= last_) {
        ++chosen;
    }
    last_ = chosen;
    return chosen;
}

} // namespace ft897sim
