#include "cat/Meters.h"

#include "cat/CatCommands.h"
#include "cat/CatLink.h"
#include "host/Host.h"
#include "model/BandCopies.h"
#include "model/CodeTables.h"
#include "model/DescriptionText.h"
#include "model/FreqRounding.h"
#include "model/MemoryStore.h"
#include "model/PanelState.h"
#include "model/RadioReach.h"
#include "model/RadioState.h"
#include "model/ReadoutFormat.h"

#include <algorithm>
#include <cmath>

namespace dorv {

namespace {

constexpr int kDefaultMeterIntervalMs = 1000;
constexpr std::uint8_t kToneBit = 0x40;
constexpr std::uint8_t kOffCentre = 0x20;

constexpr double kReadBackSettleSeconds = 0.2;
constexpr double kReadBackTrySeconds = 0.1;
constexpr int kReadBackTries = 6;
constexpr int kFreqModeReplyLength = 5;

// Power reading of the TX status byte, stepped for the meter.
double SteppedPower(int p)
{
    if (p >= 8) {
        return 5.0;
    }
    if (p >= 5) {
        return 2.5;
    }
    if (p >= 2) {
        return 1.0;
    }
    return p == 1 ? 0.5 : 0.0;
}

// Mode index of the mode byte of the frequency-and-mode reply; unknown codes read as USB.
int ModeFromReply(std::uint8_t code)
{
    const int mode = ModeFromCatCode(code & 0x7F);
    return mode < 0 ? ModeUSB : mode;
}

struct BandRange {
    Freq low;
    Freq high; // inclusive
    int band;
};

constexpr BandRange kBandRanges[] = {
    {10000, 275000, 11},   {275000, 550000, 10},  {550000, 850000, 9},     {850000, 1200000, 8},
    {1200000, 1600000, 7}, {1600000, 1950000, 6}, {1950000, 2300000, 5},   {2300000, 2650000, 4},
    {2650000, 3699999, 3}, {3700000, 7600000, 2}, {10800000, 17400000, 1}, {42000000, 51200000, 0},
};

} // namespace

Meters::Meters(Host &host, RadioState &state, PanelState &panel, CatLink &link, CatCommands &cat)
    : host_(host), state_(state), panel_(panel), link_(link), cat_(cat)
{
    for (Timer *timer : {&TimerSignalMeter, &TimerPowerMeter}) {
        timer->setInterval(kDefaultMeterIntervalMs);
        link_.AttachTimer(*timer);
    }
    TimerSignalMeter.setTickHandler([this] { TimerSignalMeter_Timer(); });
    TimerPowerMeter.setTickHandler([this] { TimerPowerMeter_Timer(); });
}

void Meters::TimerSignalMeter_Timer()
{
    TimerSignalMeter.setEnabled(false);
    bool gotReply = false;
    ReadRxStatus(gotReply);
    TimerSignalMeter.setEnabled(true);
}

void Meters::TimerPowerMeter_Timer()
{
    TimerPowerMeter.setEnabled(false);
    bool gotReply = false;
    ReadTxStatus(gotReply);
    TimerPowerMeter.setEnabled(true);
}

// While the band scope sweeps, its steps alone ask for the receiver status: a poll of the
// meter would discard the reply a step waits for.
void Meters::TurnOnLMeter()
{
    if (state_.ScopeSweeping) {
        return;
    }
    link_.DiscardReplies();
    ForgetRequests();
    TimerSignalMeter.setEnabled(true);
}

void Meters::TurnOffLMeter()
{
    TimerSignalMeter.setEnabled(false);
    link_.DiscardReplies();
    ForgetRequests();
    txStatus_ = 0;
    PanelState &p = panel_;
    p.LMeter[0].End = 0;
    p.LMeter[2].Value = 0;
    p.lblBusy.Visible = false;
}

void Meters::ForgetRequests()
{
    rxRequestPending_ = false;
    txRequestPending_ = false;
}

void Meters::RequestStatus(std::uint8_t opcode)
{
    link_.Ask(MakeFrame(opcode));
}

std::uint8_t Meters::TakeStatusByte()
{
    const Bytes bytes = link_.TakeReply(1);
    return bytes.empty() ? kNoSignal : bytes.front();
}

void Meters::NoteUnanswered()
{
    if (++unansweredPolls_ >= kSilentPolls && !panel_.RadioNotAnswering) {
        panel_.RadioNotAnswering = true;
        BlankMeter();
        host_.panelChanged();
    }
}

void Meters::NoteAnswered()
{
    unansweredPolls_ = 0;
    panel_.RadioNotAnswering = false;
}

void Meters::BlankMeter()
{
    PanelState &p = panel_;
    Peak = 0;
    HoldTicks = 0;
    p.LMeter[0].End = 0;
    SetIndicator1(0, 0);
    p.LMeter[2].Value = 0;
    p.lblBusy.Visible = false;
}

void Meters::SetIndicator1(double start, double end)
{
    panel_.LMeter[1].Start = start;
    panel_.LMeter[1].End = end;
}

int Meters::ApplyCentring(int b)
{
    if (b >= kToneBit) {
        b -= kToneBit;
    }
    if (b < kOffCentre) {
        state_.SignalCentred = true;
        if (state_.MainVfo.Mode == ModeFM) {
            SetIndicator1(2.25, 2.75);
        } else {
            SetIndicator1(0, 0);
        }
    } else {
        state_.SignalCentred = false;
        b -= kOffCentre;
        SetIndicator1(1, 4);
    }
    return b;
}

int Meters::ApplySearchCentring(int b)
{
    RadioState &s = state_;
    if (b >= kToneBit) {
        b -= kToneBit;
    }
    if (b < kOffCentre) {
        s.SignalCentred = true;
        if (s.MainVfo.Mode == ModeFM) {
            SetIndicator1(7, 8);
        } else {
            SetIndicator1(0, 0);
        }
    } else {
        s.SignalCentred = false;
        b -= kOffCentre;
        if (s.PauseTime == 0) {
            SetIndicator1(3, 12);
        }
    }
    return b;
}

void Meters::ReadRxStatus(bool &GotReply)
{
    GotReply = false;
    if (rxRequestPending_ && link_.RepliesWaiting() > 0) {
        GotReply = true;
        ShowRxStatus();
        return;
    }
    if (rxRequestPending_) {
        // A reply still on its way over a slow link is waited for, not asked again.
        if (!link_.ReplyOverdue(0)) {
            return;
        }
        NoteUnanswered();
    }
    // Where the port tells of arriving bytes, the reply is shown as it comes, and the next
    // tick asks again: one request each interval, and no tick spent only on reading.
    link_.Ask(MakeFrame(Opcode::RxStatus), [this] {
        if (rxRequestPending_) {
            ShowRxStatus();
        }
    });
    rxRequestPending_ = true;
}

void Meters::ShowRxStatus()
{
    rxRequestPending_ = false;
    const bool wasSilent = panel_.RadioNotAnswering;
    NoteAnswered();
    int b = TakeStatusByte();
    panel_.lblBusy.Visible = b < kNoSignal;
    if (b >= kNoSignal) {
        b -= kNoSignal;
    }
    ShowSignalMeter(ApplyCentring(b));
    // Most readings move the meter at most; the first after a silence also clears the
    // status bar's warning.
    if (wasSilent) {
        host_.panelChanged();
    } else {
        host_.meterChanged();
    }
}

void Meters::ReadTxStatus(bool &GotReply)
{
    GotReply = false;
    if (!txRequestPending_ || link_.RepliesWaiting() == 0) {
        if (txRequestPending_) {
            if (!link_.ReplyOverdue(0)) {
                return;
            }
            NoteUnanswered();
        }
        RequestStatus(Opcode::TxStatus);
        txRequestPending_ = true;
    }
    if (link_.RepliesWaiting() == 0) {
        return;
    }
    GotReply = true;
    txRequestPending_ = false;
    NoteAnswered();
    txStatus_ = TakeStatusByte();
    SetIndicator1(0, SteppedPower(txStatus_ & 0x1F));
    host_.panelChanged();
}

void Meters::ShowSignalMeter(int S)
{
    PanelState &p = panel_;
    p.LMeter[0].End = S;
    if (S >= Peak && S > 0) {
        Peak = S;
        p.LMeter[2].Value = Peak;
        // Ticks in one second; with the meter OFF the scan checks still call here,
        // so the peak then holds for a single call.
        const int interval = TimerSignalMeter.interval();
        HoldTicks = interval > 0 ? static_cast<int>(1000.0 / interval + 0.5) : 1;
    }
    if (HoldTicks < 1) {
        Peak = std::max(Peak - 1, 0);
        p.LMeter[2].Value = Peak;
        HoldTicks = 0;
    }
    --HoldTicks;
}

int Meters::PollScanStatus(bool &SendRequest)
{
    // A request left unanswered is asked again, so a reply that was lost does not keep
    // the scan waiting for good, and a silent radio shows on the panel as with the meter.
    if (!SendRequest && link_.ReplyOverdue(kScanReplySeconds)) {
        NoteUnanswered();
        SendRequest = true;
    }
    if (SendRequest) {
        RequestStatus(Opcode::RxStatus);
        SendRequest = false;
    }
    if (link_.RepliesWaiting() == 0) {
        return -1;
    }
    NoteAnswered();
    return TakeStatusByte();
}

bool Meters::HoldOnBusyChannel(bool onlyWhileCentred)
{
    RadioState &s = state_;
    TimerSignalMeter.setEnabled(true);
    const double end = host_.now() + s.PauseTime;
    while (host_.now() < end && (!onlyWhileCentred || s.SignalCentred)) {
        host_.yieldUntil(end);
        if (s.ScanDirection == 0) {
            return false;
        }
    }
    TimerSignalMeter.setEnabled(false);
    link_.DiscardReplies();
    ForgetRequests();
    return true;
}

void Meters::ReadRadioFreqMode()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    // No other frame may come between the request and its reply.
    const CatLink::Sequence sequence{link_};
    link_.SettleReplies(kReadBackSettleSeconds);
    // The reply belongs to the VFO operated when it is asked for, whatever a handler
    // running during the wait changes.
    const bool sub = s.SubActive;
    link_.Ask(MakeFrame(Opcode::ReadFreqMode));
    const double giveUp = host_.now() + link_.ReplyWait(kReadBackTries * kReadBackTrySeconds);
    Bytes reply;
    while (host_.now() < giveUp) {
        Pause(host_, kReadBackTrySeconds);
        if (link_.RepliesWaiting() >= kFreqModeReplyLength) {
            reply = link_.TakeReply(kFreqModeReplyLength);
            break;
        }
    }
    if (reply.size() < kFreqModeReplyLength) {
        return;
    }
    // A reply that is not BCD, or names a frequency the radio cannot be on (garbage on the
    // line), is not a frequency: keep the VFO as it is.
    const auto freq = DecodeFrequency(reply.data());
    if (!freq || !RadioReaches(*freq)) {
        return;
    }
    const auto mode = static_cast<std::int16_t>(ModeFromReply(reply[4]));
    if (sub) {
        s.SubVfo.Frequency = *freq;
        MoveSubVfoToBand(s, BandFromFreq(*freq, s.SubBand));
        p.ledSubFreq = FormatFrequency(*freq);
        s.SubVfo.Mode = mode;
        cat_.SendModeToRadioSB();
    } else {
        s.MainVfo.Frequency = *freq;
        MoveMainVfoToBand(s, BandFromFreq(*freq, s.MainBand));
        p.ledFreq = FormatFrequency(*freq);
        s.MainVfo.Mode = mode;
        cat_.SendModeToRadioMB();
        if (s.Settings.Ars144 || s.Settings.Ars430) {
            cat_.AutoRepeaterShift();
        }
    }
}

int Meters::BandFromFreq(Freq freq, int Default)
{
    for (const auto &r : kBandRanges) {
        if (freq >= r.low && freq <= r.high) {
            return r.band;
        }
    }
    return Default;
}

} // namespace dorv
