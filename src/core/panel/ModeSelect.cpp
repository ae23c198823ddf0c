#include "panel/ModeSelect.h"

#include "cat/CatCommands.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/SubModeBlink.h"

namespace dorv {

void ModeSelect::ModeButton_Click(int Index)
{
    if (Index < 0 || Index >= kModeCount) {
        return;
    }
    RadioState &s = state_;
    meters_.TurnOffLMeter();
    if (s.SubActive) {
        // Undo a blink phase before the labels change, then tag the new one for blinking.
        ShowTaggedSubModeLabels(panel_);
        s.SubVfo.Mode = static_cast<std::int16_t>(Index);
        cat_.SendModeToRadioSB();
        TagSubModeLabels(panel_);
    } else {
        s.MainVfo.Mode = static_cast<std::int16_t>(Index);
        cat_.SendModeToRadioMB();
        // The rule itself only shifts in FM inside the repeater sub-bands.
        if (s.Settings.Ars144 || s.Settings.Ars430) {
            cat_.AutoRepeaterShift();
        }
    }
    meters_.ReadRadioFreqMode();
    meters_.TurnOnLMeter();
    host_.panelChanged();
}

} // namespace dorv
