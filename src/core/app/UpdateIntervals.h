#pragma once

namespace dorv {

class Radio;

// The "Update Intervals" menus: how often the program scans, polls the meters and checks
// the priority channel, and how long a scan holds on a busy signal. Each click ticks its
// item, puts the value into effect and stores the index in the settings.
class UpdateIntervals {
public:
    explicit UpdateIntervals(Radio &radio) : radio_(radio) {}

    void mnuScanSpeed_Click(int Index);
    void mnuMeterSpeed_Click(int Index);
    void mnuPRIspeed_Click(int Index);
    void mnuPauseInterval_Click(int Index);

    // The chosen intervals in ms (0 = OFF) of TimerScanner and TimerScannerMR, and of
    // TimerPriorityMonitor.
    int ScanInterval() const;
    int PriInterval() const;

private:
    Radio &radio_;
};

} // namespace dorv
