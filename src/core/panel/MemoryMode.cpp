#include "panel/MemoryMode.h"

#include "cat/CatCommands.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/BandCopies.h"
#include "model/CodeTables.h"
#include "model/DescriptionText.h"
#include "model/MemoryStore.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/ReadoutFormat.h"
#include "panel/ClarLock.h"
#include "panel/Enablement.h"
#include "panel/Mck.h"
#include "panel/ScanRequests.h"
#include "panel/SplitRepeater.h"
#include "panel/Tuning.h"
#include "panel/VfoOps.h"

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
    RadioState &s = state_;
    PanelState &p = panel_;
    if (s.PriOn) {
        // VFO/M ends the priority monitor and goes back to what it interrupted.
        scanRequests_.endPriorityMonitor.Raise();
    } else if (s.OperatingState == StatePMS) {
        scanRequests_.leavePms.Raise(); // leaves PMS for the state it was entered from
    } else if (p.lblMT.Visible && s.OperatingState == StateMR) {
        p.lblMT.Visible = false; // back to the memory as stored
        ChangeToMRfunction();
    } else if (s.OperatingState == StateMR || s.HomeActive) {
        vfo_.ChangeToVFOfunction();
    } else if (s.MemoryCount == 0) {
        host_.beep();
        host_.messageBox(kNoMemoriesText, "Help", MsgIcon::Exclamation, MsgButtons::Ok);
    } else {
        ChangeToMRfunction();
    }
    host_.panelChanged();
}

void MemoryMode::ChangeToMRfunction()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    VfoOps &vfo = vfo_;
    if (NextUsedMemory(s, s.CurrentMemory, 1) < 0) {
        vfo.ChangeToVFOfunction();
        return;
    }
    p.lblMemoryDesc.Visible = true;
    if (s.HomeActive || s.SplitOn) {
        const bool endingRecall = s.HomeActive;
        s.HomeActive = false;
        if (s.SplitOn) {
            endingRecall ? split_.SplitOffEndingRecall() : split_.SPLITbutton_Click();
            vfo.GetInfoVFOSB();
            vfo.SendSubVfoOnOtherVfo();
        }
        p.ledMRnumberVisible = false;
    }
    if (s.ClarOn) {
        clar_.CLARbutton_Click();
    }
    if (s.OperatingState == StateVFO) {
        vfo.SaveInfoVFOMB();
        vfo.SaveInfoVFOSB();
    } else if (s.OperatingState == StatePMS) {
        SavePmsState(s);
    }
    s.OperatingState = StateMR;
    enablement_.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
    meters_.TurnOffLMeter();
    s.CurrentMemory = WrapChannel(s.CurrentMemory, -1);
    if (ChangeMemory(1)) {
        sendSplitMemory();
    }
    meters_.TurnOnLMeter();
    p.ledMRnumberVisible = true;
    p.lblCH.Visible = true;
    UseVfoLimits(s);
    tuning_.ChangeTuningKnob();
    host_.panelChanged();
}

// The radio's split follows the recalled memory: its other VFO takes the transmit side.
void MemoryMode::sendSplitMemory()
{
    RadioState &s = state_;
    if (s.currentMemoryIsSplit()) {
        vfo_.SendSubVfoOnOtherVfo();
        cat_.SplitOnToRadio();
    } else if (s.SplitAtRadio) {
        cat_.SplitOffToRadio();
    }
}

bool MemoryMode::ChangeMemory(int Direction)
{
    RadioState &s = state_;
    PanelState &p = panel_;
    if (s.MckOn) {
        s.CurrentMemory = WrapChannel(s.CurrentMemory, Direction < 0 ? -1 : 1);
        mck_.ShowBrowsedChannel();
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
    enablement_.ToggleFunctionButtons(); // DOP follows a split memory
    host_.panelChanged();
    return true;
}

void MemoryMode::GetMemoryInfo()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    const MemoryChannel &m = s.Memories[s.CurrentMemory];
    s.MainVfo = m.Vfo;
    s.MainBand = m.Band;
    s.MainVfo.RptOffset = RecalledOffset(s, m);
    vfo_.SendInfoToRadioVFOMB(s.MainVfo.Frequency);
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
    const RadioState &s = state_;
    panel_.lblMemoryDesc.Caption = DescriptionText(s.Memories[s.CurrentMemory]);
}

void MemoryMode::ChannelKnobStep(int delta)
{
    RadioState &s = state_;
    if (delta == 0) {
        return;
    }
    // MCK browses every position, so even an empty database can take its first memory.
    if (s.MckOn) {
        ChangeMemory(delta);
        return;
    }
    if (s.MemoryCount > 0 && !ChangeMemory(delta)) {
        vfo_.ChangeToVFOfunction();
    }
}

void MemoryMode::AfterMemoriesReplaced()
{
    RadioState &s = state_;
    if (s.OperatingState == StateMR && !s.MckOn) {
        ChangeToMRfunction();
    }
}

} // namespace dorv
