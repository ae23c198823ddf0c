#include "panel/ModeSelect.h"

#include "Radio.h"

namespace dorv {

void ModeSelect::ModeButton_Click(int Index)
{
    if (Index < 0 || Index >= kModeCount) {
        return;
    }
    RadioState &s = radio_.state;
    auto &subLabels = radio_.panel.lblSBmode;
    radio_.meters.TurnOffLMeter();
    if (s.SubActive) {
        // Undo a blink phase before the labels change, then tag the new one for blinking.
        for (auto &label : subLabels) {
            if (label.Tag == "ON") {
                label.Visible = true;
            }
        }
        s.SubVfo.Mode = static_cast<std::int16_t>(Index);
        radio_.cat.SendModeToRadioSB();
        for (auto &label : subLabels) {
            label.Tag = label.Visible ? "ON" : "OFF";
        }
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
