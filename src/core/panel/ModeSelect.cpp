#include "panel/ModeSelect.h"

#include "Radio.h"
#include "panel/SubModeBlink.h"

namespace dorv {

void ModeSelect::ModeButton_Click(int Index)
{
    if (Index < 0 || Index >= kModeCount) {
        return;
    }
    RadioState &s = radio_.state;
    radio_.meters.TurnOffLMeter();
    if (s.SubActive) {
        // Undo a blink phase before the labels change, then tag the new one for blinking.
        ShowTaggedSubModeLabels(radio_.panel);
        s.SubVfo.Mode = static_cast<std::int16_t>(Index);
        radio_.cat.SendModeToRadioSB();
        TagSubModeLabels(radio_.panel);
    } else {
        s.MainVfo.Mode = static_cast<std::int16_t>(Index);
        radio_.cat.SendModeToRadioMB();
        // The rule itself only shifts in FM inside the repeater sub-bands.
        if (s.Settings.Ars144 || s.Settings.Ars430) {
            radio_.cat.AutoRepeaterShift();
        }
    }
    radio_.meters.ReadRadioFreqMode();
    radio_.meters.TurnOnLMeter();
    radio_.host.panelChanged();
}

} // namespace dorv
