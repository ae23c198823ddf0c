#include "scan/Scanner.h"

#include "Radio.h"

namespace dorv {

namespace {

constexpr int kScanDigit = 4;
constexpr int kStartIntervalMs = 1000;
constexpr Freq kSidebandScanStep = 5; // 50 Hz

const char *const kIntervalOffText =
    "The scan interval under the Settings Menu has been turned off. You must select a scan "
    "interval before scanning can take place.";

} // namespace

Scanner::Scanner(Radio &radio) : radio_(radio)
{
    for (Timer *timer : {&TimerScanner, &TimerScannerMR}) {
        timer->setInterval(kStartIntervalMs);
        radio_.host.attachTimer(*timer);
    }
    TimerScanner.setTickHandler([this] { TimerScanner_Timer(); });
}

void Scanner::SCANbutton_Click()
{
    RadioState &s = radio_.state;
    if (radio_.keypad.DigitButton(kScanDigit)) {
        return;
    }
    const bool scannable = s.OperatingState == StateVFO || s.OperatingState == StatePMS;
    if (!scannable) {
        return;
    }
    if (s.ScanOn) {
        Disarm();
    } else {
        Arm();
    }
    radio_.host.panelChanged();
}

void Scanner::Arm()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    if (TimerScanner.interval() == 0) {
        radio_.host.messageBox(kIntervalOffText, "Scan Interval OFF", MsgIcon::Exclamation,
                               MsgButtons::Ok);
        return;
    }
    s.ScanOn = true;
    p.lblSCAN.Visible = true;
    s.ScanDirection = 0;
    radio_.enablement.ToggleFunctionButtons();
    radio_.tuning.ChangeTuningKnob();
    StartScan(1);
}

void Scanner::Disarm()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    s.ScanOn = false;
    p.lblSCAN.Visible = false;
    p.lblBusy.Visible = false;
    StopStepping();
    radio_.meters.TurnOnLMeter();
    radio_.enablement.ToggleFunctionButtons();
    radio_.tuning.ChangeTuningKnob();
}

void Scanner::btnJogUp_Click()
{
    JogClick(1);
}

void Scanner::btnJogDown_Click()
{
    JogClick(-1);
}

// Without SCAN armed the jog buttons tune on press and release; a click does nothing more.
void Scanner::JogClick(int direction)
{
    if (!radio_.state.ScanOn) {
        return;
    }
    if (radio_.state.ScanDirection == 0) {
        StartScan(direction);
    } else {
        StopScan();
    }
    radio_.host.panelChanged();
}

void Scanner::StartScan(int direction)
{
    RadioState &s = radio_.state;
    radio_.meters.TurnOffLMeter();
    radio_.port.discardInput();
    s.ScanDirection = direction;
    radio_.tuning.ChangeTuningKnob();
    radio_.enablement.ToggleFunctionButtons();
    const Freq step = s.MainVfo.Mode <= ModeCWR
                          ? kSidebandScanStep
                          : s.Settings.ChannelStep[s.MainBand][s.MainVfo.Mode];
    s.ScanStep = direction < 0 ? -step : step;
    s.MainVfo.Frequency = radio_.tuning.RoundFreqToStep(s.MainVfo.Frequency, s.ScanStep);
    StartVfoStepping();
}

void Scanner::StopScan()
{
    StopStepping();
    radio_.tuning.ChangeTuningKnob();
    radio_.enablement.ToggleFunctionButtons();
    radio_.port.discardInput();
    radio_.meters.TurnOnLMeter();
}

void Scanner::StartVfoStepping()
{
    ++run_;
    radio_.cat.StepFrequency();
    TimerScanner.setEnabled(true);
}

void Scanner::StopStepping()
{
    ++run_;
    TimerScanner.setEnabled(false);
    TimerScannerMR.setEnabled(false);
    radio_.state.ScanDirection = 0;
}

template <typename Check, typename Step> void Scanner::RunTick(Timer &timer, Check check, Step step)
{
    RadioState &s = radio_.state;
    timer.setEnabled(false);
    radio_.port.discardInput();
    const unsigned run = run_;
    bool MoveOn = false;
    bool SendRequest = true;
    // Clicks are handled inside the waits: a stop, or a stop and a new start, ends this tick.
    const auto running = [&] { return run == run_ && s.ScanDirection != 0; };
    while (running()) {
        if (MoveOn) {
            if (step()) {
                timer.setEnabled(true);
            }
            radio_.host.panelChanged();
            return;
        }
        radio_.host.yield();
        if (running()) {
            check(MoveOn, SendRequest);
        }
    }
}

void Scanner::TimerScanner_Timer()
{
    RunTick(
        TimerScanner,
        [this](bool &MoveOn, bool &SendRequest) {
            radio_.meters.ReadRxStatusSearch(MoveOn, SendRequest);
        },
        [this] {
            radio_.cat.StepFrequency();
            return true;
        });
}

} // namespace dorv
