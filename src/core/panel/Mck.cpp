#include "panel/Mck.h"

#include "host/Host.h"
#include "model/CodeTables.h"
#include "model/MemoryStore.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/ReadoutFormat.h"
#include "panel/Enablement.h"
#include "panel/MemoryMode.h"
#include "panel/Tuning.h"
#include "panel/VfoOps.h"

#include <cmath>

namespace dorv {

namespace {

constexpr int kMckBlinkMs = 250;
constexpr double kWriteHoldSeconds = 0.5;
const char *const kPhaseOff = "OFF";
const char *const kPhaseOne = "ONE";
const char *const kPhaseTwo = "TWO";

// The main readout's indicators for a VFO state, drawn without sending anything.
void ShowIndicators(PanelState &p, const VfoInfo &v)
{
    for (int i = 0; i < kModeCount; ++i) {
        p.lblMBmode[i].Visible = i == v.Mode;
    }
    p.ImgRPTdirection = {v.RptDirection == kRptPlus || v.RptDirection == kRptSplit,
                         v.RptDirection == kRptMinus || v.RptDirection == kRptSplit};
    const ToneModeRow &tone = ToneModeTable()[v.ToneMode];
    p.lblMainENC.Visible = tone.Enc;
    p.lblMainDEC.Visible = tone.Dec;
    p.lblMainDCS.Visible = tone.Dcs;
}

void HideIndicators(PanelState &p)
{
    for (LabelState &label : p.lblMBmode) {
        label.Visible = false;
    }
    p.ImgRPTdirection = {false, false};
    p.lblMainENC.Visible = p.lblMainDEC.Visible = p.lblMainDCS.Visible = false;
}

} // namespace

void Mck::MCKbutton_MouseDown()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    Enablement &e = enablement_;
    s.PressTime = host_.now();
    MckHeld = true;
    if (e.TimerDelayTag != kPhaseOff || s.MckOn) {
        e.TimerDelayTag = kPhaseTwo;
        return;
    }
    host_.beep();
    e.TimerDelayTag = kPhaseOne;
    p.ledMRnumber = FormatChannel(s.CurrentMemory);
    p.ledMRnumberVisible = true;
    s.SavedMemory = s.CurrentMemory;
    p.lblCH.Visible = true;
    s.MckOn = true;
    p.lblMCK.Visible = true;
    e.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
    e.TimerDelay.setInterval(kMckBlinkMs);
    e.TimerDelay.setEnabled(true);
    host_.panelChanged();
}

void Mck::MCKbutton_MouseUp()
{
    RadioState &s = state_;
    s.PressTime = 0;
    MckHeld = false;
    if (enablement_.TimerDelayTag == kPhaseTwo && s.MckOn) {
        TurnOffMCK(); // a short second press leaves without writing
    }
    enablement_.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
    host_.panelChanged();
}

void Mck::TurnOffMCK()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    Enablement &e = enablement_;
    if (!s.SubActive) {
        e.TimerDelay.setEnabled(false); // with SUB on it keeps blinking the sub mode
    }
    host_.beep();
    e.TimerDelayTag = kPhaseOff;
    s.MckOn = false;
    p.lblMCK.Visible = false;
    if (s.OperatingState == StateMR) {
        s.CurrentMemory = WrapChannel(s.SavedMemory, -1);
        if (!memory_.ChangeMemory(1)) {
            vfo_.ChangeToVFOfunction();
        }
    } else {
        p.ledMRnumberVisible = false;
        p.lblCH.Visible = false;
        p.lblSKIP.Visible = false;
        showMainVfo();
    }
    e.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
    host_.panelChanged();
}

bool Mck::TimerDelayTick()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    p.lblMCK.Visible = !p.lblMCK.Visible;
    const bool heldLongEnough = std::abs(host_.now() - s.PressTime) > kWriteHoldSeconds;
    if (enablement_.TimerDelayTag != kPhaseTwo || !MckHeld || !heldLongEnough) {
        return false;
    }
    writeBrowsedMemory();
    return true;
}

void Mck::writeBrowsedMemory()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    Enablement &e = enablement_;
    e.TimerDelay.setEnabled(false);
    host_.beep();
    s.MckOn = false;
    e.TimerDelayTag = kPhaseOff;
    p.lblMCK.Visible = false;
    p.lblSKIP.Visible = false;
    s.MemoryDirty = true;
    SaveVFOInfoToMemory(s, s.CurrentMemory);
    if (s.OperatingState == StateMR) {
        memory_.ShowDescription();
    } else {
        p.ledMRnumberVisible = false;
        p.lblCH.Visible = false;
    }
    showMainVfo();
}

void Mck::ShowBrowsedChannel()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    p.ledMRnumber = FormatChannel(s.CurrentMemory);
    p.lblSKIP.Visible = s.Memories[s.CurrentMemory].Skip;
    DisplayMCKinfo();
    host_.panelChanged();
}

// Browsing leaves the radio where it is. The last-sent record is reset rather than set to
// the browsed memory, so the next send of the main VFO is complete whatever was browsed.
void Mck::DisplayMCKinfo()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    const MemoryChannel &m = s.Memories[s.CurrentMemory];
    if (m.inUse()) {
        p.ledFreq = FormatFrequency(m.Vfo.Frequency);
        ShowIndicators(p, m.Vfo);
    } else {
        p.ledFreq.clear();
        HideIndicators(p);
    }
    vfo_.ResetLastInfoVFO();
}

void Mck::showMainVfo()
{
    PanelState &p = panel_;
    p.ledFreq = FormatFrequency(state_.MainVfo.Frequency);
    ShowIndicators(p, state_.MainVfo);
}

void Mck::DeleteCurrentMemory()
{
    RadioState &s = state_;
    MemoryChannel &m = s.Memories[s.CurrentMemory];
    const bool wasUsed = m.inUse();
    m.Vfo.Frequency = 0;
    m.SplitVfo.Frequency = 0;
    if (wasUsed) {
        --s.MemoryCount;
    }
    s.MemoryDirty = true;
    const int previous = NextUsedMemory(s, s.CurrentMemory, -1);
    if (previous < 0) {
        // Nothing is left to recall: MCK ends and the panel goes to VFO state.
        TurnOffMCK();
    } else {
        s.CurrentMemory = previous;
        ShowBrowsedChannel();
    }
    host_.panelChanged();
}

} // namespace dorv
