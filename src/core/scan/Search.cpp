#include "scan/Search.h"

#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/FreqRounding.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/Enablement.h"
#include "panel/Tuning.h"
#include "scan/Scanner.h"
#include "scan/SweepGuard.h"

namespace dorv {

namespace {
const char *const kFmOnlyText = "The search function can only be activated while in FM mode.";
} // namespace

void Search::SEARCHbutton_Click()
{
    RadioState &s = state_;
    if (s.SearchOn) {
        Stop();
    } else if (s.MainVfo.Mode == ModeFM) {
        if (!RefusedWhileSweeping(state_, host_)) {
            Start();
        }
    } else {
        host_.messageBox(kFmOnlyText, "Search Function Warning", MsgIcon::Exclamation,
                         MsgButtons::Ok);
    }
    host_.panelChanged();
}

void Search::Start()
{
    RadioState &s = state_;
    s.SearchOn = true;
    panel_.lblSEARCH.Visible = true;
    meters_.TurnOffLMeter();
    link_.DiscardReplies();
    s.ScanDirection = 1; // a search always runs upward
    tuning_.ChangeTuningKnob();
    enablement_.ToggleFunctionButtons();
    s.ScanStep = s.Settings.ChannelStep[s.MainBand][s.MainVfo.Mode];
    s.MainVfo.Frequency = RoundFreqToStep(s.MainVfo.Frequency, s.ScanStep);
    scan_.StartVfoStepping();
}

void Search::Stop()
{
    RadioState &s = state_;
    scan_.StopStepping();
    s.SearchOn = false;
    panel_.lblSEARCH.Visible = false;
    tuning_.ChangeTuningKnob();
    enablement_.ToggleFunctionButtons();
    link_.DiscardReplies();
    meters_.TurnOnLMeter();
}

} // namespace dorv
