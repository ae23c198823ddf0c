#include "cat/CatLink.h"

#include "cat/PortRefusalText.h"
#include "host/Host.h"
#include "host/SerialPort.h"
#include "host/Timer.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/SettingsDefaults.h"

#include <algorithm>

namespace dorv {

namespace {

const char *const kOpenPortTitle = "Open Communications Port";

// How long a wait for a reply sleeps at most before it looks at the clock again; an
// arriving reply wakes it sooner.
constexpr double kLookSeconds = 0.01;

} // namespace

CatLink::CatLink(Host &host, SerialPort &port, RadioState &state, PanelState &panel)
    : host_(host), port_(port), state_(state), panel_(panel)
{
    port_.setArrivalHandler([this] { OnArrival(); });
}

int CatLink::RateFromIndex(int catRate)
{
    switch (catRate) {
    case 1:
        return 9600;
    case 2:
        return 38400;
    default:
        return 4800;
    }
}

void CatLink::OpenCommPort()
{
    RadioState &s = state_;
    SerialPort &port = port_;
    if (port.isOpen()) {
        port.close();
    }
    const SerialSettings settings{s.Settings.CommPort, RateFromIndex(s.Settings.CatRate)};
    ForgetRoundTrip();
    if (!port.open(settings)) {
        s.PortReady = false;
        const PortRefusal refusal = port.refusal();
        if (refusal.reason != PortRefusal::Reason::None) {
            ReportRefusal(refusal);
            return;
        }
        panel_.PortRefused = {};
        host_.messageBox("Communications port " + std::to_string(settings.portNumber) + " error. " +
                             port.errorString() + "." +
                             " Please select a new comm port from the Settings Menu.",
                         kOpenPortTitle, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    panel_.PortRefused = {};
    port.discardInput();
    s.PortReady = true;
}

void CatLink::ReportRefusal(const PortRefusal &refusal)
{
    panel_.PortRefused = refusal;
    host_.panelChanged();
    const std::string key =
        refusal.device + '\n' + std::to_string(static_cast<int>(refusal.reason));
    if (advised_.insert(key).second) {
        host_.messageBox(PortRefusalText(refusal), kOpenPortTitle, MsgIcon::Exclamation,
                         MsgButtons::Ok);
    }
}

bool CatLink::RetryRefusedPort()
{
    RadioState &s = state_;
    SerialPort &port = port_;
    ForgetRoundTrip();
    if (!port.open({s.Settings.CommPort, RateFromIndex(s.Settings.CatRate)})) {
        const PortRefusal refusal = port.refusal();
        if (refusal.reason != PortRefusal::Reason::None) {
            ReportRefusal(refusal);
        } else {
            panel_.PortRefused = {};
            host_.panelChanged();
        }
        return false;
    }
    panel_.PortRefused = {};
    port.discardInput();
    s.PortReady = true;
    checkPortMenu(s.Settings.CommPort);
    host_.panelChanged();
    return true;
}

void CatLink::checkPortMenu(int Index)
{
    auto &menu = panel_.mnuCommPortArray;
    for (int i = 1; i <= kNoCommPort; ++i) {
        menu[i].Checked = false;
    }
    menu[state_.PortReady ? Index : kNoCommPort].Checked = true;
}

void CatLink::mnuCommPortArray_Click(int Index)
{
    RadioState &s = state_;
    if (s.CatOn) {
        host_.messageBox(
            "Cannot change the Serial Communications Port while the CAT system is in use. Please "
            "turn off the POWER button on the DORV software before changing communications port.",
            "Communications Port Error", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    s.Settings.CommPort = static_cast<std::int16_t>(Index);
    if (Index == kNoCommPort) {
        s.PortReady = false;
        panel_.PortRefused = {};
    } else {
        OpenCommPort();
    }
    checkPortMenu(Index);
    host_.panelChanged();
}

void CatLink::mnuCatRate_Click(int Index)
{
    RadioState &s = state_;
    if (s.CatOn) {
        host_.messageBox("Cannot change the Serial Communications Port Rate while the CAT "
                         "system is in use. Please turn off the POWER button on the DORV "
                         "software before changing communications port.",
                         "Communications Port Error", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    auto &menu = panel_.mnuCatRate;
    for (auto &item : menu) {
        item.Checked = false;
    }
    if (Index >= 0 && Index < static_cast<int>(menu.size())) {
        menu[Index].Checked = true;
    }
    if (Index != s.Settings.CatRate) {
        s.Settings.CatRate = static_cast<std::int16_t>(Index);
        OpenCommPort();
    }
    host_.panelChanged();
}

void CatLink::AttachTimer(Timer &timer)
{
    timer.setTickRunner([this](const std::function<void()> &tick) { gate_.Tick(tick); });
    host_.attachTimer(timer);
}

void CatLink::write(const CatFrame &frame)
{
    port_.write(Bytes(frame.begin(), frame.end()));
}

void CatLink::Ask(const CatFrame &request, std::function<void()> onReply)
{
    Ask(request);
    onReply_ = std::move(onReply);
}

void CatLink::OnArrival()
{
    if (inPortCall_ || !onReply_ || RepliesWaiting() == 0) {
        return;
    }
    const std::function<void()> onReply = std::move(onReply_);
    onReply_ = nullptr;
    gate_.Tick(onReply);
}

void CatLink::Ask(const CatFrame &request)
{
    onReply_ = nullptr;
    const double now = host_.now();
    // Asked again before a reply came: whatever comes next may answer either request, so it
    // is not timed. If the last reply was overdue and a reply does come after all, the link
    // is slower than measured (a silent radio, which sends nothing, changes nothing), and
    // the round trip is at least the time that request waited.
    retried_ = awaiting_;
    if (awaiting_ && now - askedAt_ >= roundTrip_.Timeout()) {
        overdueWait_ = std::max(overdueWait_, now - askedAt_);
    }
    port_.discardInput();
    port_.write(Bytes(request.begin(), request.end()));
    awaiting_ = true;
    askedAt_ = now;
    lastEmptyAt_ = now;
}

void CatLink::ForgetRoundTrip()
{
    roundTrip_.Reset();
    awaiting_ = false;
    overdueWait_ = 0;
}

bool CatLink::ReplyOverdue(double atLeast)
{
    if (RepliesWaiting() > 0) {
        return false;
    }
    return host_.now() - askedAt_ >= ReplyWait(atLeast);
}

double CatLink::ReplyWait(double atLeast) const
{
    return std::max(atLeast, roundTrip_.Timeout());
}

int CatLink::RepliesWaiting()
{
    inPortCall_ = true;
    const int waiting = port_.bytesAvailable();
    inPortCall_ = false;
    if (awaiting_) {
        if (waiting == 0) {
            lastEmptyAt_ = host_.now();
        } else {
            awaiting_ = false;
            if (!retried_) {
                roundTrip_.Sample(lastEmptyAt_ - askedAt_);
            } else if (overdueWait_ > 0) {
                roundTrip_.Sample(overdueWait_);
            }
            overdueWait_ = 0;
        }
    }
    return waiting;
}

Bytes CatLink::TakeReply(int length)
{
    onReply_ = nullptr;
    inPortCall_ = true;
    const Bytes reply = port_.read(length);
    port_.discardInput();
    inPortCall_ = false;
    return reply;
}

void CatLink::DiscardReplies()
{
    RepliesWaiting(); // a reply dropped unread has still come
    onReply_ = nullptr;
    inPortCall_ = true;
    port_.discardInput();
    inPortCall_ = false;
}

void CatLink::SettleReplies(double atLeast)
{
    Pause(host_, atLeast);
    while (awaiting_ && !ReplyOverdue(0)) {
        AwaitEvent();
    }
    DiscardReplies();
}

void CatLink::AwaitEvent()
{
    host_.yieldUntil(host_.now() + kLookSeconds);
}

bool CatLink::PortIsOpen() const
{
    return port_.isOpen();
}

bool CatLink::ReopenPort(PortRefusal &refusal)
{
    const SettingsRecord &settings = state_.Settings;
    ForgetRoundTrip();
    if (port_.open({settings.CommPort, RateFromIndex(settings.CatRate)})) {
        return true;
    }
    refusal = port_.refusal();
    return false;
}

std::string CatLink::LinkCondition() const
{
    return port_.linkCondition();
}

} // namespace dorv
