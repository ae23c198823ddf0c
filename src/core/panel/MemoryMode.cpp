#include "panel/MemoryMode.h"

#include "Radio.h"
#include "model/BandCopies.h"
#include "model/CodeTables.h"
#include "model/DescriptionText.h"
#include "model/MemoryStore.h"
#include "panel/ReadoutFormat.h"

namespace dorv {

namespace {

const char *const kNoMemoriesText =
    "You must either open a memory (*.MEM) file containing saved frequency information, or "
    "save some frequency information to memory before selecting the MR function.";

// A memory with a repeater shift keeps its own offset, as a radio's memories do; one
// stored without an offset, or without a shift, takes its band's.
Freq RecalledOffset(const RadioState &s, const MemoryChannel &m)
{
    const bool shifted = m.Vfo.RptDirection == kRptMinus || m.Vfo.RptDirection == kRptPlus;
    if (shifted && m.Vfo.RptOffset != 0) {
        return m.Vfo.RptOffset;
    }
    return s.BandTable.BandMainVfo[m.Band].RptOffset;
}

} // namespace

void MemoryMode::VFOMRbutton_Click()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    if (s.PriOn) {
        // VFO/M ends the priority monitor and goes back to what it interrupted.
        radio_.pri.EndPriorityMonitor();
    } else if (s.OperatingState == StatePMS) {
        radio_.pms.PMSbutton_Click(); // leaves PMS for the state it was entered from
    } else if (p.lblMT.Visible && s.OperatingState == StateMR) {
        p.lblMT.Visible = false; // back to the memory as stored
        ChangeToMRfunction();
    } else if (s.OperatingState == StateMR || s.HomeActive) {
        radio_.vfo.ChangeToVFOfunction();
    } else if (s.MemoryCount == 0) {
        radio_.host.beep();
        radio_.host.messageBox(kNoMemoriesText, "Help", MsgIcon::Exclamation, MsgButtons::Ok);
    } else {
        ChangeToMRfunction();
    }
    radio_.host.panelChanged();
}

void MemoryMode::ChangeToMRfunction()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    VfoOps &vfo = radio_.vfo;
    if (NextUsedMemory(s, s.CurrentMemory, 1) < 0) {
        vfo.ChangeToVFOfunction();
        return;
    }
    p.lblMemoryDesc.Visible = true;
    if (s.HomeActive || s.SplitOn) {
        const bool endingRecall = s.HomeActive;
        s.HomeActive = false;
        if (s.SplitOn) {
            endingRecall ? radio_.split.SplitOffEndingRecall() : radio_.split.SPLITbutton_Click();
            vfo.GetInfoVFOSB();
            vfo.SendSubVfoOnOtherVfo();
        }
        p.ledMRnumberVisible = false;
    }
    if (s.ClarOn) {
        radio_.clar.CLARbutton_Click();
    }
    if (s.OperatingState == StateVFO) {
        vfo.SaveInfoVFOMB();
        vfo.SaveInfoVFOSB();
    } else if (s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
    s.OperatingState = StateMR;
    radio_.enablement.ToggleFunctionButtons();
    radio_.tuning.ChangeTuningKnob();
    radio_.meters.TurnOffLMeter();
    s.CurrentMemory = WrapChannel(s.CurrentMemory, -1);
    if (ChangeMemory(1)) {
        sendSplitMemory();
    }
    radio_.meters.TurnOnLMeter();
    p.ledMRnumberVisible = true;
    p.lblCH.Visible = true;
    UseVfoLimits(s);
    radio_.tuning.ChangeTuningKnob();
    radio_.host.panelChanged();
}

// The radio's split follows the recalled memory: its other VFO takes the transmit side.
void MemoryMode::sendSplitMemory()
{
    RadioState &s = radio_.state;
    if (s.currentMemoryIsSplit()) {
        radio_.vfo.SendSubVfoOnOtherVfo();
        radio_.cat.SplitOnToRadio();
    } else if (s.SplitAtRadio) {
        radio_.cat.SplitOffToRadio();
    }
}

bool MemoryMode::ChangeMemory(int Direction)
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    if (s.MckOn) {
        s.CurrentMemory = WrapChannel(s.CurrentMemory, Direction < 0 ? -1 : 1);
        radio_.mck.ShowBrowsedChannel();
        return true;
    }
    const int next = NextUsedMemory(s, s.CurrentMemory, Direction);
    if (next < 0) {
        return false;
    }
    s.CurrentMemory = next;
    const MemoryChannel &m = s.Memories[next];
    p.lblMT.Visible = false; // recalled as stored
    p.lblSKIP.Visible = m.Skip;
    p.ledMRnumber = FormatChannel(next);
    GetMemoryInfo();
    ShowDescription();
    radio_.enablement.ToggleFunctionButtons(); // DOP follows a split memory
    radio_.host.panelChanged();
    return true;
}

void MemoryMode::GetMemoryInfo()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    const MemoryChannel &m = s.Memories[s.CurrentMemory];
    s.MainVfo = m.Vfo;
    s.MainBand = m.Band;
    s.MainVfo.RptOffset = RecalledOffset(s, m);
    radio_.vfo.SendInfoToRadioVFOMB(s.MainVfo.Frequency);
    if (m.Split) {
        s.SubVfo = m.SplitVfo;
        s.SubBand = m.SplitBand;
        p.ledSubFreq = FormatFrequency(s.SubVfo.Frequency);
        for (int i = 0; i < kModeCount; ++i) {
            p.lblSBmode[i].Visible = i == s.SubVfo.Mode;
        }
        p.lblRXTX.Visible = true;
    } else {
        p.lblRXTX.Visible = false;
    }
}

void MemoryMode::ShowDescription()
{
    const RadioState &s = radio_.state;
    radio_.panel.lblMemoryDesc.Caption = DescriptionText(s.Memories[s.CurrentMemory]);
}

void MemoryMode::ChannelKnobStep(int delta)
{
    RadioState &s = radio_.state;
    if (delta == 0) {
        return;
    }
    // MCK browses every position, so even an empty database can take its first memory.
    if (s.MckOn) {
        ChangeMemory(delta);
        return;
    }
    if (s.MemoryCount > 0 && !ChangeMemory(delta)) {
        radio_.vfo.ChangeToVFOfunction();
    }
}

void MemoryMode::AfterMemoriesReplaced()
{
    RadioState &s = radio_.state;
    if (s.OperatingState == StateMR && !s.MckOn) {
        ChangeToMRfunction();
    }
}

} // namespace dorv
