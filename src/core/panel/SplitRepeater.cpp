#include "panel/SplitRepeater.h"

#include "Radio.h"
#include "model/BandCopies.h"

namespace dorv {

namespace {
constexpr double kSplitCommandWaitSeconds = 0.2;
} // namespace

void SplitRepeater::SPLITbutton_Click()
{
    switchSplit(true);
}

void SplitRepeater::SplitOffEndingRecall()
{
    if (radio_.state.SplitOn) {
        switchSplit(false);
    }
}

// Switching waits on the radio for up to 0.7 s and is one sequence on the link: input that
// comes meanwhile runs after it. A call that still reaches the handler during the waits is
// dropped: run inside the switch, it would undo it halfway, and the radio's split and the
// panel's would end up apart.
void SplitRepeater::switchSplit(bool keepVfos)
{
    if (switching_) {
        return;
    }
    switching_ = true;
    const CatLink::Sequence sequence{radio_.link};
    radio_.meters.TurnOffLMeter();
    if (radio_.state.SplitOn) {
        splitOff(keepVfos);
    } else {
        splitOn();
    }
    radio_.meters.TurnOnLMeter();
    switching_ = false;
    radio_.host.panelChanged();
}

void SplitRepeater::splitOn()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    s.SplitOn = true;
    radio_.enablement.ToggleFunctionButtons();
    radio_.tuning.ChangeTuningKnob();
    p.lblSPLIT.Visible = true;
    // A recalled HOME channel is not the band's VFO: the band table keeps the VFOs that
    // the recall saved, so that leaving the recall brings them back.
    if (!s.HomeActive && s.OperatingState == StateVFO) {
        radio_.vfo.SaveInfoVFOSB();
        radio_.vfo.SaveInfoVFOMB();
    } else if (!s.HomeActive && s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
    // The radio's own split does the work: no repeater-direction command goes out.
    s.MainVfo.RptDirection = kRptSplit;
    s.SentMain.RptDirection = kRptSplit;
    p.ImgRPTdirection = {true, true};
    p.lblRXTX.Visible = true;
    p.lblTXRX.Visible = false;

    // The radio's other VFO takes the transmit frequency.
    radio_.vfo.SendSubVfoOnOtherVfo();
    Pause(radio_.host, kSplitCommandWaitSeconds);
    radio_.cat.SplitOnToRadio();
}

void SplitRepeater::splitOff(bool keepVfos)
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    Pause(radio_.host, kSplitCommandWaitSeconds);
    radio_.cat.SplitOffToRadio();
    s.SplitOn = false;
    radio_.enablement.ToggleFunctionButtons();
    radio_.tuning.ChangeTuningKnob();
    p.lblSPLIT.Visible = false;
    p.lblRXTX.Visible = false;
    p.lblTXRX.Visible = false;
    // Re-entering the state from the band table restores a direction other than split
    // and re-sends both VFOs in full. The VFOs go to the table first, so that neither
    // moves from where it was tuned during split.
    if (keepVfos) {
        keepVfosAsTuned();
    }
    radio_.vfo.ResetLastInfoVFO();
    if (s.OperatingState == StateVFO) {
        radio_.vfo.ChangeToVFOfunction();
    } else if (s.OperatingState == StateMR) {
        radio_.memory.ChangeToMRfunction();
    } else if (s.OperatingState == StatePMS) {
        radio_.pms.ChangeToPMSfunction();
    }
}

// The main VFO leaves split with the direction its band entry kept from before split. A
// recalled HOME channel is never stored: leaving split ends the recall.
void SplitRepeater::keepVfosAsTuned()
{
    RadioState &s = radio_.state;
    if (s.HomeActive) {
        return;
    }
    if (s.MainVfo.RptDirection == kRptSplit) {
        const BandRecord &t = s.BandTable;
        s.MainVfo.RptDirection = s.OperatingState == StatePMS
                                     ? t.BandPmsVfo[s.MainBand].RptDirection
                                     : t.BandMainVfo[s.MainBand].RptDirection;
    }
    if (s.OperatingState == StateVFO) {
        radio_.vfo.SaveInfoVFOMB();
        radio_.vfo.SaveInfoVFOSB();
    } else if (s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
}

void SplitRepeater::RPTbutton_Click()
{
    if (radio_.keypad.DigitButton(1)) {
        return;
    }
    RadioState &s = radio_.state;
    VfoInfo &vfo = s.MainVfo;
    if (s.SplitOn || vfo.RptDirection == kRptSplit || vfo.Mode != ModeFM) {
        return;
    }
    // Simplex, minus, plus, simplex.
    switch (vfo.RptDirection) {
    case kRptSimplex:
        vfo.RptDirection = kRptMinus;
        break;
    case kRptMinus:
        vfo.RptDirection = kRptPlus;
        break;
    default:
        vfo.RptDirection = kRptSimplex;
        break;
    }
    radio_.cat.SendRptDirectionToRadio();
    radio_.host.panelChanged();
}

void SplitRepeater::REVbutton_Click()
{
    if (radio_.keypad.DigitButton(2)) {
        return;
    }
    RadioState &s = radio_.state;
    VfoInfo &vfo = s.MainVfo;
    if (s.OperatingState == StateMR && s.MckOn) {
        radio_.mck.DeleteCurrentMemory(); // REV during memory channel check deletes
        return;
    }
    const bool repeaterState = s.OperatingState == StateVFO || s.OperatingState == StateMR;
    if (repeaterState && (vfo.RptDirection == kRptMinus || vfo.RptDirection == kRptPlus)) {
        // The receive frequency moves onto the old transmit frequency and the shift turns
        // round, so a second REV undoes the first.
        vfo.Frequency += vfo.RptDirection == kRptPlus ? vfo.RptOffset : -vfo.RptOffset;
        radio_.cat.SendFreqToRadioMB(vfo.Frequency);
        vfo.RptDirection = static_cast<std::int16_t>(-vfo.RptDirection);
        radio_.cat.SendRptDirectionToRadio();
    } else {
        radio_.host.messageBox("You must be in repeater mode before reversing can take place.",
                               "Help", MsgIcon::Exclamation, MsgButtons::Ok);
    }
    radio_.host.panelChanged();
}

} // namespace dorv
