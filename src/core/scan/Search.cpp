#include "scan/Search.h"

#include "Radio.h"
#include "scan/SweepGuard.h"

namespace dorv {

namespace {
const char *const kFmOnlyText = "The search function can only be activated while in FM mode.";
} // namespace

void Search::SEARCHbutton_Click()
{
    RadioState &s = radio_.state;
    if (s.SearchOn) {
        Stop();
    } else if (s.MainVfo.Mode == ModeFM) {
        if (!RefusedWhileSweeping(radio_)) {
            Start();
        }
    } else {
        radio_.host.messageBox(kFmOnlyText, "Search Function Warning", MsgIcon::Exclamation,
                               MsgButtons::Ok);
    }
    radio_.host.panelChanged();
}

void Search::Start()
{
    RadioState &s = radio_.state;
    s.SearchOn = true;
    radio_.panel.lblSEARCH.Visible = true;
    radio_.meters.TurnOffLMeter();
    radio_.port.discardInput();
    s.ScanDirection = 1; // a search always runs upward
    radio_.tuning.ChangeTuningKnob();
    radio_.enablement.ToggleFunctionButtons();
    s.ScanStep = s.Settings.ChannelStep[s.MainBand][s.MainVfo.Mode];
    s.MainVfo.Frequency = radio_.tuning.RoundFreqToStep(s.MainVfo.Frequency, s.ScanStep);
    radio_.scan.StartVfoStepping();
}

void Search::Stop()
{
    RadioState &s = radio_.state;
    radio_.scan.StopStepping();
    s.SearchOn = false;
    radio_.panel.lblSEARCH.Visible = false;
    radio_.tuning.ChangeTuningKnob();
    radio_.enablement.ToggleFunctionButtons();
    radio_.port.discardInput();
    radio_.meters.TurnOnLMeter();
}

} // namespace dorv
