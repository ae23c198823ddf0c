#include "panel/Tuning.h"

#include "cat/CatCommands.h"
#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/FreqRounding.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/Enablement.h"
#include "panel/MemoryMode.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace dorv {

namespace {

constexpr int kSendRepeatMs = 250;
constexpr int kJogRepeatMs = 200;
constexpr double kReleaseWaitSeconds = 0.2;
constexpr Freq kJogStep = 1000;  // 10 kHz
constexpr Freq kClarLimit = 999; // clarifier offset ±9.99 kHz

// Modular wrap of the main dial and clarifier: a step past one edge lands the same
// distance inside the other.
Freq WrapModular(std::int64_t f, Freq lower, Freq upper)
{
    const std::int64_t width = std::int64_t{upper} - lower;
    if (f >= upper) {
        f -= width;
    } else if (f < lower) {
        f += width;
    }
    return ToFreq(f);
}

Freq StepFromTable(const StepTable &table, int band, int mode)
{
    if (band < 0 || band >= kBandCount || mode < 0 || mode >= kModeSlotCount) {
        return 0;
    }
    return table[band][mode];
}

} // namespace

Tuning::Tuning(Host &host, RadioState &state, PanelState &panel, CatLink &link, CatCommands &cat,
               Meters &meters, Enablement &enablement, MemoryMode &memory)
    : host_(host), state_(state), panel_(panel), link_(link), cat_(cat), meters_(meters),
      enablement_(enablement), memory_(memory)
{
    tmrKnob.setInterval(kJogRepeatMs);
    tmrKnob.setTickHandler([this] { tmrKnob_Timer(); });
    link_.AttachTimer(tmrKnob);
    TimerSendFreq.setInterval(kSendRepeatMs);
    TimerSendFreq.setTickHandler([this] { cat_.SendOperatedFreq(); });
    link_.AttachTimer(TimerSendFreq);
}

KnobState &Tuning::Knob(int WhichKnob)
{
    PanelState &p = panel_;
    switch (WhichKnob) {
    case SubKnobNumber:
        return p.ClarKnob;
    case ChannelKnobNumber:
        return p.ChannelKnob;
    default:
        return p.MainKnob;
    }
}

int Tuning::takeDelta(KnobState &k, int Value)
{
    const std::int64_t delta = std::int64_t{Value} - k.Value;
    k.Value = Value;
    return static_cast<int>(std::clamp<std::int64_t>(delta, -1, 1));
}

bool Tuning::holdOverruled() const
{
    return !state_.CatOn || panel_.lblOnAir.Visible;
}

void Tuning::SetupTuningKnob(int WhichKnob, int Direction)
{
    if (WhichKnob < MainKnobNumber || WhichKnob > ChannelKnobNumber) {
        return;
    }
    if (Direction == Press) {
        knobPressed(WhichKnob);
    } else {
        knobReleased(WhichKnob);
    }
}

// The step the knob turns by comes from its table, for the band and mode it tunes; the
// meter rests and the frequency is re-sent while the knob is held.
void Tuning::knobPressed(int WhichKnob)
{
    RadioState &s = state_;
    ++knobPresses_;
    meters_.TurnOffLMeter();
    switch (WhichKnob) {
    case MainKnobNumber:
        if (s.SubActive) {
            KnobStep = StepFromTable(s.Settings.DialStep, s.SubBand, s.SubVfo.Mode);
        } else {
            KnobStep = StepFromTable(s.Settings.DialStep, s.MainBand, s.MainVfo.Mode);
            ArsPending = ArsRuleHolds(s);
        }
        if (panel_.ledFAST) {
            KnobStep *= kFastFactor;
        }
        if (!s.ClarOn) {
            s.MainVfo.ClarOffset = 0;
        }
        if (s.OperatingState == StateMR) {
            panel_.lblMT.Visible = true; // memory tune begins
        }
        break;
    case SubKnobNumber:
        KnobStep = 1;
        break;
    case ChannelKnobNumber:
        browsing_ = s.MckOn;
        if (browsing_) {
            host_.panelChanged();
            return; // MCK browses memories: nothing is sent, during or after
        }
        if (s.SubActive) {
            KnobStep = StepFromTable(s.Settings.ChannelStep, s.SubBand, s.SubVfo.Mode);
        } else {
            KnobStep = StepFromTable(s.Settings.ChannelStep, s.MainBand, s.MainVfo.Mode);
            ArsPending = ArsRuleHolds(s);
        }
        break;
    }
    TimerSendFreq.setEnabled(true);
    host_.panelChanged();
}

