#include "scan/Scanner.h"

#include "cat/CatCommands.h"
#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/FreqRounding.h"
#include "model/MemoryStore.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/ReadoutFormat.h"
#include "panel/Enablement.h"
#include "panel/Keypad.h"
#include "panel/MemoryMode.h"
#include "panel/Tuning.h"
#include "panel/VfoOps.h"
#include "scan/ScanCheck.h"
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

Scanner::Scanner(Host &host, RadioState &state, PanelState &panel, CatLink &link, CatCommands &cat,
                 Meters &meters, ScanCheck &scanCheck, VfoOps &vfo, Enablement &enablement,
                 Tuning &tuning, Keypad &keypad, MemoryMode &memory)
    : host_(host), state_(state), panel_(panel), link_(link), cat_(cat), meters_(meters),
      scanCheck_(scanCheck), vfo_(vfo), enablement_(enablement), tuning_(tuning), keypad_(keypad),
      memory_(memory)
{
    for (Timer *timer : {&TimerScanner, &TimerScannerMR}) {
        timer->setInterval(kStartIntervalMs);
        link_.AttachTimer(*timer);
    }
    TimerScanner.setTickHandler([this] { TimerScanner_Timer(); });
    TimerScannerMR.setTickHandler([this] { TimerScannerMR_Timer(); });
}

void Scanner::SCANbutton_Click()
{
    RadioState &s = state_;
    if (keypad_.DigitButton(kScanDigit)) {
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
        host_.panelChanged();
        return;
    }
    const bool scannable = s.OperatingState == StateVFO || s.OperatingState == StatePMS ||
                           (s.OperatingState == StateMR && s.MemoryCount > 1);
    if (scannable) {
        Arm();
        host_.panelChanged();
    }
}

void Scanner::ToggleSkip()
{
    RadioState &s = state_;
    MemoryChannel &m = s.Memories[s.CurrentMemory];
    m.Skip = !m.Skip;
    panel_.lblSKIP.Visible = m.Skip;
    s.MemoryDirty = true;
    host_.panelChanged();
}

void Scanner::Arm()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    if (TimerScanner.interval() == 0) {
        host_.messageBox(kIntervalOffText, "Scan Interval OFF", MsgIcon::Exclamation,
                         MsgButtons::Ok);
        return;
    }
    if (RefusedWhileSweeping(state_, host_)) {
        return;
    }
    if (s.OperatingState == StateMR) {
        p.lblMemoryDesc.Visible = false;
    }
    s.ScanOn = true;
    p.lblSCAN.Visible = true;
    s.ScanDirection = 0;
    enablement_.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
    StartScan(1);
}

void Scanner::Disarm()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    s.ScanOn = false;
    p.lblSCAN.Visible = false;
    p.lblBusy.Visible = false;
    StopStepping();
    if (s.OperatingState == StateMR) {
        p.lblMemoryDesc.Visible = true;
        if (s.currentMemoryIsSplit()) {
            vfo_.SendSubVfoOnOtherVfo();
        }
    }
    meters_.TurnOnLMeter();
    enablement_.ToggleFunctionButtons();
    tuning_.ChangeTuningKnob();
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
    if (!state_.ScanOn) {
        return;
    }
    if (state_.ScanDirection == 0) {
        StartScan(direction);
    } else {
        StopScan();
    }
    host_.panelChanged();
}

void Scanner::StartScan(int direction)
{
    RadioState &s = state_;
    meters_.TurnOffLMeter();
    link_.DiscardReplies();
    s.ScanDirection = direction;
    tuning_.ChangeTuningKnob();
    enablement_.ToggleFunctionButtons();
    if (s.OperatingState == StateMR) {
        ++run_;
        if (ChangeMemoryScanning(direction)) {
            TimerScannerMR.setEnabled(true);
            pacerMR_.Start();
        }
        return;
    }
    const Freq step = s.MainVfo.Mode <= ModeCWR
                          ? kSidebandScanStep
                          : s.Settings.ChannelStep[s.MainBand][s.MainVfo.Mode];
    s.ScanStep = direction < 0 ? -step : step;
    s.MainVfo.Frequency = RoundFreqToStep(s.MainVfo.Frequency, s.ScanStep);
    StartVfoStepping();
}

void Scanner::StopScan()
{
    StopStepping();
    if (state_.OperatingState == StateMR) {
        RestoreMemorySplit();
    }
    tuning_.ChangeTuningKnob();
    enablement_.ToggleFunctionButtons();
    link_.DiscardReplies();
    meters_.TurnOnLMeter();
}

void Scanner::RestoreMemorySplit()
{
    if (state_.currentMemoryIsSplit()) {
        vfo_.SendSubVfoOnOtherVfo();
    } else if (state_.SplitAtRadio) {
        cat_.SplitOffToRadio();
    }
}

void Scanner::StartVfoStepping()
{
    ++run_;
    cat_.StepFrequency();
    TimerScanner.setEnabled(true);
    pacer_.Start();
}

void Scanner::StopStepping()
{
    ++run_;
    TimerScanner.setEnabled(false);
    TimerScannerMR.setEnabled(false);
    state_.ScanDirection = 0;
}

template <typename Check, typename Step>
void Scanner::RunTick(StepPacer &pacer, Check check, Step step)
{
    RadioState &s = state_;
    if (!pacer.BeginTick()) {
        return;
    }
    link_.DiscardReplies();
    const unsigned run = run_;
    bool MoveOn = false;
    bool SendRequest = true;
    // Clicks are handled inside the waits: a stop, or a stop and a new start, ends this tick.
    const auto running = [&] { return run == run_ && s.ScanDirection != 0; };
    while (running()) {
        if (MoveOn) {
            if (pacer.AwaitStepTime(running) && step()) {
                pacer.Stepped();
            }
            host_.panelChanged();
            break;
        }
        link_.AwaitEvent();
        if (running()) {
            check(MoveOn, SendRequest);
        }
    }
    if (run == run_) {
        pacer.EndTick();
    }
}

void Scanner::TimerScanner_Timer()
{
    RunTick(
        pacer_,
        [this](bool &MoveOn, bool &SendRequest) {
            scanCheck_.ReadRxStatusSearch(MoveOn, SendRequest);
        },
        [this] {
            cat_.StepFrequency();
            return true;
        });
}

void Scanner::TimerScannerMR_Timer()
{
    RunTick(
        pacerMR_,
        [this](bool &MoveOn, bool &SendRequest) { scanCheck_.ReadRxStatusMR(MoveOn, SendRequest); },
        [this] { return ChangeMemoryScanning(state_.ScanDirection); });
}

bool Scanner::ChangeMemoryScanning(int Direction)
{
    RadioState &s = state_;
    // One full round at most: with no memory to scan the search ends where it began.
    for (int tried = 0; tried < kMemoryCount; ++tried) {
        s.CurrentMemory = WrapChannel(s.CurrentMemory, Direction);
        if (TakesPartInScanning(s.Memories[s.CurrentMemory])) {
            panel_.ledMRnumber = FormatChannel(s.CurrentMemory);
            panel_.lblMT.Visible = false; // each memory as stored
            memory_.GetMemoryInfo();
            return true;
        }
        host_.yield();
    }
    Disarm();
    host_.messageBox(kNothingToScanText, "Memory Scan", MsgIcon::Exclamation, MsgButtons::Ok);
    return false;
}

} // namespace dorv
