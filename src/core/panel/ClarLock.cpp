#include "panel/ClarLock.h"

#include "Radio.h"

namespace dorv {

// While the clarifier is on, MainVfo.Frequency is the receive frequency: it already
// includes the offset.
void ClarLock::CLARbutton_Click()
{
    RadioState &s = radio_.state;
    s.ClarOn = !s.ClarOn;
    radio_.panel.lblCLAR.Visible = s.ClarOn;
    radio_.enablement.ToggleFunctionButtons();
    // The channel knob is off while the clarifier is on.
    radio_.tuning.ChangeTuningKnob();
    s.MainVfo.Frequency += s.ClarOn ? s.MainVfo.ClarOffset : -s.MainVfo.ClarOffset;
    radio_.cat.SendFreqToRadioMB(s.MainVfo.Frequency);
    radio_.host.panelChanged();
}

void ClarLock::LOCKbutton_Click()
{
    radio_.panel.ledLOCK = !radio_.panel.ledLOCK;
    radio_.tuning.ChangeTuningKnob();
    radio_.host.panelChanged();
}

void ClarLock::DOPbutton_Click()
{
    radio_.keypad.DecimalKey();
}

} // namespace dorv
