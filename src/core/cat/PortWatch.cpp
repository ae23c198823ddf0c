#include "cat/PortWatch.h"

#include "Radio.h"
#include "cat/PortMap.h"
#include "cat/PortRefusalText.h"

namespace dorv {

PortWatch::PortWatch(Radio &radio) : radio_(radio)
{
    TimerPortWatch.setInterval(kRetryMs);
    TimerPortWatch.setTickHandler([this] { TimerPortWatch_Timer(); });
    radio_.link.AttachTimer(TimerPortWatch);
    TimerPortWatch.setEnabled(true);
}

std::string PortWatch::StatusText(const PanelState &panel)
{
    if (panel.PortRefused.reason != PortRefusal::Reason::None) {
        return PortRefusalStatus(panel.PortRefused);
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
    const RadioState &s = radio_.state;
    if (!s.CatOn || !s.PortReady) {
        // The link is off: nothing is asked of the radio, so there is nothing to report; a
        // device that went away is tried again when the link goes on.
        PanelState &p = radio_.panel;
        if (p.PortGone || p.RadioNotAnswering) {
            p.PortGone = false;
            p.RadioNotAnswering = false;
            radio_.host.panelChanged();
        }
        if (!s.CatOn && p.PortRefused.reason != PortRefusal::Reason::None) {
            radio_.link.RetryRefusedPort();
        }
        return;
    }
    if (radio_.port.isOpen()) {
        return;
    }
    if (!radio_.panel.PortGone) {
        NoteDeviceGone();
    }
    ReopenDevice();
}

void PortWatch::NoteDeviceGone()
{
    PanelState &p = radio_.panel;
    p.PortGone = true;
    p.PortGoneDevice = PortMap::Load(radio_.dataDir).device(radio_.state.Settings.CommPort);
    radio_.meters.BlankMeter();
    radio_.host.panelChanged();
}

void PortWatch::ReopenDevice()
{
    const SettingsRecord &settings = radio_.state.Settings;
    if (!radio_.port.open({settings.CommPort, CatLink::RateFromIndex(settings.CatRate)})) {
        const PortRefusal refusal = radio_.port.refusal();
        if (refusal.reason != PortRefusal::Reason::None) {
            radio_.link.ReportRefusal(refusal);
        }
        return;
    }
    radio_.panel.PortGone = false;
    radio_.panel.PortRefused = {};
    // What was asked of the device that went away is forgotten, and a polling meter asks
    // the radio at once rather than a tick later. A meter stopped by an operation in
    // progress is left to that operation to restart.
    Timer &meter = radio_.meters.TimerSignalMeter;
    if (meter.enabled()) {
        radio_.meters.TurnOnLMeter();
        meter.fire();
    } else {
        radio_.port.discardInput();
    }
    radio_.host.panelChanged();
}

} // namespace dorv
