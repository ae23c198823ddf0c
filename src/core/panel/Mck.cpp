#include "panel/Mck.h"

#include "Radio.h"
#include "model/CodeTables.h"
#include "model/MemoryStore.h"
#include "panel/ReadoutFormat.h"

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
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    Enablement &e = radio_.enablement;
    s.PressTime = radio_.host.now();
    MckHeld = true;
    if (e.TimerDelayTag != kPhaseOff || s.MckOn) {
        e.TimerDelayTag = kPhaseTwo;
        return;
    }
    radio_.host.beep();
    e.TimerDelayTag = kPhaseOne;
    p.ledMRnumber = FormatChannel(s.CurrentMemory);
    p.ledMRnumberVisible = true;
    s.SavedMemory = s.CurrentMemory;
    p.lblCH.Visible = true;
    s.MckOn = true;
    p.lblMCK.Visible = true;
    e.ToggleFunctionButtons();
    radio_.tuning.ChangeTuningKnob();
    e.TimerDelay.setInterval(kMckBlinkMs);
    e.TimerDelay.setEnabled(true);
    radio_.host.panelChanged();
}

void Mck::MCKbutton_MouseUp()
{
    RadioState &s = radio_.state;
    s.PressTime = 0;
    MckHeld = false;
    if (radio_.enablement.TimerDelayTag == kPhaseTwo && s.MckOn) {
        TurnOffMCK(); // a short second press leaves without writing
    }
    radio_.enablement.ToggleFunctionButtons();
    radio_.tuning.ChangeTuningKnob();
    radio_.host.panelChanged();
}

void Mck::TurnOffMCK()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    Enablement &e = radio_.enablement;
    if (!s.SubActive) {
        e.TimerDelay.setEnabled(false); // with SUB on it keeps blinking the sub mode
    }
    radio_.host.beep();
    e.TimerDelayTag = kPhaseOff;
    s.MckOn = false;
    p.lblMCK.Visible = false;
    if (s.OperatingState == StateMR) {
        s.CurrentMemory = WrapChannel(s.SavedMemory, -1);
        if (!radio_.memory.ChangeMemory(1)) {
            radio_.vfo.ChangeToVFOfunction();
        }
    } else {
        p.ledMRnumberVisible = false;
        p.lblCH.Visible = false;
        p.lblSKIP.Visible = false;
        showMainVfo();
    }
    e.ToggleFunctionButtons();
    radio_.tuning.ChangeTuningKnob();
    radio_.host.panelChanged();
}

bool Mck::TimerDelayTick()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    p.lblMCK.Visible = !p.lblMCK.Visible;
    const bool heldLongEnough = std::abs(radio_.host.now() - s.PressTime) > kWriteHoldSeconds;
    if (radio_.enablement.TimerDelayTag != kPhaseTwo || !MckHeld || !heldLongEnough) {
        return false;
    }
    writeBrowsedMemory();
    return true;
}

void Mck::writeBrowsedMemory()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    Enablement &e = radio_.enablement;
    e.TimerDelay.setEnabled(false);
    radio_.host.beep();
    s.MckOn = false;
    e.TimerDelayTag = kPhaseOff;
    p.lblMCK.Visible = false;
    p.lblSKIP.Visible = false;
    s.MemoryDirty = true;
    SaveVFOInfoToMemory(s, s.CurrentMemory);
    if (s.OperatingState == StateMR) {
        radio_.memory.ShowDescription();
    } else {
        p.ledMRnumberVisible = false;
        p.lblCH.Visible = false;
    }
    showMainVfo();
}

void Mck::ShowBrowsedChannel()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    p.ledMRnumber = FormatChannel(s.CurrentMemory);
    p.lblSKIP.Visible = s.Memories[s.CurrentMemory].Skip;
    DisplayMCKinfo();
    radio_.host.panelChanged();
}

// Browsing leaves the radio where it is. The last-sent record is reset rather than set to
// the browsed memory, so the next send of the main VFO is complete whatever was browsed.
void Mck::DisplayMCKinfo()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    const MemoryChannel &m = s.Memories[s.CurrentMemory];
    if (m.inUse()) {
        p.ledFreq = FormatFrequency(m.Vfo.Frequency);
        ShowIndicators(p, m.Vfo);
    } else {
        p.ledFreq.clear();
        HideIndicators(p);
    }
    radio_.vfo.ResetLastInfoVFO();
}

void Mck::showMainVfo()
{
    PanelState &p = radio_.panel;
    p.ledFreq = FormatFrequency(radio_.state.MainVfo.Frequency);
    ShowIndicators(p, radio_.state.MainVfo);
}

void Mck::DeleteCurrentMemory()
{
    RadioState &s = radio_.state;
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
    radio_.host.panelChanged();
}

} // namespace dorv
