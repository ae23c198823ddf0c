#include "panel/VfoOps.h"

#include "cat/CatCommands.h"
#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/BandCopies.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/ClarLock.h"
#include "panel/Enablement.h"
#include "panel/SplitRepeater.h"
#include "panel/SubModeBlink.h"
#include "panel/Tuning.h"

namespace dorv {

namespace {

constexpr int kSubBlinkMs = 250;

void MarkNotSent(SentRecord &sent)
{
    sent.Mode = kNotSent;
    sent.RptDirection = kNotSent;
    sent.RptOffset = kNotSent;
    sent.ToneMode = kNotSent;
    sent.CtcssTone = kNotSent;
}

} // namespace

void VfoOps::GetLastVFOindices()
{
    RestoreBands(state_);
}

void VfoOps::GetInfoVFOMB()
{
    LoadMainVfo(state_);
}

void VfoOps::SaveInfoVFOMB()
{
    SaveMainVfo(state_);
}

void VfoOps::GetInfoVFOSB()
{
    LoadSubVfo(state_);
}

void VfoOps::SaveInfoVFOSB()
{
    SaveSubVfo(state_);
}

void VfoOps::SwapVFOMBSB()
{
    RadioState &s = state_;
    BandRecord &t = s.BandTable;
    // Each VFO moves onto the other's band and takes that band's repeater offset.
    const VfoInfo oldMain = t.BandMainVfo[s.MainBand];
    StoreKeepingOffset(t.BandMainVfo[s.SubBand], t.BandSubVfo[s.SubBand]);
    StoreKeepingOffset(t.BandSubVfo[s.MainBand], oldMain);
    t.LastMainBand = s.SubBand;
    t.LastSubBand = s.MainBand;
}

void VfoOps::ResetLastInfoVFO()
{
    // The DCS entries are kept: a DCS code is re-sent only when it differs.
    MarkNotSent(state_.SentMain);
    MarkNotSent(state_.SentSub);
}

void VfoOps::SendInfoToRadioVFOMB(Freq freq)
{
    const VfoInfo &v = state_.MainVfo;
    const SentRecord &sent = state_.SentMain;
    CatCommands &cat = cat_;
    if (v.Mode != sent.Mode) {
        cat.SendModeToRadioMB();
    }
    cat.SendFreqToRadioMB(freq);
    if (v.RptDirection != sent.RptDirection) {
        cat.SendRptDirectionToRadio();
    }
    if (v.RptOffset != sent.RptOffset) {
        cat.SendRptOffsetToRadio(v.RptOffset);
    }
    if (v.ToneMode != sent.ToneMode) {
        cat.SendToneModeToRadioMB();
    }
    if (v.CtcssTone != sent.CtcssTone) {
        cat.SendToneToRadioMB();
    }
    if (v.DcsCode != sent.DcsCode) {
        cat.SendDcsToRadioMB();
    }
}

void VfoOps::SendInfoToRadioVFOSB(Freq freq)
{
    // The radio has no repeater settings per VFO: the sub VFO's are never sent.
    const VfoInfo &v = state_.SubVfo;
    const SentRecord &sent = state_.SentSub;
    CatCommands &cat = cat_;
    if (v.Mode != sent.Mode) {
        cat.SendModeToRadioSB();
    }
    cat.SendFreqToRadioSB(freq);
    if (v.ToneMode != sent.ToneMode) {
        cat.ShowToneModeSB();
    }
    if (v.CtcssTone != sent.CtcssTone) {
        cat.SendToneToRadioSB();
    }
    if (v.DcsCode != sent.DcsCode) {
        cat.MarkDcsSentSB();
    }
}

void VfoOps::SendSubVfoOnOtherVfo()
{
    const CatLink::Sequence sequence{link_};
    cat_.ToggleVFOAB();
    SendInfoToRadioVFOSB(state_.SubVfo.Frequency);
    cat_.ToggleVFOAB();
}

void VfoOps::ABbutton_Click()
{
    RadioState &s = state_;
    SaveInfoVFOMB();
    SaveInfoVFOSB();
    s.BandTable.BandSubVfo[s.MainBand] = s.BandTable.BandMainVfo[s.MainBand];
    s.BandTable.LastSubBand = s.MainBand;
    s.SubBand = s.MainBand;
    GetInfoVFOSB();
    SendSubVfoOnOtherVfo();
}

void VfoOps::SWAPbutton_Click()
{
    RadioState &s = state_;
    if (s.OperatingState != StateVFO) {
        return;
    }
    SaveInfoVFOMB();
    SaveInfoVFOSB();
    SwapVFOMBSB();
    GetLastVFOindices();
    GetInfoVFOMB();
    GetInfoVFOSB();
    SendInfoToRadioVFOMB(s.MainVfo.Frequency);
    SendSubVfoOnOtherVfo();
    if (s.HomeActive) {
        ChangeToVFOfunction();
    }
}

void VfoOps::SUBbutton_Click()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    Timer &blink = enablement_.TimerDelay;
    s.SubActive = !s.SubActive;
    enablement_.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
    cat_.ToggleVFOAB();
    if (s.SubActive) {
        p.LEDsub = true;
        TagSubModeLabels(p);
        blink.setInterval(kSubBlinkMs);
        blink.setEnabled(true);
    } else {
        p.LEDsub = false;
        if (!s.MckOn) {
            blink.setEnabled(false);
        }
        ShowTaggedSubModeLabels(p);
    }
    host_.panelChanged();
}

void VfoOps::DisplayVFOInfo()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    p.lblCH.Visible = false;
    p.lblSKIP.Visible = false;
    if (!s.PriOn) {
        p.ledMRnumberVisible = false;
    }
    enablement_.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
    meters_.TurnOffLMeter();
    GetLastVFOindices();
    GetInfoVFOMB();
    GetInfoVFOSB();
    SendInfoToRadioVFOMB(s.MainVfo.Frequency);
    SendSubVfoOnOtherVfo();
    meters_.TurnOnLMeter();
    UseVfoLimits(s);
    host_.panelChanged();
}

void VfoOps::ChangeToVFOfunction()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    p.lblMemoryDesc.Visible = false;
    p.lblMT.Visible = false; // memory tune ends with memory mode
    if (s.HomeActive) {
        s.HomeActive = false;
        if (s.SplitOn) {
            split_.SplitOffEndingRecall();
            GetInfoVFOSB();
            SendSubVfoOnOtherVfo();
        }
        p.ledMRnumberVisible = false;
    }
    if (!s.SplitOn) {
        p.lblRXTX.Visible = false;
        p.lblTXRX.Visible = false;
    }
    if (s.ClarOn) {
        clar_.CLARbutton_Click();
    }
    if (s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
    s.OperatingState = StateVFO;
    DisplayVFOInfo();
    if (s.SplitAtRadio) {
        cat_.SplitOffToRadio();
    }
}

} // namespace dorv