// After the release wait the frequency reached goes to the radio (with a split memory's
// VFOs re-sent when the channel knob tuned one), unless another gesture took over.
void Tuning::knobReleased(int WhichKnob)
{
    const RadioState &s = state_;
    TimerSendFreq.setEnabled(false);
    if (WhichKnob == ChannelKnobNumber && browsing_) {
        browsing_ = false;
        meters_.TurnOnLMeter();
        return;
    }
    const unsigned presses = knobPresses_;
    Pause(host_, kReleaseWaitSeconds);
    if (holdOverruled()) {
        ArsPending = false;
        return;
    }
    cat_.SendOperatedFreq();
    if (WhichKnob == ChannelKnobNumber && !s.SubActive && s.OperatingState == StateMR) {
        if (s.currentMemoryIsSplit()) {
            const CatLink::Sequence sequence{link_};
            cat_.ToggleVFOAB();
            cat_.ToggleVFOAB();
            cat_.SplitOnToRadio();
        } else if (s.SplitAtRadio) {
            cat_.SplitOffToRadio();
        }
    }
    // A knob pressed during the wait began a gesture of its own: the meter polling and
    // the repeater-shift check stay with it until its own release.
    if (knobPresses_ != presses) {
        return;
    }
    meters_.TurnOnLMeter();
    if (WhichKnob != SubKnobNumber) {
        ArsPending = false;
    }
}

void Tuning::MainKnob_Change(int Value)
{
    RadioState &s = state_;
    const std::int64_t change = std::int64_t{takeDelta(panel_.MainKnob, Value)} * KnobStep;
    const auto &table = s.BandTable;
    if (s.SplitOn) {
        // Split: the dial always tunes the receive (main) VFO, without repeater shift.
        s.MainVfo.Frequency = WrapModular(s.MainVfo.Frequency + change, table.TuneLower[s.MainBand],
                                          table.TuneUpper[s.MainBand]);
        cat_.SendFreqToRadioMB(s.MainVfo.Frequency);
    } else if (s.SubActive) {
        s.SubVfo.Frequency = WrapModular(s.SubVfo.Frequency + change, table.TuneLower[s.SubBand],
                                         table.TuneUpper[s.SubBand]);
        cat_.SendFreqToRadioSB(s.SubVfo.Frequency);
    } else {
        s.MainVfo.Frequency = WrapModular(s.MainVfo.Frequency + change, table.TuneLower[s.MainBand],
                                          table.TuneUpper[s.MainBand]);
        cat_.SendFreqToRadioMB(s.MainVfo.Frequency);
        if (ArsPending) {
            cat_.AutoRepeaterShift();
        }
    }
}

void Tuning::SubKnob_Change(int Value)
{
    RadioState &s = state_;
    const std::int64_t change = std::int64_t{takeDelta(panel_.ClarKnob, Value)} * KnobStep;
    if (!s.ClarOn) {
        return;
    }
    const std::int64_t offset = s.MainVfo.ClarOffset + change;
    if (offset < -kClarLimit || offset > kClarLimit) {
        return;
    }
    s.MainVfo.ClarOffset = static_cast<Freq>(offset);
    s.MainVfo.Frequency =
        WrapModular(s.MainVfo.Frequency + change, s.BandTable.TuneLower[s.MainBand],
                    s.BandTable.TuneUpper[s.MainBand]);
    cat_.SendFreqToRadioMB(s.MainVfo.Frequency);
}

void Tuning::ChannelKnob_Change(int Value)
{
    RadioState &s = state_;
    const PanelState &p = panel_;
    const int delta = takeDelta(panel_.ChannelKnob, Value);

    if ((s.OperatingState == StateMR && !p.lblMT.Visible) || s.MckOn) {
        memory_.ChannelKnobStep(delta);
        return;
    }
    if (!p.lblMT.Visible && s.OperatingState != StateVFO && s.OperatingState != StatePMS) {
        return;
    }

    const std::int64_t change = std::int64_t{delta} * KnobStep;
    VfoInfo &vfo = s.operatedVfo();
    const int band = s.operatedBand();
    const Freq lower = s.BandTable.TuneLower[band];
    const Freq upper = s.BandTable.TuneUpper[band];
    Freq f = RoundFreqToStep(ToFreq(vfo.Frequency + change), KnobStep);
    if (f >= upper) {
        f = lower;
    } else if (f < lower) {
        f = ToFreq(upper + change);
    }
    vfo.Frequency = f;
    cat_.SendOperatedFreq();
    if (!s.SubActive && ArsPending) {
        cat_.AutoRepeaterShift();
    }
}

