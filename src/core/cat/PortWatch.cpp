#include "cat/PortWatch.h"

#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "cat/NetworkLink.h"
#include "cat/PortMap.h"
#include "cat/PortRefusalText.h"
#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"

namespace dorv {

PortWatch::PortWatch(Host &host, const std::string &dataDir, RadioState &state, PanelState &panel,
                     CatLink &link, Meters &meters)
    : host_(host), dataDir_(dataDir), state_(state), panel_(panel), link_(link), meters_(meters)
{
    TimerPortWatch.setInterval(kRetryMs);
    TimerPortWatch.setTickHandler([this] { TimerPortWatch_Timer(); });
    link_.AttachTimer(TimerPortWatch);
    TimerPortWatch.setEnabled(true);
}

std::string PortWatch::StatusText(const PanelState &panel)
{
    if (panel.PortRefused.reason != PortRefusal::Reason::None) {
        return PortRefusalStatus(panel.PortRefused);
    }
    if (!panel.LinkCondition.empty()) {
        return panel.LinkCondition;
    }
    if (panel.PortGone && NetworkLink::IsLink(panel.PortGoneDevice)) {
        return "The link to " + panel.PortGoneDevice +
               " is lost. It is tried again until it answers.";
    }
    if (panel.PortGone) {
        return "The serial device " + panel.PortGoneDevice +
               " is gone: plug the radio's cable back in. The link resumes when the device "
               "returns.";
    }
    if (panel.RadioNotAnswering) {
        return "The radio is not answering: check that it is on and that its CAT cable and "
               "rate match the Settings menu.";
    }
    return {};
}

void PortWatch::TimerPortWatch_Timer()
{
    const RadioState &s = state_;
    NoteLinkCondition();
    if (!s.CatOn || !s.PortReady) {
        // The link is off: nothing is asked of the radio, so there is nothing to report; a
        // device that went away is tried again when the link goes on.
        PanelState &p = panel_;
        if (p.PortGone || p.RadioNotAnswering) {
            p.PortGone = false;
            p.RadioNotAnswering = false;
            host_.panelChanged();
        }
        if (!s.CatOn && p.PortRefused.reason != PortRefusal::Reason::None) {
            link_.RetryRefusedPort();
        }
        // A network link keeps trying with the link off too, so that it is there when the
        // link goes on.
        if (s.PortReady && !p.LinkCondition.empty() && !link_.PortIsOpen()) {
            PortRefusal ignored;
            link_.ReopenPort(ignored);
        }
        return;
    }
    if (link_.PortIsOpen()) {
        // A network link connects between ticks (ReopenDevice only started it).
        if (panel_.PortGone) {
            ResumePolling();
        }
        return;
    }
    if (!panel_.PortGone) {
        NoteDeviceGone();
    }
    ReopenDevice();
}

void PortWatch::NoteDeviceGone()
{
    PanelState &p = panel_;
    p.PortGone = true;
    p.PortGoneDevice = PortMap::Load(dataDir_).device(state_.Settings.CommPort);
    meters_.BlankMeter();
    host_.panelChanged();
}

void PortWatch::ReopenDevice()
{
    PortRefusal refusal;
    if (!link_.ReopenPort(refusal)) {
        if (refusal.reason != PortRefusal::Reason::None) {
            link_.ReportRefusal(refusal);
        }
        return;
    }
    if (link_.PortIsOpen()) {
        ResumePolling();
    }
}

void PortWatch::NoteLinkCondition()
{
    std::string condition = link_.LinkCondition();
    if (condition != panel_.LinkCondition) {
        panel_.LinkCondition = std::move(condition);
        host_.panelChanged();
    }
}

void PortWatch::ResumePolling()
{
    panel_.PortGone = false;
    panel_.PortRefused = {};
    // What was asked of the device that went away is forgotten, and a polling meter asks
    // the radio at once rather than a tick later. A meter stopped by an operation in
    // progress is left to that operation to restart.
    Timer &meter = meters_.TimerSignalMeter;
    if (meter.enabled()) {
        meters_.TurnOnLMeter();
        meter.fire();
    } else {
        link_.DiscardReplies();
    }
    host_.panelChanged();
}

} // namespace dorv
