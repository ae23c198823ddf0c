#pragma once

#include "model/BandCopies.h"
#include "model/StepDefaults.h"
#include "model/files/BandDefaults.h"
#include "support/RecordingRadio.h"

#include <gtest/gtest.h>

namespace dorv::test {

// Frequencies of the set-frequency frames among the frames, in order.
inline std::vector<Freq> SetFrequencies(const std::vector<CatFrame> &frames)
{
    std::vector<Freq> out;
    for (const CatFrame &f : frames) {
        if (f[4] == Opcode::SetFrequency) {
            out.push_back(*DecodeFrequency(f.data()));
        }
    }
    return out;
}

// A radio with the link on in VFO state, the built-in band table and step tables, over a
// recording port on the virtual clock.
class PanelFixture : public ::testing::Test, protected RecordingRadio {
protected:
    PanelFixture()
    {
        port.clock = [this] { return host.now(); };
        linkOnInVfoState();
    }

    // Frequencies of the set-frequency frames written so far, in order.
    std::vector<Freq> sentFrequencies() const { return SetFrequencies(port.frames()); }

    // Times of the set-frequency frames written so far.
    std::vector<double> sendTimes() const
    {
        std::vector<double> out;
        const std::vector<CatFrame> frames = port.frames();
        for (std::size_t i = 0; i < frames.size(); ++i) {
            if (frames[i][4] == Opcode::SetFrequency) {
                out.push_back(port.writeTimes[i]);
            }
        }
        return out;
    }

    void tuneMain(int band, Freq freq, Freq lower, Freq upper)
    {
        s.MainBand = static_cast<std::int16_t>(band);
        s.MainVfo.Frequency = freq;
        s.BandTable.TuneLower[band] = lower;
        s.BandTable.TuneUpper[band] = upper;
    }
};

} // namespace dorv::test
