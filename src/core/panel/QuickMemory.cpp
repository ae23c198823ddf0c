#include "panel/QuickMemory.h"

#include "cat/Meters.h"
#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/Enablement.h"
#include "panel/VfoOps.h"

#include <cmath>
#include <string>

namespace dorv {

namespace {
constexpr double kSelectionTimeoutSeconds = 5.0;
} // namespace

void QuickMemory::awaitPosition(bool &pending)
{
    state_.PressTime = host_.now();
    pending = true;
    enablement_.ToggleFunctionButtons();
    enablement_.TimerDelay.setEnabled(true);
    host_.panelChanged();
}

void QuickMemory::STObutton_Click()
{
    awaitPosition(state_.StoPending);
}

void QuickMemory::RCLbutton_Click()
{
    awaitPosition(state_.RclPending);
}

bool QuickMemory::TakePosition(int MemoryPos)
{
    const RadioState &s = state_;
    if (!s.StoPending && !s.RclPending) {
        return false;
    }
    QMBinfo(MemoryPos);
    return true;
}

void QuickMemory::endSelection()
{
    RadioState &s = state_;
    enablement_.TimerDelay.setEnabled(false);
    s.StoPending = false;
    s.RclPending = false;
    panel_.lblQMB.Visible = false;
}

void QuickMemory::QMBinfo(int MemoryPos)
{
    RadioState &s = state_;
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
    enablement_.ToggleFunctionButtons();
    host_.panelChanged();
}

// Only the main VFO comes back; the stored sub VFO is kept but not used.
void QuickMemory::recall(const Entry &e, int MemoryPos)
{
    RadioState &s = state_;
    if (e.QmbMainVfo.Frequency == 0) {
        host_.messageBox("The Quick Memory position " + std::to_string(MemoryPos) +
                             " does not contain any information. Please store "
                             "information in this position before attempting to recall.",
                         "Open Settings File", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    meters_.TurnOffLMeter();
    s.MainVfo = e.QmbMainVfo;
    s.MainBand = e.QmbMainBand;
    vfo_.SendInfoToRadioVFOMB(s.MainVfo.Frequency);
    meters_.TurnOnLMeter();
}

void QuickMemory::TimerDelayTick()
{
    RadioState &s = state_;
    PanelState &p = panel_;
    p.lblQMB.Visible = !p.lblQMB.Visible;
    if (std::abs(host_.now() - s.PressTime) > kSelectionTimeoutSeconds) {
        endSelection(); // dropped without a word
        enablement_.ToggleFunctionButtons();
    }
}

} // namespace dorv
