#include "app/UpdateIntervals.h"

#include "Radio.h"
#include "app/MenuCaptions.h"

#include <cstdint>

namespace dorv {

// An interval of 0 stops a timer firing but leaves its Enabled flag alone, so a scan or
// search waiting with the interval OFF continues once another interval is chosen.
void UpdateIntervals::mnuScanSpeed_Click(int Index)
{
    int interval = 0;
    if (!CheckChoice(radio_.panel.mnuScanSpeed, kScanSpeedChoices, Index, interval)) {
        return;
    }
    radio_.scan.TimerScanner.setInterval(interval);
    radio_.scan.TimerScannerMR.setInterval(interval);
    radio_.state.Settings.ScanSpeed = static_cast<std::int16_t>(Index);
}

int UpdateIntervals::ScanInterval() const
{
    return radio_.scan.TimerScanner.interval();
}

int UpdateIntervals::PriInterval() const
{
    return radio_.pri.TimerPriorityMonitor.interval();
}

void UpdateIntervals::mnuMeterSpeed_Click(int Index)
{
    int interval = 0;
    if (!CheckChoice(radio_.panel.mnuMeterSpeed, kMeterSpeedChoices, Index, interval)) {
        return;
    }
    radio_.meters.TimerSignalMeter.setInterval(interval);
    radio_.meters.TimerPowerMeter.setInterval(interval);
    radio_.state.Settings.MeterSpeed = static_cast<std::int16_t>(Index);
}

void UpdateIntervals::mnuPRIspeed_Click(int Index)
{
    int interval = 0;
    if (!CheckChoice(radio_.panel.mnuPRIspeed, kPriSpeedChoices, Index, interval)) {
        return;
    }
    radio_.pri.TimerPriorityMonitor.setInterval(interval);
    radio_.state.Settings.PriSpeed = static_cast<std::int16_t>(Index);
}

void UpdateIntervals::mnuPauseInterval_Click(int Index)
{
    if (!CheckChoice(radio_.panel.mnuPauseInterval, kPauseIntervalChoices, Index,
                     radio_.state.PauseTime)) {
        return;
    }
    radio_.state.Settings.PauseInterval = static_cast<std::int16_t>(Index);
}

} // namespace dorv
