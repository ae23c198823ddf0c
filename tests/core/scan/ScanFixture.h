#pragma once

#include "core/live/LiveFixture.h"

#include <deque>
#include <functional>

namespace dorv::test {

// One retune of the radio: a set-frequency frame and when the radio received it.
struct Step {
    double time = 0;
    Freq freq = 0;
};

// The link on to the in-process simulated radio, the scanning interval at 200 ms, the
// pause at 5 s and the meter at 500 ms. Actions can be scheduled on the virtual clock, so
// that they happen inside a scan step's waits, as clicks do.
class ScanFixture : public LiveFixture {
protected:
    static constexpr int kBand144 = 1; // the band table's 144 MHz entry
    static constexpr int kScan200ms = 5;
    static constexpr int kPause5s = 2;
    static constexpr int kPause3s = 3;
    static constexpr int kPauseOff = 4;

    explicit ScanFixture(ft897sim::Options options = {});

    // The link switched on with the main VFO at `main` on `band`.
    void powerOn(int band, VfoInfo main);
    // An FM memory on 144 MHz at `position`, counted as in use and in a selected bank.
    MemoryChannel &store(int position, Freq freq);
    // Runs `action` once, `seconds` from now on the virtual clock.
    void after(double seconds, std::function<void()> action);
    // Lets the clock run until `done` holds, at most `seconds`; false on timeout.
    bool runUntil(const std::function<bool()> &done, double seconds);
    // The set-frequency frames the radio received since the log was last cleared.
    std::vector<Step> steps() const;
    std::vector<Freq> stepFrequencies() const;
    // Frames other than set-frequency and RX status requests, received since `from`.
    std::vector<CatFrame> otherFramesSince(double from) const;

private:
    std::deque<Timer> actions_;
};

} // namespace dorv::test
