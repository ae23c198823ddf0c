#include "panel/ClarLock.h"

#include "cat/CatCommands.h"
#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/Enablement.h"
#include "panel/Keypad.h"
#include "panel/Tuning.h"

namespace dorv {

// While the clarifier is on, MainVfo.Frequency is the receive frequency: it already
// includes the offset.
void ClarLock::CLARbutton_Click()
{
    RadioState &s = state_;
    s.ClarOn = !s.ClarOn;
    panel_.lblCLAR.Visible = s.ClarOn;
    enablement_.ToggleFunctionButtons();
    // The channel knob is off while the clarifier is on.
    tuning_.ChangeTuningKnob();
    s.MainVfo.Frequency += s.ClarOn ? s.MainVfo.ClarOffset : -s.MainVfo.ClarOffset;
    cat_.SendFreqToRadioMB(s.MainVfo.Frequency);
    host_.panelChanged();
}

void ClarLock::LOCKbutton_Click()
{
    panel_.ledLOCK = !panel_.ledLOCK;
    tuning_.ChangeTuningKnob();
    host_.panelChanged();
}

void ClarLock::DOPbutton_Click()
{
    keypad_.DecimalKey();
}

} // namespace dorv
