#include "cat/CatLink.h"

#include "cat/PortRefusalText.h"
#include "host/Host.h"
#include "host/SerialPort.h"
#include "host/Timer.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/SettingsDefaults.h"

namespace dorv {

namespace {

const char *const kOpenPortTitle = "Open Communications Port";

} // namespace

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

int CatLink::RepliesWaiting()
{
    return port_.bytesAvailable();
}

Bytes CatLink::TakeReply(int length)
{
    const Bytes reply = port_.read(length);
    port_.discardInput();
    return reply;
}

void CatLink::DiscardReplies()
{
    port_.discardInput();
}

bool CatLink::PortIsOpen() const
{
    return port_.isOpen();
}

bool CatLink::ReopenPort(PortRefusal &refusal)
{
    const SettingsRecord &settings = state_.Settings;
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
