#include "scan/Pms.h"

#include "cat/CatCommands.h"
#include "host/Host.h"
#include "model/BandCopies.h"
#include "model/FreqRounding.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/Enablement.h"
#include "panel/HomeChannels.h"
#include "panel/Keypad.h"
#include "panel/Mck.h"
#include "panel/MemoryMode.h"
#include "panel/Tuning.h"
#include "panel/VfoOps.h"

namespace dorv {

namespace {

constexpr int kPmsDigit = 6;
constexpr Freq kLimitGrid = 1000;  // PMS limits lie on the 10 kHz grid
constexpr int kLastSharedBand = 2; // 430, 144 and 50 MHz: one band per VFO pair

const char *const kSameBandText =
    "The Main VFO and Sub VFO must be on the same band when storing a PMS limit for the 430, "
    "144, or 50 MHz band.";
const char *const kLowerFirstText =
    "The frequency in the Main VFO must be lower than the frequency in the Sub VFO. The Main "
    "VFO should contain the lower PMS limit and the Sub VFO should contain the upper PMS "
    "limit.";

} // namespace

void Pms::PMSbutton_Click()
{
    RadioState &s = state_;
    if (keypad_.DigitButton(kPmsDigit)) {
        return;
    }
    if (s.MckOn) {
        StoreLimits();
        host_.panelChanged();
        return;
    }
    // A recalled HOME channel ends first, so that entering or leaving PMS saves the
    // operator's own VFO and not the HOME channel.
    if (s.HomeActive) {
        home_.ReturnFromRecall();
    }
    if (s.OperatingState == StatePMS) {
        Leave();
    } else {
        stateBeforePms_ = s.OperatingState;
        ChangeToPMSfunction();
    }
    host_.panelChanged();
}

void Pms::ChangeToPMSfunction()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    p.lblMemoryDesc.Visible = false;
    if (s.OperatingState == StateVFO) {
        vfo_.SaveInfoVFOMB();
        vfo_.SaveInfoVFOSB();
    }
    s.OperatingState = StatePMS;
    p.ledMRnumber = "LU";
    p.ledMRnumberVisible = true;
    p.lblCH.Visible = false;
    GetPMSInfo();
    vfo_.SendInfoToRadioVFOMB(s.MainVfo.Frequency);
    enablement_.ToggleFunctionButtons();
    if (s.SplitAtRadio) {
        cat_.SplitOffToRadio();
    }
    host_.panelChanged();
}

void Pms::Leave()
{
    SavePMSInfo();
    panel_.ledMRnumberVisible = false;
    if (stateBeforePms_ == StateMR) {
        memory_.ChangeToMRfunction();
    } else {
        vfo_.ChangeToVFOfunction();
    }
}

void Pms::StoreLimits()
{
    RadioState &s = state_;
    const bool sharedBand = s.MainBand <= kLastSharedBand || s.SubBand <= kLastSharedBand;
    const char *refusal = nullptr;
    if (sharedBand && s.MainBand != s.SubBand) {
        refusal = kSameBandText;
    } else if (s.MainVfo.Frequency >= s.SubVfo.Frequency) {
        refusal = kLowerFirstText;
    }
    if (refusal != nullptr) {
        host_.messageBox(refusal, "PMS Limit Warning", MsgIcon::Exclamation, MsgButtons::Ok);
    } else {
        SavePMSInfo();
        BandRecord &t = s.BandTable;
        const int band = s.MainBand;
        t.PmsLower[band] = RoundFreqToStep(s.MainVfo.Frequency, kLimitGrid);
        t.PmsUpper[band] = RoundFreqToStep(s.SubVfo.Frequency, kLimitGrid);
        // Stored while in PMS on that band, the new range holds from now on.
        if (s.OperatingState == StatePMS) {
            t.TuneLower[band] = t.PmsLower[band];
            t.TuneUpper[band] = t.PmsUpper[band];
        }
    }
    mck_.TurnOffMCK();
}

void Pms::SavePMSInfo()
{
    SavePmsState(state_);
}

void Pms::GetPMSInfo()
{
    LoadPmsState(state_);
}

} // namespace dorv
