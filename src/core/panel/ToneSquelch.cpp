#include "panel/ToneSquelch.h"

#include "cat/CatCommands.h"
#include "host/Host.h"
#include "model/RadioState.h"
#include "panel/Keypad.h"

namespace dorv {

namespace {
std::int16_t NextToneMode(std::int16_t toneMode)
{
    return static_cast<std::int16_t>((toneMode + 1) % kToneModeCount);
}
} // namespace

void ToneSquelch::TONEbutton_Click()
{
    if (keypad_.DigitButton(3)) {
        return;
    }
    RadioState &s = state_;
    if (s.SubActive) {
        // The radio operates the sub VFO while SUB is on, so the frame reaches it.
        if (s.SubVfo.Mode == ModeFM) {
            s.SubVfo.ToneMode = NextToneMode(s.SubVfo.ToneMode);
            cat_.ShowToneModeSB();
        }
    } else if (s.MainVfo.Mode == ModeFM) {
        s.MainVfo.ToneMode = NextToneMode(s.MainVfo.ToneMode);
        cat_.SendToneModeToRadioMB();
    }
    host_.panelChanged();
}

} // namespace dorv
