#include "scan/Pms.h"

#include "Radio.h"
#include "model/BandCopies.h"

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
    RadioState &s = radio_.state;
    if (radio_.keypad.DigitButton(kPmsDigit)) {
        return;
    }
    if (s.MckOn) {
        StoreLimits();
        radio_.host.panelChanged();
        return;
    }
    // A recalled HOME channel ends first, so that entering or leaving PMS saves the
    // operator's own VFO and not the HOME channel.
    if (s.HomeActive) {
        radio_.home.ReturnFromRecall();
    }
    if (s.OperatingState == StatePMS) {
        Leave();
    } else {
        stateBeforePms_ = s.OperatingState;
        ChangeToPMSfunction();
    }
    radio_.host.panelChanged();
}

void Pms::ChangeToPMSfunction()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    p.lblMemoryDesc.Visible = false;
    if (s.OperatingState == StateVFO) {
        radio_.vfo.SaveInfoVFOMB();
        radio_.vfo.SaveInfoVFOSB();
    }
    s.OperatingState = StatePMS;
    p.ledMRnumber = "LU";
    p.ledMRnumberVisible = true;
    p.lblCH.Visible = false;
    GetPMSInfo();
    radio_.vfo.SendInfoToRadioVFOMB(s.MainVfo.Frequency);
    radio_.enablement.ToggleFunctionButtons();
    if (s.SplitAtRadio) {
        radio_.cat.SplitOffToRadio();
    }
    radio_.host.panelChanged();
}

void Pms::Leave()
{
    SavePMSInfo();
    radio_.panel.ledMRnumberVisible = false;
    if (stateBeforePms_ == StateMR) {
        radio_.memory.ChangeToMRfunction();
    } else {
        radio_.vfo.ChangeToVFOfunction();
    }
}

void Pms::StoreLimits()
{
    RadioState &s = radio_.state;
    const bool sharedBand = s.MainBand <= kLastSharedBand || s.SubBand <= kLastSharedBand;
    const char *refusal = nullptr;
    if (sharedBand && s.MainBand != s.SubBand) {
        refusal = kSameBandText;
    } else if (s.MainVfo.Frequency >= s.SubVfo.Frequency) {
        refusal = kLowerFirstText;
    }
    if (refusal != nullptr) {
        radio_.host.messageBox(refusal, "PMS Limit Warning", MsgIcon::Exclamation, MsgButtons::Ok);
    } else {
        SavePMSInfo();
        BandRecord &t = s.BandTable;
        const int band = s.MainBand;
        t.PmsLower[band] = radio_.tuning.RoundFreqToStep(s.MainVfo.Frequency, kLimitGrid);
        t.PmsUpper[band] = radio_.tuning.RoundFreqToStep(s.SubVfo.Frequency, kLimitGrid);
        // Stored while in PMS on that band, the new range holds from now on.
        if (s.OperatingState == StatePMS) {
            t.TuneLower[band] = t.PmsLower[band];
            t.TuneUpper[band] = t.PmsUpper[band];
        }
    }
    radio_.mck.TurnOffMCK();
}

void Pms::SavePMSInfo()
{
    SavePmsState(radio_.state);
}

void Pms::GetPMSInfo()
{
    LoadPmsState(radio_.state);
}

} // namespace dorv
