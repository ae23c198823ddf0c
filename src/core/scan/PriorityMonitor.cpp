#include "scan/PriorityMonitor.h"

#include "Radio.h"
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

PriorityMonitor::PriorityMonitor(Radio &radio) : radio_(radio)
{
    TimerPriorityMonitor.setInterval(kStartIntervalMs);
    TimerPriorityMonitor.setTickHandler([this] { TimerPriorityMonitor_Timer(); });
    radio_.link.AttachTimer(TimerPriorityMonitor);
}

void PriorityMonitor::PRIbutton_Click()
{
    if (radio_.keypad.DigitButton(kPriDigit)) {
        return;
    }
    if (radio_.state.PriOn) {
        EndPriorityMonitor();
    } else {
        Start();
    }
    radio_.host.panelChanged();
}

void PriorityMonitor::Start()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    if (TimerPriorityMonitor.interval() == 0) {
        radio_.host.messageBox(kIntervalOffText, "Priority Monitor Interval OFF",
                               MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (!s.Memories[0].inUse()) {
        radio_.host.beep();
        radio_.host.messageBox(kChannelZeroEmptyText, "Help", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (RefusedWhileSweeping(radio_)) {
        return;
    }
    // A recalled HOME channel is not the operator's VFO: the recall ends before the
    // monitor saves what it returns to.
    if (s.HomeActive) {
        radio_.home.ReturnFromRecall();
    }
    ++run_;
    checking_ = false;
    s.PriOn = true;
    s.ScanDirection = 1;
    if (s.OperatingState == StateVFO) {
        radio_.vfo.SaveInfoVFOMB();
        radio_.vfo.SaveInfoVFOSB();
    } else if (s.OperatingState == StatePMS) {
        radio_.pms.SavePMSInfo();
    }
    p.ledMRnumber = "Pr";
    p.ledMRnumberVisible = true;
    p.lblCH.Visible = false;
    radio_.enablement.ToggleFunctionButtons();
    TimerPriorityMonitor.setEnabled(true);
}

// The position a check moved away from is restored only when a check is under way:
// between checks CurrentMemory is already the operator's.
void PriorityMonitor::EndPriorityMonitor()
{
    RadioState &s = radio_.state;
    ++run_;
    s.ScanDirection = 0;
    s.PriOn = false;
    TimerPriorityMonitor.setEnabled(false);
    switch (s.OperatingState) {
    case StateMR:
        if (checking_) {
            s.CurrentMemory = s.SavedMemory;
        }
        radio_.memory.ChangeToMRfunction();
        break;
    case StateVFO:
        radio_.vfo.ChangeToVFOfunction();
        break;
    case StatePMS:
        radio_.pms.ChangeToPMSfunction();
        break;
    default:
        break;
    }
    checking_ = false;
    radio_.tuning.ChangeTuningKnob();
    radio_.meters.TurnOnLMeter();
    radio_.host.panelChanged();
}

void PriorityMonitor::SetTuningDuringCheck(bool enabled)
{
    PanelState &p = radio_.panel;
    if (enabled) {
        radio_.tuning.ChangeTuningKnob();
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
    RadioState &s = radio_.state;
    radio_.meters.TurnOffLMeter();
    TimerPriorityMonitor.setEnabled(false);
    SetTuningDuringCheck(false);
    if (s.OperatingState == StateVFO) {
        radio_.vfo.SaveInfoVFOMB();
        radio_.vfo.SaveInfoVFOSB();
    } else if (s.OperatingState == StatePMS) {
        radio_.pms.SavePMSInfo();
    }
    s.SavedMemory = s.CurrentMemory;
    checking_ = true;
    const unsigned run = run_;
    // From position 1 the previous memory in use is channel 0: loaded and sent.
    s.CurrentMemory = 1;
    radio_.memory.ChangeMemory(-1);
    if (run != run_) {
        return; // ended while channel 0 was being sent: the ending restored the panel
    }
    radio_.panel.lblCH.Visible = true;
    radio_.host.panelChanged();
    if (!ListenOnChannelZero()) {
        return;
    }
    checking_ = false;
    ReturnToOperator();
    radio_.panel.ledMRnumber = "Pr";
    TimerPriorityMonitor.setEnabled(true);
    SetTuningDuringCheck(true);
    radio_.meters.TurnOnLMeter();
    radio_.host.panelChanged();
}

bool PriorityMonitor::ListenOnChannelZero()
{
    RadioState &s = radio_.state;
    const unsigned run = run_;
    // A jog between checks may have moved the shared direction: the listening owns it now.
    s.ScanDirection = 1;
    bool MoveOn = false;
    bool SendRequest = true;
    const auto monitoring = [&] { return run == run_ && s.PriOn; };
    while (monitoring() && !MoveOn) {
        radio_.host.yield();
        if (monitoring()) {
            radio_.meters.ReadRxStatusMR(MoveOn, SendRequest);
        }
    }
    return monitoring();
}

void PriorityMonitor::ReturnToOperator()
{
    RadioState &s = radio_.state;
    switch (s.OperatingState) {
    case StateVFO:
        radio_.vfo.DisplayVFOInfo();
        break;
    case StatePMS:
        radio_.pms.ChangeToPMSfunction();
        break;
    case StateMR:
        // Back to the saved position, or to the next memory in use after it.
        s.CurrentMemory = s.SavedMemory - 1;
        radio_.memory.ChangeMemory(1);
        radio_.panel.lblCH.Visible = false;
        // The check's hold hid channel 0's description; memory state shows the memory's.
        radio_.panel.lblMemoryDesc.Visible = true;
        break;
    default:
        break;
    }
}

} // namespace dorv
