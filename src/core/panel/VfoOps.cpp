#include "panel/VfoOps.h"

#include "Radio.h"
#include "model/BandCopies.h"
#include "panel/SubModeBlink.h"

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
    RestoreBands(radio_.state);
}

void VfoOps::GetInfoVFOMB()
{
    LoadMainVfo(radio_.state);
}

void VfoOps::SaveInfoVFOMB()
{
    SaveMainVfo(radio_.state);
}

void VfoOps::GetInfoVFOSB()
{
    LoadSubVfo(radio_.state);
}

void VfoOps::SaveInfoVFOSB()
{
    SaveSubVfo(radio_.state);
}

void VfoOps::SwapVFOMBSB()
{
    RadioState &s = radio_.state;
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
    MarkNotSent(radio_.state.SentMain);
    MarkNotSent(radio_.state.SentSub);
}

void VfoOps::SendInfoToRadioVFOMB(Freq freq)
{
    const VfoInfo &v = radio_.state.MainVfo;
    const SentRecord &sent = radio_.state.SentMain;
    CatCommands &cat = radio_.cat;
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
    const VfoInfo &v = radio_.state.SubVfo;
    const SentRecord &sent = radio_.state.SentSub;
    CatCommands &cat = radio_.cat;
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
    const CatLink::Sequence sequence{radio_.link};
    radio_.cat.ToggleVFOAB();
    SendInfoToRadioVFOSB(radio_.state.SubVfo.Frequency);
    radio_.cat.ToggleVFOAB();
}

void VfoOps::ABbutton_Click()
{
    RadioState &s = radio_.state;
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
    RadioState &s = radio_.state;
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
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    Timer &blink = radio_.enablement.TimerDelay;
    s.SubActive = !s.SubActive;
    radio_.enablement.ToggleFunctionButtons();
    radio_.tuning.ChangeTuningKnob();
    radio_.cat.ToggleVFOAB();
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
    radio_.host.panelChanged();
}

void VfoOps::DisplayVFOInfo()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    p.lblCH.Visible = false;
    p.lblSKIP.Visible = false;
    if (!s.PriOn) {
        p.ledMRnumberVisible = false;
    }
    radio_.enablement.ToggleFunctionButtons();
    radio_.tuning.ChangeTuningKnob();
    radio_.meters.TurnOffLMeter();
    GetLastVFOindices();
    GetInfoVFOMB();
    GetInfoVFOSB();
    SendInfoToRadioVFOMB(s.MainVfo.Frequency);
    SendSubVfoOnOtherVfo();
    radio_.meters.TurnOnLMeter();
    UseVfoLimits(s);
    radio_.host.panelChanged();
}

void VfoOps::ChangeToVFOfunction()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    p.lblMemoryDesc.Visible = false;
    p.lblMT.Visible = false; // memory tune ends with memory mode
    if (s.HomeActive) {
        s.HomeActive = false;
        if (s.SplitOn) {
            radio_.split.SplitOffEndingRecall();
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
        radio_.clar.CLARbutton_Click();
    }
    if (s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
    s.OperatingState = StateVFO;
    DisplayVFOInfo();
    if (s.SplitAtRadio) {
        radio_.cat.SplitOffToRadio();
    }
}

} // namespace dorv
