#include "Radio.h"
#include "panel/ReadoutFormat.h"
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
    radio_.host.panelChanged();
}

// Both would retune the radio and take each other's status replies: a sweep waits until
// the panel's scan, search or priority monitor has ended.
void BandScope::StartSweep()
{
    RadioState &s = radio_.state;
    if (s.ScanOn || s.SearchOn || s.PriOn) {
        radio_.host.beep();
        radio_.host.messageBox(kPanelBusyText, "Band Scope", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    view().cmdSCAN = "STOP";
    radio_.meters.TurnOffLMeter();
    ChangeScanStep();
    s.MainVfo.Frequency = ScopeStart;
    radio_.cat.SendFreqToRadioMB(s.MainVfo.Frequency);
    ShowCurrent(s.MainVfo.Frequency);
    RestartChart();
    sweep_ = {};
    s.ScopeSweeping = true;
    ++sweepGeneration_;
    TimerScope.setEnabled(true);
}

void BandScope::StopSweep()
{
    view().cmdSCAN = "START";
    view().NotAnswering = false;
    radio_.state.ScopeSweeping = false;
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
    RadioState &s = radio_.state;
    TimerScope.setEnabled(false);
    // A link switched off ends the sweep: nothing answers any more.
    if (!s.CatOn) {
        StopSweep();
        radio_.host.panelChanged();
        return;
    }
    radio_.port.discardInput();
    ScopeStatusIn = false;
    ScopeSendRequest = true;
    const unsigned generation = sweepGeneration_;
    while (!ScopeStatusIn) {
        radio_.host.yield();
        if (generation != sweepGeneration_) {
            return;
        }
        if (!s.CatOn) {
            StopSweep();
            radio_.host.panelChanged();
            return;
        }
        ReadRxStatusScope();
    }
    if (s.MainVfo.Frequency < ScopeEnd && StepSweep()) {
        TimerScope.setEnabled(true);
        return;
    }
    FinishSweep();
    if (ScopeSettings.ContinuousScan == 0) {
        s.MainVfo.Frequency = ScopeStart;
        ShowCurrent(ScopeStart);
        RestartChart();
        ChartAddSample(view().stripScope, {ScopeStart, 0});
        StepSweep();
        TimerScope.setEnabled(true);
    } else {
        ShowCurrent(s.MainVfo.Frequency);
        StopSweep();
    }
    radio_.host.panelChanged();
}

bool BandScope::StepSweep()
{
    RadioState &s = radio_.state;
    const Freq next = s.MainVfo.Frequency + ScopeStep;
    if (next >= s.BandTable.TuneUpper[s.MainBand]) {
        return false;
    }
    s.MainVfo.Frequency = next;
    radio_.cat.SendFreqToRadioMB(next);
    if (ArsRuleHolds(s)) {
        radio_.cat.AutoRepeaterShift();
    }
    return true;
}

void BandScope::ReadRxStatusScope()
{
    ScopeWindowState &v = view();
    if (ScopeSendRequest) {
        // Whatever waits now came before the request and is not its reply.
        radio_.port.discardInput();
        radio_.link.write(MakeFrame(Opcode::RxStatus));
        ScopeSendRequest = false;
        requestTime_ = radio_.host.now();
    }
    if (radio_.port.bytesAvailable() == 0) {
        if (!v.NotAnswering && radio_.host.now() - requestTime_ >= kSilentSeconds) {
            v.NotAnswering = true;
            radio_.host.panelChanged();
        }
        return;
    }
    const Bytes reply = radio_.port.read(1);
    radio_.port.discardInput();
    const int S = reply.empty() ? 0 : reply.front() & kSValueMask;
    ScopeStatusIn = true;
    ScopeSendRequest = true;
    v.NotAnswering = false;

    const Freq freq = radio_.state.MainVfo.Frequency;
    v.txtCurrent = FormatFrequency(freq);
    ScopeChartState &chart = v.stripScope;
    ChartSetPosition(chart, freq / 100.0);
    ChartAddSample(chart, {freq, S});
    chart.Marker = freq / 100.0;
    sweep_.Readings.push_back({freq, S});
    radio_.host.panelChanged();
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
