#include "panel/QuickMemory.h"

#include "Radio.h"

#include <cmath>
#include <string>

namespace dorv {

namespace {
constexpr double kSelectionTimeoutSeconds = 5.0;
} // namespace

void QuickMemory::awaitPosition(bool &pending)
{
    radio_.state.PressTime = radio_.host.now();
    pending = true;
    radio_.enablement.ToggleFunctionButtons();
    radio_.enablement.TimerDelay.setEnabled(true);
    radio_.host.panelChanged();
}

void QuickMemory::STObutton_Click()
{
    awaitPosition(radio_.state.StoPending);
}

void QuickMemory::RCLbutton_Click()
{
    awaitPosition(radio_.state.RclPending);
}

bool QuickMemory::TakePosition(int MemoryPos)
{
    const RadioState &s = radio_.state;
    if (!s.StoPending && !s.RclPending) {
        return false;
    }
    QMBinfo(MemoryPos);
    return true;
}

void QuickMemory::endSelection()
{
    RadioState &s = radio_.state;
    radio_.enablement.TimerDelay.setEnabled(false);
    s.StoPending = false;
    s.RclPending = false;
    radio_.panel.lblQMB.Visible = false;
}

void QuickMemory::QMBinfo(int MemoryPos)
{
    RadioState &s = radio_.state;
    if (MemoryPos < 0 || MemoryPos >= kPositions) {
        return;
    }
    Entry &e = bank_[MemoryPos];
    if (s.StoPending) {
        endSelection();
        e = {s.MainVfo, s.SubVfo, s.MainBand, s.SubBand};
    } else if (s.RclPending) {
        endSelection();
        recall(e, MemoryPos);
    }
    radio_.enablement.ToggleFunctionButtons();
    radio_.host.panelChanged();
}

// Only the main VFO comes back; the stored sub VFO is kept but not used.
void QuickMemory::recall(const Entry &e, int MemoryPos)
{
    RadioState &s = radio_.state;
    if (e.QmbMainVfo.Frequency == 0) {
        radio_.host.messageBox("The Quick Memory position " + std::to_string(MemoryPos) +
                                   " does not contain any information. Please store "
                                   "information in this position before attempting to recall.",
                               "Open Settings File", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    radio_.meters.TurnOffLMeter();
    s.MainVfo = e.QmbMainVfo;
    s.MainBand = e.QmbMainBand;
    radio_.vfo.SendInfoToRadioVFOMB(s.MainVfo.Frequency);
    radio_.meters.TurnOnLMeter();
}

void QuickMemory::TimerDelayTick()
{
    RadioState &s = radio_.state;
    PanelState &p = radio_.panel;
    p.lblQMB.Visible = !p.lblQMB.Visible;
    if (std::abs(radio_.host.now() - s.PressTime) > kSelectionTimeoutSeconds) {
        endSelection(); // dropped without a word
        radio_.enablement.ToggleFunctionButtons();
    }
}

} // namespace dorv
