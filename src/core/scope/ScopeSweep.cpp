#include "cat/CatCommands.h"
#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/ReadoutFormat.h"
#include "scope/BandScope.h"
#include "scope/ScopeChart.h"
#include "scope/ScopeExport.h"
#include "scope/ScopeMenuChoices.h"

namespace dorv {

namespace {
// Bits of the RX status byte that are not the S value: no signal, tone, off centre.
constexpr std::uint8_t kSValueMask = 0x1F;
const char *const kPanelBusyText =
    "The band scope cannot sweep while the panel is scanning, searching or watching the "
    "priority channel. Stop that function first.";
} // namespace

void BandScope::cmdSCAN_Click()
{
    if (Sweeping()) {
        StopSweep();
    } else {
        StartSweep();
    }
    host_.panelChanged();
}

// Both would retune the radio and take each other's status replies: a sweep waits until
// the panel's scan, search or priority monitor has ended.
void BandScope::StartSweep()
{
    RadioState &s = state_;
    if (s.ScanOn || s.SearchOn || s.PriOn) {
        host_.beep();
        host_.messageBox(kPanelBusyText, "Band Scope", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    view().cmdSCAN = "STOP";
    meters_.TurnOffLMeter();
    ChangeScanStep();
    s.MainVfo.Frequency = ScopeStart;
    cat_.SendFreqToRadioMB(s.MainVfo.Frequency);
    ShowCurrent(s.MainVfo.Frequency);
    RestartChart();
    sweep_ = {};
    s.ScopeSweeping = true;
    ++sweepGeneration_;
    TimerScope.setEnabled(true);
    pacer_.Start();
}

void BandScope::StopSweep()
{
    view().cmdSCAN = "START";
    view().NotAnswering = false;
    state_.ScopeSweeping = false;
    ++sweepGeneration_;
    TimerScope.setEnabled(false);
    TurnOnMeterIfLinked();
}

void BandScope::RestartChart()
{
    ScopeChartState &chart = view().stripScope;
    ChartRestart(chart, ScopeStart / 100);
    chart.Marker = CurrentKHz;
}

void BandScope::TimerScope_Timer()
{
    RadioState &s = state_;
    if (!pacer_.BeginTick()) {
        return;
    }
    // A link switched off ends the sweep: nothing answers any more.
    if (!s.CatOn) {
        StopSweep();
        host_.panelChanged();
        return;
    }
    link_.DiscardReplies();
    ScopeStatusIn = false;
    ScopeSendRequest = true;
    const unsigned generation = sweepGeneration_;
    while (!ScopeStatusIn) {
        link_.AwaitEvent();
        if (generation != sweepGeneration_) {
            return;
        }
        if (!s.CatOn) {
            StopSweep();
            host_.panelChanged();
            return;
        }
        ReadRxStatusScope();
    }
    if (!pacer_.AwaitStepTime([&] { return generation == sweepGeneration_ && s.CatOn; })) {
        if (generation == sweepGeneration_) {
            StopSweep(); // the link switched off
            host_.panelChanged();
        }
        return;
    }
    pacer_.EndTick();
    if (s.MainVfo.Frequency < ScopeEnd && StepSweep()) {
        pacer_.Stepped();
        return;
    }
    FinishSweep();
    if (ScopeSettings.ContinuousScan == 0) {
        s.MainVfo.Frequency = ScopeStart;
        ShowCurrent(ScopeStart);
        RestartChart();
        ChartAddSample(view().stripScope, {ScopeStart, 0});
        StepSweep();
        pacer_.Stepped();
    } else {
        ShowCurrent(s.MainVfo.Frequency);
        StopSweep();
    }
    host_.panelChanged();
}

bool BandScope::StepSweep()
{
    RadioState &s = state_;
    const Freq next = s.MainVfo.Frequency + ScopeStep;
    if (next >= s.BandTable.TuneUpper[s.MainBand]) {
        return false;
    }
    s.MainVfo.Frequency = next;
    cat_.SendFreqToRadioMB(next);
    if (ArsRuleHolds(s)) {
        cat_.AutoRepeaterShift();
    }
    return true;
}

void BandScope::ReadRxStatusScope()
{
    ScopeWindowState &v = view();
    if (ScopeSendRequest) {
        // Whatever waits now came before the request and is not its reply.
        link_.Ask(MakeFrame(Opcode::RxStatus));
        ScopeSendRequest = false;
    }
    if (link_.RepliesWaiting() == 0) {
        if (!v.NotAnswering && link_.ReplyOverdue(kSilentSeconds)) {
            v.NotAnswering = true;
            host_.panelChanged();
        }
        return;
    }
    const Bytes reply = link_.TakeReply(1);
    const int S = reply.empty() ? 0 : reply.front() & kSValueMask;
    ScopeStatusIn = true;
    ScopeSendRequest = true;
    v.NotAnswering = false;

    const Freq freq = state_.MainVfo.Frequency;
    v.txtCurrent = FormatFrequency(freq);
    ScopeChartState &chart = v.stripScope;
    ChartSetPosition(chart, freq / 100.0);
    ChartAddSample(chart, {freq, S});
    chart.Marker = freq / 100.0;
    sweep_.Readings.push_back({freq, S});
    host_.panelChanged();
}

void BandScope::FinishSweep()
{
    ScopeWindowState &v = view();
    sweep_.FinishedAt = UtcTimestamp();
    v.Waterfall.insert(v.Waterfall.begin(), std::move(sweep_));
    if (v.Waterfall.size() > kWaterfallRows) {
        v.Waterfall.pop_back();
    }
    ++v.CompletedSweeps;
    sweep_ = {};
}

} // namespace dorv
