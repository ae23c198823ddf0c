#include "app/UpdateIntervals.h"

#include "cat/Meters.h"
#include "model/MenuCaptions.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "scan/PriorityMonitor.h"
#include "scan/Scanner.h"

#include <cstdint>

namespace dorv {

// An interval of 0 stops a timer firing but leaves its Enabled flag alone, so a scan or
// search waiting with the interval OFF continues once another interval is chosen.
void UpdateIntervals::mnuScanSpeed_Click(int Index)
{
    int interval = 0;
    if (!CheckChoice(panel_.mnuScanSpeed, kScanSpeedChoices, Index, interval)) {
        return;
    }
    scan_.TimerScanner.setInterval(interval);
    scan_.TimerScannerMR.setInterval(interval);
    state_.Settings.ScanSpeed = static_cast<std::int16_t>(Index);
}

int UpdateIntervals::ScanInterval() const
{
    return scan_.TimerScanner.interval();
}

int UpdateIntervals::PriInterval() const
{
    return pri_.TimerPriorityMonitor.interval();
}

void UpdateIntervals::mnuMeterSpeed_Click(int Index)
{
    int interval = 0;
    if (!CheckChoice(panel_.mnuMeterSpeed, kMeterSpeedChoices, Index, interval)) {
        return;
    }
    meters_.TimerSignalMeter.setInterval(interval);
    meters_.TimerPowerMeter.setInterval(interval);
    state_.Settings.MeterSpeed = static_cast<std::int16_t>(Index);
}

void UpdateIntervals::mnuPRIspeed_Click(int Index)
{
    int interval = 0;
    if (!CheckChoice(panel_.mnuPRIspeed, kPriSpeedChoices, Index, interval)) {
        return;
    }
    pri_.TimerPriorityMonitor.setInterval(interval);
    state_.Settings.PriSpeed = static_cast<std::int16_t>(Index);
}

void UpdateIntervals::mnuPauseInterval_Click(int Index)
{
    if (!CheckChoice(panel_.mnuPauseInterval, kPauseIntervalChoices, Index, state_.PauseTime)) {
        return;
    }
    state_.Settings.PauseInterval = static_cast<std::int16_t>(Index);
}

} // namespace dorv
