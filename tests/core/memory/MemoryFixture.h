#pragma once

#include "../functions/FunctionsFixture.h"
#include "../panel/PanelFixture.h"
#include "panel/KeyCodes.h"

#include <string>

namespace dorv::test {

// The live panel of FunctionsTest with a few memories and the MCK gestures.
class MemoryTest : public FunctionsTest {
protected:
    MemoryTest()
    {
        s.Settings.DialStep[1][ModeFM] = 100;     // 1 kHz
        s.Settings.ChannelStep[1][ModeFM] = 1250; // 12.5 kHz
    }

    // Puts a memory at `channel` (counted as in use) and returns it for more fields.
    MemoryChannel &store(int channel, Freq freq, std::int16_t mode = ModeFM, std::int16_t band = 1)
    {
        MemoryChannel &m = s.Memories[channel];
        if (!m.inUse()) {
            ++s.MemoryCount;
        }
        m.Vfo = {freq, mode};
        m.Band = band;
        return m;
    }

    // One channel knob gesture of `steps` steps (negative: down), released at the end.
    void turnChannelKnob(int steps)
    {
        radio.tuning.ChannelKnob_MouseDown();
        for (int i = 0; i < std::abs(steps); ++i) {
            radio.tuning.ChannelKnob_Change(p.ChannelKnob.Value + (steps < 0 ? -1 : 1));
        }
        radio.tuning.ChannelKnob_MouseUp();
    }

    // MCK held down for `seconds` on the virtual clock, then released.
    void pressMck(double seconds = 0.1)
    {
        radio.mck.MCKbutton_MouseDown();
        host.run(seconds);
        radio.mck.MCKbutton_MouseUp();
    }

    void enterMR()
    {
        radio.memory.VFOMRbutton_Click();
        ASSERT_EQ(s.OperatingState, StateMR);
        takeFrames();
    }

    // Index of the main mode label shown, -1 for none.
    int shownMainMode() const
    {
        for (int i = 0; i < kModeCount; ++i) {
            if (p.lblMBmode[i].Visible) {
                return i;
            }
        }
        return -1;
    }
};

} // namespace dorv::test
