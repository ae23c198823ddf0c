#include "panel/Transmit.h"

#include "cat/CatCommands.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/ReadoutFormat.h"
#include "panel/Enablement.h"
#include "panel/ScanRequests.h"
#include "panel/Tuning.h"

#include <string>

namespace dorv {

namespace {
const char *const kOutsideBandLimit =
    "The transmit frequency is outside the current band limit. This may be due to the PMS "
    "frequency limits. Please adjust your offset, the frequency, or your PMS limits.";

std::string TimeOutMessage(int minutes)
{
    return "The transmit time-out has switched the transmitter back to receive after " +
           std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes") +
           " on the air. The time-out can be changed or switched off under Settings > "
           "Transmit Time-out.";
}
} // namespace

Transmit::Transmit(Host &host, RadioState &state, PanelState &panel, CatCommands &cat,
                   Meters &meters, Enablement &enablement, Tuning &tuning,
                   ScanRequests &scanRequests)
    : host_(host), state_(state), panel_(panel), cat_(cat), meters_(meters),
      enablement_(enablement), tuning_(tuning), scanRequests_(scanRequests)
{
    SetTimeOut(kDefaultTimeOut);
    TimerTxTimeOut.setTickHandler([this] { TimerTxTimeOut_Timer(); });
    host_.attachTimer(TimerTxTimeOut);
}

bool Transmit::onAir() const
{
    return panel_.lblOnAir.Visible;
}

void Transmit::MOXbutton_Click()
{
    if (!onAir()) {
        Hold(kMoxButtonHolder);
        return;
    }
    stopTransmitting();
    host_.panelChanged();
}

bool Transmit::Hold(PttHolder holder)
{
    // The menu lock keeps others from keying up; it never keeps a transmission going.
    if (!onAir() && !state_.MenusLocked) {
        startTransmitting();
    }
    if (onAir()) {
        holders_.insert(holder);
    }
    host_.panelChanged();
    return onAir();
}

void Transmit::LetGo(PttHolder holder)
{
    if (holders_.erase(holder) == 1 && holders_.empty() && onAir()) {
        stopTransmitting();
        host_.panelChanged();
    }
}

void Transmit::SetTimeOut(int minutes)
{
    TimerTxTimeOut.setInterval(minutes * kMsPerMinute);
}

void Transmit::TimerTxTimeOut_Timer()
{
    const int minutes = TimeOut();
    stopTransmitting();
    host_.panelChanged();
    host_.messageBox(TimeOutMessage(minutes), "Transmit Time-out", MsgIcon::Exclamation,
                     MsgButtons::Ok);
}

bool Transmit::insideBandLimits(Freq transmitFreq) const
{
    const RadioState &s = state_;
    return transmitFreq >= s.BandTable.TuneLower[s.MainBand] &&
           transmitFreq < s.BandTable.TuneUpper[s.MainBand];
}

Freq Transmit::unclarifiedFreq() const
{
    const RadioState &s = state_;
    return s.ClarOn ? s.MainVfo.Frequency - s.MainVfo.ClarOffset : s.MainVfo.Frequency;
}

bool Transmit::MayStartTransmitting() const
{
    const RadioState &s = state_;
    const int direction = s.MainVfo.RptDirection;
    if (s.MenusLocked || s.PriOn) {
        return false;
    }
    return (direction != kRptMinus && direction != kRptPlus) ||
           insideBandLimits(unclarifiedFreq() + direction * s.MainVfo.RptOffset);
}

void Transmit::startTransmitting()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    // The priority monitor retunes the radio on its own: MOX ends it and does not key up.
    if (s.PriOn) {
        scanRequests_.endPriorityMonitor.Raise();
        return;
    }
    meters_.TurnOffLMeter();

    const VfoInfo &vfo = s.MainVfo;
    const int direction = vfo.RptDirection;
    const Freq unclarified = unclarifiedFreq();
    if (direction == kRptMinus || direction == kRptPlus) {
        const Freq transmitFreq = unclarified + direction * vfo.RptOffset;
        // Checked before anything is sent, so a refusal leaves the radio as it was.
        if (!insideBandLimits(transmitFreq)) {
            host_.messageBox(kOutsideBandLimit, "Help", MsgIcon::Exclamation, MsgButtons::Ok);
            meters_.TurnOnLMeter();
            return;
        }
        if (s.ClarOn) {
            cat_.SendFreqToRadioMB(unclarified);
        }
        // The radio applies the shift from the offset and direction it already holds:
        // the shifted frequency is shown, not sent.
        p.ledFreq = FormatFrequency(transmitFreq);
    } else if (!s.SplitOn && direction != kRptSplit && s.ClarOn) {
        cat_.SendFreqToRadioMB(unclarified);
    }

    // Shown before the controls are re-evaluated, so that they lock for the transmission.
    p.lblOnAir.Visible = true;
    tuning_.ChangeTuningKnob();
    enablement_.ToggleFunctionButtons();
    cat_.SetPTT(true);
    meters_.TimerPowerMeter.setEnabled(true);
    TimerTxTimeOut.setEnabled(true);
}

void Transmit::stopTransmitting()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    holders_.clear();
    TimerTxTimeOut.setEnabled(false);
    p.lblOnAir.Visible = false;
    meters_.TimerPowerMeter.setEnabled(false);
    p.LMeter[0].End = 0;
    p.LMeter[1].End = 0;
    p.LMeter[2].End = 0;
    cat_.SetPTT(false);
    tuning_.ChangeTuningKnob();
    enablement_.ToggleFunctionButtons();

    if (s.ClarOn) {
        cat_.SendFreqToRadioMB(s.MainVfo.Frequency);
    } else if (!s.SplitOn && s.MainVfo.RptDirection != kRptSplit) {
        p.ledFreq = FormatFrequency(s.MainVfo.Frequency);
    }
    meters_.TurnOnLMeter();
}

} // namespace dorv
