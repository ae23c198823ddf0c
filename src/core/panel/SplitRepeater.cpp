#include "panel/SplitRepeater.h"

#include "cat/CatCommands.h"
#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/BandCopies.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/Enablement.h"
#include "panel/Keypad.h"
#include "panel/Mck.h"
#include "panel/MemoryMode.h"
#include "panel/ScanRequests.h"
#include "panel/Tuning.h"
#include "panel/VfoOps.h"

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
    if (state_.SplitOn) {
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
    const CatLink::Sequence sequence{link_};
    meters_.TurnOffLMeter();
    if (state_.SplitOn) {
        splitOff(keepVfos);
    } else {
        splitOn();
    }
    meters_.TurnOnLMeter();
    switching_ = false;
    host_.panelChanged();
}

void SplitRepeater::splitOn()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    s.SplitOn = true;
    enablement_.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
    p.lblSPLIT.Visible = true;
    // A recalled HOME channel is not the band's VFO: the band table keeps the VFOs that
    // the recall saved, so that leaving the recall brings them back.
    if (!s.HomeActive && s.OperatingState == StateVFO) {
        vfo_.SaveInfoVFOSB();
        vfo_.SaveInfoVFOMB();
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
    vfo_.SendSubVfoOnOtherVfo();
    Pause(host_, kSplitCommandWaitSeconds);
    cat_.SplitOnToRadio();
}

void SplitRepeater::splitOff(bool keepVfos)
{
    RadioState &s = state_;
    PanelState &p = panel_;
    Pause(host_, kSplitCommandWaitSeconds);
    cat_.SplitOffToRadio();
    s.SplitOn = false;
    enablement_.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
    p.lblSPLIT.Visible = false;
    p.lblRXTX.Visible = false;
    p.lblTXRX.Visible = false;
    // Re-entering the state from the band table restores a direction other than split
    // and re-sends both VFOs in full. The VFOs go to the table first, so that neither
    // moves from where it was tuned during split.
    if (keepVfos) {
        keepVfosAsTuned();
    }
    vfo_.ResetLastInfoVFO();
    if (s.OperatingState == StateVFO) {
        vfo_.ChangeToVFOfunction();
    } else if (s.OperatingState == StateMR) {
        memory_.ChangeToMRfunction();
    } else if (s.OperatingState == StatePMS) {
        scanRequests_.reenterPms.Raise();
    }
}

// The main VFO leaves split with the direction its band entry kept from before split. A
// recalled HOME channel is never stored: leaving split ends the recall.
void SplitRepeater::keepVfosAsTuned()
{
    RadioState &s = state_;
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
        vfo_.SaveInfoVFOMB();
        vfo_.SaveInfoVFOSB();
    } else if (s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
}

void SplitRepeater::RPTbutton_Click()
{
    if (keypad_.DigitButton(1)) {
        return;
    }
    RadioState &s = state_;
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
    cat_.SendRptDirectionToRadio();
    host_.panelChanged();
}

void SplitRepeater::REVbutton_Click()
{
    if (keypad_.DigitButton(2)) {
        return;
    }
    RadioState &s = state_;
    VfoInfo &vfo = s.MainVfo;
    if (s.OperatingState == StateMR && s.MckOn) {
        mck_.DeleteCurrentMemory(); // REV during memory channel check deletes
        return;
    }
    const bool repeaterState = s.OperatingState == StateVFO || s.OperatingState == StateMR;
    if (repeaterState && (vfo.RptDirection == kRptMinus || vfo.RptDirection == kRptPlus)) {
        // The receive frequency moves onto the old transmit frequency and the shift turns
        // round, so a second REV undoes the first.
        vfo.Frequency += vfo.RptDirection == kRptPlus ? vfo.RptOffset : -vfo.RptOffset;
        cat_.SendFreqToRadioMB(vfo.Frequency);
        vfo.RptDirection = static_cast<std::int16_t>(-vfo.RptDirection);
        cat_.SendRptDirectionToRadio();
    } else {
        host_.messageBox("You must be in repeater mode before reversing can take place.", "Help",
                         MsgIcon::Exclamation, MsgButtons::Ok);
    }
    host_.panelChanged();
}

} // namespace dorv
