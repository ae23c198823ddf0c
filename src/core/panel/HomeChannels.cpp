#include "panel/HomeChannels.h"

#include "host/Host.h"
#include "model/BandCopies.h"
#include "model/MemoryStore.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/ClarLock.h"
#include "panel/Mck.h"
#include "panel/MemoryMode.h"
#include "panel/ScanRequests.h"
#include "panel/SplitRepeater.h"
#include "panel/VfoOps.h"

namespace dorv {

namespace {
const char *const kNoHomeText =
    "You must save HOME information for the current band before you can recall it.";
constexpr char kHomeReadout = 'H'; // the channel readout during a recall
} // namespace

void HomeChannels::HOMEbutton_Click()
{
    const RadioState &s = state_;
    if (s.MckOn) {
        store();
    } else if (!s.HomeActive) {
        recall();
    } else {
        ReturnFromRecall();
    }
    host_.panelChanged();
}

// Description, skip and bank flags of the HOME channel are left as they were.
void HomeChannels::store()
{
    RadioState &s = state_;
    CopyVfosToChannel(s, s.HomeChannels[s.MainBand]);
    mck_.TurnOffMCK();
}

void HomeChannels::recall()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    VfoOps &vfo = vfo_;
    const MemoryChannel home = s.HomeChannels[s.MainBand];
    if (!home.inUse()) {
        host_.beep();
        host_.messageBox(kNoHomeText, "Help", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    // The priority monitor ends as its own button ends it: the operator's frequency, knobs
    // and meter come back first, so that is what the recall saves.
    if (s.PriOn) {
        scanRequests_.endPriorityMonitor.Raise();
    }
    s.HomeActive = true;
    if (s.OperatingState == StateVFO) {
        vfo.SaveInfoVFOMB();
        vfo.SaveInfoVFOSB();
    } else if (s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
    if (s.ClarOn) {
        clar_.CLARbutton_Click();
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
            split_.SPLITbutton_Click();
        }
    }
}

// VFO and MR states are re-entered, which ends the recall and a split it switched on.
// PMS ends the recall the same way before its own state is restored.
void HomeChannels::ReturnFromRecall()
{
    RadioState &s = state_;
    switch (s.OperatingState) {
    case StateMR:
        memory_.ChangeToMRfunction();
        break;
    case StatePMS:
        s.HomeActive = false;
        split_.SplitOffEndingRecall();
        panel_.ledMRnumberVisible = false;
        scanRequests_.reenterPms.Raise();
        break;
    default:
        vfo_.ChangeToVFOfunction();
        break;
    }
}

} // namespace dorv
