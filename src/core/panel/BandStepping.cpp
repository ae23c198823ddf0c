#include "panel/BandStepping.h"

#include "cat/CatCommands.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/BandCopies.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/ClarLock.h"
#include "panel/Keypad.h"
#include "panel/SubModeBlink.h"
#include "panel/Tuning.h"
#include "panel/VfoOps.h"

namespace dorv {

namespace {

constexpr Freq kMhzStep = 100000; // 1 MHz

int WrapBand(int band)
{
    return (band % kBandCount + kBandCount) % kBandCount;
}

} // namespace

void BandStepping::clampToBand(VfoInfo &vfo, int band)
{
    const BandRecord &t = state_.BandTable;
    if (vfo.Frequency > t.HamUpper[band]) {
        vfo.Frequency = t.HamUpper[band];
    } else if (vfo.Frequency < t.HamLower[band]) {
        vfo.Frequency = t.HamLower[band];
    }
}

void BandStepping::selectSubBand(int Index)
{
    RadioState &s = state_;
    VfoOps &vfo = vfo_;
    if (s.OperatingState == StateVFO || s.OperatingState == StateMR) {
        if (s.OperatingState == StateVFO) {
            vfo.SaveInfoVFOSB();
        }
        s.SubBand = static_cast<std::int16_t>(Index);
        vfo.GetInfoVFOSB();
        clampToBand(s.SubVfo, Index);
        vfo.SendInfoToRadioVFOSB(s.SubVfo.Frequency);
        vfo.SaveInfoVFOSB();
    }
    TagSubModeLabels(panel_);
}

void BandStepping::selectMainBand(int Index)
{
    RadioState &s = state_;
    VfoOps &vfo = vfo_;
    switch (s.OperatingState) {
    case StateVFO:
    case StateMR:
        if (s.OperatingState == StateVFO) {
            vfo.SaveInfoVFOMB();
        }
        s.MainBand = static_cast<std::int16_t>(Index);
        vfo.GetInfoVFOMB();
        clampToBand(s.MainVfo, Index);
        vfo.SendInfoToRadioVFOMB(s.MainVfo.Frequency);
        vfo.SaveInfoVFOMB();
        if (s.OperatingState == StateMR) {
            panel_.lblMT.Visible = true; // the memory is being retuned
        }
        break;
    case StatePMS:
        SavePmsState(s);
        s.MainBand = static_cast<std::int16_t>(Index);
        LoadPmsState(s);
        vfo.SendInfoToRadioVFOMB(s.MainVfo.Frequency);
        SavePmsState(s);
        break;
    default:
        break;
    }
}

void BandStepping::BandButton_Click(int Index)
{
    if (Index < 0 || Index >= kBandCount) {
        return;
    }
    meters_.TurnOffLMeter();
    if (state_.SubActive) {
        selectSubBand(Index);
    } else {
        selectMainBand(Index);
    }
    meters_.TurnOnLMeter();
    host_.panelChanged();
}

// Unlike the band buttons, stepping neither clamps to the band edges nor saves the VFO
// back; the slot is updated when the band is next left in VFO state. With SUB on, the
// sub VFO is loaded from the new band's slot in every state, so that a later save never
// stores it under the wrong band.
void BandStepping::stepBand(int direction)
{
    RadioState &s = state_;
    PanelState &p = panel_;
    VfoOps &vfo = vfo_;

    if (s.SubActive) {
        ShowTaggedSubModeLabels(p);
    }
    if (s.ClarOn) {
        clar_.CLARbutton_Click();
    }
    meters_.TurnOffLMeter();
    if (s.SubActive) {
        if (s.OperatingState == StateVFO) {
            vfo.SaveInfoVFOSB();
        }
        s.SubBand = static_cast<std::int16_t>(WrapBand(s.SubBand + direction));
        vfo.GetInfoVFOSB();
        vfo.SendInfoToRadioVFOSB(s.SubVfo.Frequency);
    } else {
        if (s.OperatingState == StateVFO) {
            vfo.SaveInfoVFOMB();
        } else if (s.OperatingState == StatePMS) {
            SavePmsState(s);
        }
        s.MainBand = static_cast<std::int16_t>(WrapBand(s.MainBand + direction));
        if (s.OperatingState == StatePMS) {
            LoadPmsState(s);
        } else {
            vfo.GetInfoVFOMB();
            if (s.OperatingState == StateMR) {
                p.lblMT.Visible = true;
            }
        }
        vfo.SendInfoToRadioVFOMB(s.MainVfo.Frequency);
    }
    meters_.TurnOnLMeter();
    if (s.SubActive) {
        TagSubModeLabels(panel_);
    }
    host_.panelChanged();
}

void BandStepping::stepMhz(int direction)
{
    RadioState &s = state_;
    meters_.TurnOffLMeter();
    VfoInfo &vfo = s.operatedVfo();
    const int band = s.operatedBand();
    const Freq lower = s.BandTable.TuneLower[band];
    const Freq upper = s.BandTable.TuneUpper[band];
    const Freq step = panel_.ledFAST ? kMhzStep * Tuning::kFastFactor : kMhzStep;
    const std::int64_t f = std::int64_t{vfo.Frequency} + direction * std::int64_t{step};
    if (direction < 0) {
        vfo.Frequency = f < lower ? upper : static_cast<Freq>(f);
    } else {
        vfo.Frequency = f >= upper ? lower : static_cast<Freq>(f);
    }
    cat_.SendOperatedFreq();
    if (!s.SubActive && ArsRuleHolds(s)) {
        cat_.AutoRepeaterShift();
    }
    meters_.TurnOnLMeter();
    host_.panelChanged();
}

void BandStepping::BandDownButton_Click()
{
    if (!keypad_.DigitButton(7)) {
        stepBand(1);
    }
}

void BandStepping::BandUpButton_Click()
{
    if (!keypad_.DigitButton(8)) {
        stepBand(-1);
    }
}

void BandStepping::MhzDownButton_Click()
{
    if (!keypad_.DigitButton(9)) {
        stepMhz(-1);
    }
}

void BandStepping::MhzUpButton_Click()
{
    if (!keypad_.DigitButton(0)) {
        stepMhz(1);
    }
}

} // namespace dorv
