#include "panel/HomeChannels.h"

#include "Radio.h"
#include "model/BandCopies.h"
#include "model/MemoryStore.h"

namespace dorv {

namespace {
const char *const kNoHomeText =
    "You must save HOME information for the current band before you can recall it.";
constexpr char kHomeReadout = 'H'; // the channel readout during a recall
} // namespace

void HomeChannels::HOMEbutton_Click()
{
    const RadioState &s = radio_.state;
    if (s.MckOn) {
        store();
    } else if (!s.HomeActive) {
        recall();
    } else {
        ReturnFromRecall();
    }
    radio_.host.panelChanged();
}

// Description, skip and bank flags of the HOME channel are left as they were.
void HomeChannels::store()
{
    RadioState &s = radio_.state;
    CopyVfosToChannel(s, s.HomeChannels[s.MainBand]);
    radio_.mck.TurnOffMCK();
}

void HomeChannels::recall()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    VfoOps &vfo = radio_.vfo;
    const MemoryChannel home = s.HomeChannels[s.MainBand];
    if (!home.inUse()) {
        radio_.host.beep();
        radio_.host.messageBox(kNoHomeText, "Help", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    // The priority monitor ends as its own button ends it: the operator's frequency, knobs
    // and meter come back first, so that is what the recall saves.
    if (s.PriOn) {
        radio_.pri.EndPriorityMonitor();
    }
    s.HomeActive = true;
    if (s.OperatingState == StateVFO) {
        vfo.SaveInfoVFOMB();
        vfo.SaveInfoVFOSB();
    } else if (s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
    if (s.ClarOn) {
        radio_.clar.CLARbutton_Click();
    }
    p.ledMRnumber.assign(1, kHomeReadout);
    p.ledMRnumberVisible = true;
    s.MainVfo = home.Vfo;
    s.MainBand = home.Band;
    vfo.SendInfoToRadioVFOMB(s.MainVfo.Frequency);
    if (home.Split) {
        s.SubVfo = home.SplitVfo;
        s.SubBand = home.SplitBand;
        vfo.SendSubVfoOnOtherVfo();
        if (!s.SplitOn) {
            radio_.split.SPLITbutton_Click();
        }
    }
}

// VFO and MR states are re-entered, which ends the recall and a split it switched on.
// PMS ends the recall the same way before its own state is restored.
void HomeChannels::ReturnFromRecall()
{
    RadioState &s = radio_.state;
    switch (s.OperatingState) {
    case StateMR:
        radio_.memory.ChangeToMRfunction();
        break;
    case StatePMS:
        s.HomeActive = false;
        radio_.split.SplitOffEndingRecall();
        radio_.panel.ledMRnumberVisible = false;
        radio_.pms.ChangeToPMSfunction();
        break;
    default:
        radio_.vfo.ChangeToVFOfunction();
        break;
    }
}

} // namespace dorv