void Tuning::ChangeTuningKnob()
{
    const RadioState &s = state_;
    PanelState &p = panel_;
    bool mainOn = true, subOn = true, channelOn = true;
    if (s.KeypadEntry || !s.CatOn || p.lblOnAir.Visible || p.ledLOCK) {
        mainOn = subOn = channelOn = false;
        // A knob that can no longer turn has nothing to re-send; above all, no receive
        // frequency may go out while the radio transmits.
        TimerSendFreq.setEnabled(false);
    } else if (s.ScanOn || s.SearchOn) {
        mainOn = subOn = channelOn = s.ScanDirection == 0;
    } else if (s.ClarOn) {
        channelOn = false;
    } else if (s.MckOn) {
        mainOn = subOn = false;
    }
    p.MainKnob.Enabled = mainOn;
    p.ClarKnob.Enabled = subOn;
    p.ChannelKnob.Enabled = channelOn;
    p.btnJogDown.Enabled = p.btnJogUp.Enabled = mainOn || s.ScanOn;
    host_.panelChanged();
}

void Tuning::MainKnob_MouseDown()
{
    SetupTuningKnob(MainKnobNumber, Press);
}

void Tuning::MainKnob_MouseUp()
{
    SetupTuningKnob(MainKnobNumber, Release);
}

// While split is on, the clarifier works on the radio's other VFO, reached through a
// toggle before and after the gesture. The release toggles back exactly when the press
// toggled, even if split was switched meanwhile, so the radio never stays on its other VFO.
void Tuning::SubKnob_MouseDown()
{
    SetupTuningKnob(SubKnobNumber, Press);
    clarToggled_ = state_.SplitOn;
    if (clarToggled_) {
        cat_.ToggleVFOAB();
    }
}

void Tuning::SubKnob_MouseUp()
{
    SetupTuningKnob(SubKnobNumber, Release);
    if (clarToggled_) {
        clarToggled_ = false;
        cat_.ToggleVFOAB();
    }
}

void Tuning::ChannelKnob_MouseDown()
{
    SetupTuningKnob(ChannelKnobNumber, Press);
}

void Tuning::ChannelKnob_MouseUp()
{
    SetupTuningKnob(ChannelKnobNumber, Release);
}

Freq Tuning::JogStep(int direction) const
{
    const Freq step = panel_.ledFAST ? kJogStep * kFastFactor : kJogStep;
    return direction < 0 ? -step : step;
}

void Tuning::jogPress(int direction)
{
    RadioState &s = state_;
    if (s.ScanOn) {
        return; // with SCAN armed the jog buttons start and stop the scan on click
    }
    s.ScanStep = JogStep(direction);
    tmrKnob.setInterval(kJogRepeatMs);
    s.ScanDirection = direction;
    s.JogHeld = true;
    meters_.TurnOffLMeter();
    tmrKnob.setEnabled(true);
    enablement_.ToggleFunctionButtons();
}

void Tuning::jogRelease()
{
    RadioState &s = state_;
    if (s.ScanOn) {
        return;
    }
    s.ScanDirection = 0;
    s.JogHeld = false;
    tmrKnob.setEnabled(false);
    enablement_.ToggleFunctionButtons();
    Pause(host_, kReleaseWaitSeconds);
    if (holdOverruled()) {
        return;
    }
    cat_.SendOperatedFreq();
    if (!s.JogHeld) { // a jog pressed again during the wait keeps the meter quiet
        meters_.TurnOnLMeter();
    }
}

void Tuning::btnJogDown_MouseDown()
{
    jogPress(-1);
}

void Tuning::btnJogDown_MouseUp()
{
    jogRelease();
}

void Tuning::btnJogUp_MouseDown()
{
    jogPress(1);
}

void Tuning::btnJogUp_MouseUp()
{
    jogRelease();
}

void Tuning::tmrKnob_Timer()
{
    tmrKnob.setEnabled(false);
    if (!holdOverruled()) { // a held jog waits while the radio transmits
        cat_.StepFrequency();
    }
    tmrKnob.setEnabled(state_.JogHeld);
}

void Tuning::FASTbutton_Click()
{
    panel_.ledFAST = !panel_.ledFAST;
    host_.panelChanged();
}

} // namespace dorv
