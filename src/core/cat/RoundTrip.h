#pragma once

namespace dorv {

// The link's round trip, from a request to the first byte of its reply, smoothed over the
// replies seen: a mean and a mean deviation, each moving an eighth and a quarter of the way
// to every new sample. A reply is overdue once the mean plus four deviations has passed;
// before the first sample, once a second has. A silent radio must still be noticed, so the
// figure is kept under a few seconds whatever the samples say.
class RoundTrip {
public:
    static constexpr double kUnmeasuredSeconds = 1.0;
    static constexpr double kLongestSeconds = 3.0;

    void Sample(double seconds);
    // Forgets the samples: a link opened again may be another one.
    void Reset() { measured_ = false; }
    // How long a reply may take before it counts as lost, in seconds.
    double Timeout() const;
    bool Measured() const { return measured_; }
    double Smoothed() const { return smoothed_; }

private:
    bool measured_ = false;
    double smoothed_ = 0;
    double deviation_ = 0;
};

} // namespace dorv
