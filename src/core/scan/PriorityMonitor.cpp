#include "scan/PriorityMonitor.h"

#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/Enablement.h"
#include "panel/HomeChannels.h"
#include "panel/Keypad.h"
#include "panel/MemoryMode.h"
#include "panel/ScanRequests.h"
#include "panel/Tuning.h"
#include "panel/VfoOps.h"
#include "scan/Pms.h"
#include "scan/ScanCheck.h"
#include "scan/SweepGuard.h"

namespace dorv {

namespace {

constexpr int kPriDigit = 5;
constexpr int kStartIntervalMs = 5000;

const char *const kIntervalOffText =
    "The priority monitor interval under the Settings Menu has been turned off. You must "
    "select a priority monitor interval before monitoring can take place.";
const char *const kChannelZeroEmptyText =
    "You must save frequency information in memory channel 0 before selecting the Priority "
    "(PRI) function.";

} // namespace

PriorityMonitor::PriorityMonitor(Host &host, RadioState &state, PanelState &panel, CatLink &link,
                                 Meters &meters, ScanCheck &scanCheck, VfoOps &vfo,
                                 Enablement &enablement, Tuning &tuning, Keypad &keypad,
                                 MemoryMode &memory, HomeChannels &home, Pms &pms,
                                 ScanRequests &scanRequests)
    : host_(host), state_(state), panel_(panel), link_(link), meters_(meters),
      scanCheck_(scanCheck), vfo_(vfo), enablement_(enablement), tuning_(tuning), keypad_(keypad),
      memory_(memory), home_(home), pms_(pms)
{
    scanRequests.endPriorityMonitor.Subscribe([this] { EndPriorityMonitor(); });
    TimerPriorityMonitor.setInterval(kStartIntervalMs);
    TimerPriorityMonitor.setTickHandler([this] { TimerPriorityMonitor_Timer(); });
    link_.AttachTimer(TimerPriorityMonitor);
}

void PriorityMonitor::PRIbutton_Click()
{
    if (keypad_.DigitButton(kPriDigit)) {
        return;
    }
    if (state_.PriOn) {
        EndPriorityMonitor();
    } else {
        Start();
    }
    host_.panelChanged();
}

void PriorityMonitor::Start()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    if (TimerPriorityMonitor.interval() == 0) {
        host_.messageBox(kIntervalOffText, "Priority Monitor Interval OFF", MsgIcon::Exclamation,
                         MsgButtons::Ok);
        return;
    }
    if (!s.Memories[0].inUse()) {
        host_.beep();
        host_.messageBox(kChannelZeroEmptyText, "Help", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (RefusedWhileSweeping(state_, host_)) {
        return;
    }
    // A recalled HOME channel is not the operator's VFO: the recall ends before the
    // monitor saves what it returns to.
    if (s.HomeActive) {
        home_.ReturnFromRecall();
    }
    ++run_;
    checking_ = false;
    s.PriOn = true;
    s.ScanDirection = 1;
    if (s.OperatingState == StateVFO) {
        vfo_.SaveInfoVFOMB();
        vfo_.SaveInfoVFOSB();
    } else if (s.OperatingState == StatePMS) {
        pms_.SavePMSInfo();
    }
    p.ledMRnumber = "Pr";
    p.ledMRnumberVisible = true;
    p.lblCH.Visible = false;
    enablement_.ToggleFunctionButtons();
    TimerPriorityMonitor.setEnabled(true);
}

// The position a check moved away from is restored only when a check is under way:
// between checks CurrentMemory is already the operator's.
void PriorityMonitor::EndPriorityMonitor()
{
    RadioState &s = state_;
    ++run_;
    s.ScanDirection = 0;
    s.PriOn = false;
    TimerPriorityMonitor.setEnabled(false);
    switch (s.OperatingState) {
    case StateMR:
        if (checking_) {
            s.CurrentMemory = s.SavedMemory;
        }
        memory_.ChangeToMRfunction();
        break;
    case StateVFO:
        vfo_.ChangeToVFOfunction();
        break;
    case StatePMS:
        pms_.ChangeToPMSfunction();
        break;
    default:
        break;
    }
    checking_ = false;
    tuning_.ChangeTuningKnob();
    meters_.TurnOnLMeter();
    host_.panelChanged();
}

void PriorityMonitor::SetTuningDuringCheck(bool enabled)
{
    PanelState &p = panel_;
    if (enabled) {
        tuning_.ChangeTuningKnob();
        return;
    }
    // The jog buttons tune the main VFO as the main dial does: both wait for the check.
    p.MainKnob.Enabled = false;
    p.ChannelKnob.Enabled = false;
    p.btnJogDown.Enabled = false;
    p.btnJogUp.Enabled = false;
}

void PriorityMonitor::TimerPriorityMonitor_Timer()
{
    RadioState &s = state_;
    meters_.TurnOffLMeter();
    TimerPriorityMonitor.setEnabled(false);
    SetTuningDuringCheck(false);
    if (s.OperatingState == StateVFO) {
        vfo_.SaveInfoVFOMB();
        vfo_.SaveInfoVFOSB();
    } else if (s.OperatingState == StatePMS) {
        pms_.SavePMSInfo();
    }
    s.SavedMemory = s.CurrentMemory;
    checking_ = true;
    const unsigned run = run_;
    // From position 1 the previous memory in use is channel 0: loaded and sent.
    s.CurrentMemory = 1;
    memory_.ChangeMemory(-1);
    if (run != run_) {
        return; // ended while channel 0 was being sent: the ending restored the panel
    }
    panel_.lblCH.Visible = true;
    host_.panelChanged();
    if (!ListenOnChannelZero()) {
        return;
    }
    checking_ = false;
    ReturnToOperator();
    panel_.ledMRnumber = "Pr";
    TimerPriorityMonitor.setEnabled(true);
    SetTuningDuringCheck(true);
    meters_.TurnOnLMeter();
    host_.panelChanged();
}

bool PriorityMonitor::ListenOnChannelZero()
{
    RadioState &s = state_;
    const unsigned run = run_;
    // A jog between checks may have moved the shared direction: the listening owns it now.
    s.ScanDirection = 1;
    bool MoveOn = false;
    bool SendRequest = true;
    const auto monitoring = [&] { return run == run_ && s.PriOn; };
    while (monitoring() && !MoveOn) {
        link_.AwaitEvent();
        if (monitoring()) {
            scanCheck_.ReadRxStatusMR(MoveOn, SendRequest);
        }
    }
    return monitoring();
}

void PriorityMonitor::ReturnToOperator()
{
    RadioState &s = state_;
    switch (s.OperatingState) {
    case StateVFO:
        vfo_.DisplayVFOInfo();
        break;
    case StatePMS:
        pms_.ChangeToPMSfunction();
        break;
    case StateMR:
        // Back to the saved position, or to the next memory in use after it.
        s.CurrentMemory = s.SavedMemory - 1;
        memory_.ChangeMemory(1);
        panel_.lblCH.Visible = false;
        // The check's hold hid channel 0's description; memory state shows the memory's.
        panel_.lblMemoryDesc.Visible = true;
        break;
    default:
        break;
    }
}

} // namespace dorv
