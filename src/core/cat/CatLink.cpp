#include "cat/CatLink.h"

#include "Radio.h"
#include "cat/PortRefusalText.h"
#include "host/Timer.h"
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
    RadioState &s = radio_.state;
    SerialPort &port = radio_.port;
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
        radio_.panel.PortRefused = {};
        radio_.host.messageBox("Communications port " + std::to_string(settings.portNumber) +
                                   " error. " + port.errorString() + "." +
                                   " Please select a new comm port from the Settings Menu.",
                               kOpenPortTitle, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    radio_.panel.PortRefused = {};
    port.discardInput();
    s.PortReady = true;
}

void CatLink::ReportRefusal(const PortRefusal &refusal)
{
    radio_.panel.PortRefused = refusal;
    radio_.host.panelChanged();
    const std::string key =
        refusal.device + '\n' + std::to_string(static_cast<int>(refusal.reason));
    if (advised_.insert(key).second) {
        radio_.host.messageBox(PortRefusalText(refusal), kOpenPortTitle, MsgIcon::Exclamation,
                               MsgButtons::Ok);
    }
}

bool CatLink::RetryRefusedPort()
{
    RadioState &s = radio_.state;
    SerialPort &port = radio_.port;
    if (!port.open({s.Settings.CommPort, RateFromIndex(s.Settings.CatRate)})) {
        const PortRefusal refusal = port.refusal();
        if (refusal.reason != PortRefusal::Reason::None) {
            ReportRefusal(refusal);
        } else {
            radio_.panel.PortRefused = {};
            radio_.host.panelChanged();
        }
        return false;
    }
    radio_.panel.PortRefused = {};
    port.discardInput();
    s.PortReady = true;
    checkPortMenu(s.Settings.CommPort);
    radio_.host.panelChanged();
    return true;
}

void CatLink::checkPortMenu(int Index)
{
    auto &menu = radio_.panel.mnuCommPortArray;
    for (int i = 1; i <= kNoCommPort; ++i) {
        menu[i].Checked = false;
    }
    menu[radio_.state.PortReady ? Index : kNoCommPort].Checked = true;
}

void CatLink::mnuCommPortArray_Click(int Index)
{
    RadioState &s = radio_.state;
    if (s.CatOn) {
        radio_.host.messageBox(
            "Cannot change the Serial Communications Port while the CAT system is in use. Please "
            "turn off the POWER button on the DORV software before changing communications port.",
            "Communications Port Error", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    s.Settings.CommPort = static_cast<std::int16_t>(Index);
    if (Index == kNoCommPort) {
        s.PortReady = false;
        radio_.panel.PortRefused = {};
    } else {
        OpenCommPort();
    }
    checkPortMenu(Index);
    radio_.host.panelChanged();
}

void CatLink::mnuCatRate_Click(int Index)
{
    RadioState &s = radio_.state;
    if (s.CatOn) {
        radio_.host.messageBox("Cannot change the Serial Communications Port Rate while the CAT "
                               "system is in use. Please turn off the POWER button on the DORV "
                               "software before changing communications port.",
                               "Communications Port Error", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    auto &menu = radio_.panel.mnuCatRate;
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
    radio_.host.panelChanged();
}

void CatLink::AttachTimer(Timer &timer)
{
    timer.setTickRunner([this](const std::function<void()> &tick) { gate_.Tick(tick); });
    radio_.host.attachTimer(timer);
}

void CatLink::write(const CatFrame &frame)
{
    radio_.port.write(Bytes(frame.begin(), frame.end()));
}

} // namespace dorv
