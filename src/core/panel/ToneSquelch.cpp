#include "panel/ToneSquelch.h"

#include "Radio.h"

namespace dorv {

namespace {
std::int16_t NextToneMode(std::int16_t toneMode)
{
    return static_cast<std::int16_t>((toneMode + 1) % kToneModeCount);
}
} // namespace

void ToneSquelch::TONEbutton_Click()
{
    if (radio_.keypad.DigitButton(3)) {
        return;
    }
    RadioState &s = radio_.state;
    if (s.SubActive) {
        // The radio operates the sub VFO while SUB is on, so the frame reaches it.
        if (s.SubVfo.Mode == ModeFM) {
            s.SubVfo.ToneMode = NextToneMode(s.SubVfo.ToneMode);
            radio_.cat.ShowToneModeSB();
        }
    } else if (s.MainVfo.Mode == ModeFM) {
        s.MainVfo.ToneMode = NextToneMode(s.MainVfo.ToneMode);
        radio_.cat.SendToneModeToRadioMB();
    }
    radio_.host.panelChanged();
}

} // namespace dorv
