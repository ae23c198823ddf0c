#pragma once

namespace dorv {

class Meters;
struct PanelState;
class PriorityMonitor;
struct RadioState;
class Scanner;

// The "Update Intervals" menus: how often the program scans, polls the meters and checks
// the priority channel, and how long a scan holds on a busy signal. Each click ticks its
// item, puts the value into effect and stores the index in the settings.
class UpdateIntervals {
public:
    UpdateIntervals(RadioState &state, PanelState &panel, Meters &meters, Scanner &scan,
                    PriorityMonitor &pri)
        : state_(state), panel_(panel), meters_(meters), scan_(scan), pri_(pri)
    {
    }

    void mnuScanSpeed_Click(int Index);
    void mnuMeterSpeed_Click(int Index);
    void mnuPRIspeed_Click(int Index);
    void mnuPauseInterval_Click(int Index);

    // The chosen intervals in ms (0 = OFF) of TimerScanner and TimerScannerMR, and of
    // TimerPriorityMonitor.
    int ScanInterval() const;
    int PriInterval() const;

private:
    RadioState &state_;
    PanelState &panel_;
    Meters &meters_;
    Scanner &scan_;
    PriorityMonitor &pri_;
};

} // namespace dorv
