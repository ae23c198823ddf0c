#include "scan/Scanner.h"

#include "Radio.h"
#include "model/MemoryStore.h"
#include "panel/ReadoutFormat.h"
#include "scan/SweepGuard.h"

namespace dorv {

namespace {

constexpr int kScanDigit = 4;
constexpr int kStartIntervalMs = 1000;
constexpr Freq kSidebandScanStep = 5; // 50 Hz

const char *const kIntervalOffText =
    "The scan interval under the Settings Menu has been turned off. You must select a scan "
    "interval before scanning can take place.";
const char *const kNothingToScanText =
    "No memory channel can be scanned: every memory in use is skipped or outside the "
    "selected banks. Banks are chosen under Memory > Manager.";

bool TakesPartInScanning(const MemoryChannel &m)
{
    return m.inUse() && !m.Skip && m.BankSelected;
}

} // namespace

Scanner::Scanner(Radio &radio) : radio_(radio)
{
    for (Timer *timer : {&TimerScanner, &TimerScannerMR}) {
        timer->setInterval(kStartIntervalMs);
        radio_.link.AttachTimer(*timer);
    }
    TimerScanner.setTickHandler([this] { TimerScanner_Timer(); });
    TimerScannerMR.setTickHandler([this] { TimerScannerMR_Timer(); });
}

void Scanner::SCANbutton_Click()
{
    RadioState &s = radio_.state;
    if (radio_.keypad.DigitButton(kScanDigit)) {
        return;
    }
    if (s.OperatingState == StateMR && s.MckOn) {
        ToggleSkip();
        return;
    }
    // Disarming always works: the memories may have dropped to one or none while armed
    // (manager SAVE, File > Open, a delete in MCK).
    if (s.ScanOn) {
        Disarm();
        radio_.host.panelChanged();
        return;
    }
    const bool scannable = s.OperatingState == StateVFO || s.OperatingState == StatePMS ||
                           (s.OperatingState == StateMR && s.MemoryCount > 1);
    if (scannable) {
        Arm();
        radio_.host.panelChanged();
    }
}

void Scanner::ToggleSkip()
{
    RadioState &s = radio_.state;
    MemoryChannel &m = s.Memories[s.CurrentMemory];
    m.Skip = !m.Skip;
    radio_.panel.lblSKIP.Visible = m.Skip;
    s.MemoryDirty = true;
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
    if (RefusedWhileSweeping(radio_)) {
        return;
    }
    if (s.OperatingState == StateMR) {
        p.lblMemoryDesc.Visible = false;
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
    if (s.OperatingState == StateMR) {
        p.lblMemoryDesc.Visible = true;
        if (s.currentMemoryIsSplit()) {
            radio_.vfo.SendSubVfoOnOtherVfo();
        }
    }
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
    if (s.OperatingState == StateMR) {
        ++run_;
        if (ChangeMemoryScanning(direction)) {
            TimerScannerMR.setEnabled(true);
        }
        return;
    }
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
    if (radio_.state.OperatingState == StateMR) {
        RestoreMemorySplit();
    }
    radio_.tuning.ChangeTuningKnob();
    radio_.enablement.ToggleFunctionButtons();
    radio_.port.discardInput();
    radio_.meters.TurnOnLMeter();
}

void Scanner::RestoreMemorySplit()
{
    if (radio_.state.currentMemoryIsSplit()) {
        radio_.vfo.SendSubVfoOnOtherVfo();
    } else if (radio_.state.SplitAtRadio) {
        radio_.cat.SplitOffToRadio();
    }
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

void Scanner::TimerScannerMR_Timer()
{
    RunTick(
        TimerScannerMR,
        [this](bool &MoveOn, bool &SendRequest) {
            radio_.meters.ReadRxStatusMR(MoveOn, SendRequest);
        },
        [this] { return ChangeMemoryScanning(radio_.state.ScanDirection); });
}

bool Scanner::ChangeMemoryScanning(int Direction)
{
    RadioState &s = radio_.state;
    // One full round at most: with no memory to scan the search ends where it began.
    for (int tried = 0; tried < kMemoryCount; ++tried) {
        s.CurrentMemory = WrapChannel(s.CurrentMemory, Direction);
        if (TakesPartInScanning(s.Memories[s.CurrentMemory])) {
            radio_.panel.ledMRnumber = FormatChannel(s.CurrentMemory);
            radio_.panel.lblMT.Visible = false; // each memory as stored
            radio_.memory.GetMemoryInfo();
            return true;
        }
        radio_.host.yield();
    }
    Disarm();
    radio_.host.messageBox(kNothingToScanText, "Memory Scan", MsgIcon::Exclamation, MsgButtons::Ok);
    return false;
}

} // namespace dorv
