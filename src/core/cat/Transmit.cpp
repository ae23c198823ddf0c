#include "cat/Transmit.h"

#include "Radio.h"
#include "panel/ReadoutFormat.h"

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

Transmit::Transmit(Radio &radio) : radio_(radio)
{
    SetTimeOut(kDefaultTimeOut);
    TimerTxTimeOut.setTickHandler([this] { TimerTxTimeOut_Timer(); });
    radio_.host.attachTimer(TimerTxTimeOut);
}

bool Transmit::onAir() const
{
    return radio_.panel.lblOnAir.Visible;
}

void Transmit::MOXbutton_Click()
{
    if (!onAir()) {
        Hold(kMoxButtonHolder);
        return;
    }
    stopTransmitting();
    radio_.host.panelChanged();
}

bool Transmit::Hold(PttHolder holder)
{
    // The menu lock keeps others from keying up; it never keeps a transmission going.
    if (!onAir() && !radio_.state.MenusLocked) {
        startTransmitting();
    }
    if (onAir()) {
        holders_.insert(holder);
    }
    radio_.host.panelChanged();
    return onAir();
}

void Transmit::LetGo(PttHolder holder)
{
    if (holders_.erase(holder) == 1 && holders_.empty() && onAir()) {
        stopTransmitting();
        radio_.host.panelChanged();
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
    radio_.host.panelChanged();
    radio_.host.messageBox(TimeOutMessage(minutes), "Transmit Time-out", MsgIcon::Exclamation,
                           MsgButtons::Ok);
}

bool Transmit::insideBandLimits(Freq transmitFreq) const
{
    const RadioState &s = radio_.state;
    return transmitFreq >= s.BandTable.TuneLower[s.MainBand] &&
           transmitFreq < s.BandTable.TuneUpper[s.MainBand];
}

Freq Transmit::unclarifiedFreq() const
{
    const RadioState &s = radio_.state;
    return s.ClarOn ? s.MainVfo.Frequency - s.MainVfo.ClarOffset : s.MainVfo.Frequency;
}

bool Transmit::MayStartTransmitting() const
{
    const RadioState &s = radio_.state;
    const int direction = s.MainVfo.RptDirection;
    if (s.MenusLocked || s.PriOn) {
        return false;
    }
    return (direction != kRptMinus && direction != kRptPlus) ||
           insideBandLimits(unclarifiedFreq() + direction * s.MainVfo.RptOffset);
}

void Transmit::startTransmitting()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    // The priority monitor retunes the radio on its own: MOX ends it and does not key up.
    if (s.PriOn) {
        radio_.pri.EndPriorityMonitor();
        return;
    }
    radio_.meters.TurnOffLMeter();

    const VfoInfo &vfo = s.MainVfo;
    const int direction = vfo.RptDirection;
    const Freq unclarified = unclarifiedFreq();
    if (direction == kRptMinus || direction == kRptPlus) {
        const Freq transmitFreq = unclarified + direction * vfo.RptOffset;
        // Checked before anything is sent, so a refusal leaves the radio as it was.
        if (!insideBandLimits(transmitFreq)) {
            radio_.host.messageBox(kOutsideBandLimit, "Help", MsgIcon::Exclamation, MsgButtons::Ok);
            radio_.meters.TurnOnLMeter();
            return;
        }
        if (s.ClarOn) {
            radio_.cat.SendFreqToRadioMB(unclarified);
        }
        // The radio applies the shift from the offset and direction it already holds:
        // the shifted frequency is shown, not sent.
        p.ledFreq = FormatFrequency(transmitFreq);
    } else if (!s.SplitOn && direction != kRptSplit && s.ClarOn) {
        radio_.cat.SendFreqToRadioMB(unclarified);
    }

    // Shown before the controls are re-evaluated, so that they lock for the transmission.
    p.lblOnAir.Visible = true;
    radio_.tuning.ChangeTuningKnob();
    radio_.enablement.ToggleFunctionButtons();
    radio_.cat.SetPTT(true);
    radio_.meters.TimerPowerMeter.setEnabled(true);
    TimerTxTimeOut.setEnabled(true);
}

void Transmit::stopTransmitting()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    holders_.clear();
    TimerTxTimeOut.setEnabled(false);
    p.lblOnAir.Visible = false;
    radio_.meters.TimerPowerMeter.setEnabled(false);
    p.LMeter[0].End = 0;
    p.LMeter[1].End = 0;
    p.LMeter[2].End = 0;
    radio_.cat.SetPTT(false);
    radio_.tuning.ChangeTuningKnob();
    radio_.enablement.ToggleFunctionButtons();

    if (s.ClarOn) {
        radio_.cat.SendFreqToRadioMB(s.MainVfo.Frequency);
    } else if (!s.SplitOn && s.MainVfo.RptDirection != kRptSplit) {
        p.ledFreq = FormatFrequency(s.MainVfo.Frequency);
    }
    radio_.meters.TurnOnLMeter();
}

} // namespace dorv
