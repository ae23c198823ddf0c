#include "cat/RoundTrip.h"

#include <algorithm>
#include <cmath>

namespace dorv {

void RoundTrip::Sample(double seconds)
{
    seconds = std::max(seconds, 0.0);
    if (!measured_) {
        smoothed_ = seconds;
        deviation_ = seconds / 2;
        measured_ = true;
        return;
    }
    deviation_ += (std::abs(smoothed_ - seconds) - deviation_) / 4;
    smoothed_ += (seconds - smoothed_) / 8;
}

double RoundTrip::Timeout() const
{
    return measured_ ? std::min(smoothed_ + 4 * deviation_, kLongestSeconds) : kUnmeasuredSeconds;
}

} // namespace dorv
