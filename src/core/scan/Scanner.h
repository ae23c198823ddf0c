#pragma once

#include "host/StepPacer.h"
#include "host/Timer.h"

namespace dorv {

class CatCommands;
class CatLink;
class Enablement;
class Host;
class Keypad;
class MemoryMode;
class Meters;
class ScanCheck;
struct PanelState;
struct RadioState;
class Tuning;
class VfoOps;

// SCAN: the VFO scan through the tuning range and the memory scan through the memory
// channels, each one step per tick of its timer, holding on busy channels. The VFO scan's
// stepping also carries SEARCH.
class Scanner {
public:
    Scanner(Host &host, RadioState &state, PanelState &panel, CatLink &link, CatCommands &cat,
            Meters &meters, ScanCheck &scanCheck, VfoOps &vfo, Enablement &enablement,
            Tuning &tuning, Keypad &keypad, MemoryMode &memory);

    // Arms SCAN and starts upward, or disarms it. In memory state with MCK on it toggles
    // the skip flag of the channel shown instead.
    void SCANbutton_Click();
    // What SCAN does when armed: the scan stops and SCAN goes off. POWER off ends SCAN
    // here, so that an open keypad entry cannot take the press as its digit 4.
    void Disarm();
    // With SCAN armed: start a scan in the button's direction, or stop the running one.
    void btnJogUp_Click();
    void btnJogDown_Click();
    // Loads the next memory in Direction (-1 or 1) that takes part in scanning. False when
    // none does (every memory in use skipped or outside the selected banks).
    bool ChangeMemoryScanning(int Direction);

    // One VFO step now and the next ones on TimerScanner's ticks; ends any step still
    // listening from an earlier run.
    void StartVfoStepping();
    // Stops both scan timers and every step still listening: ScanDirection := 0.
    void StopStepping();

    // Both tick at the scanning interval (0 = OFF) and start disabled.
    Timer TimerScanner{"TimerScanner"};
    Timer TimerScannerMR{"TimerScannerMR"};

private:
    void TimerScanner_Timer();
    void TimerScannerMR_Timer();
    // One tick of either scan: listen with `check` until it says move on, then `step` one
    // interval after the previous step, unless the scan stops or restarts meanwhile.
    template <typename Check, typename Step> void RunTick(StepPacer &pacer, Check check, Step step);
    void JogClick(int direction);
    void StartScan(int direction);
    void StopScan();
    void Arm();
    // The split memory's transmit VFO back on the radio's other VFO, or the radio's split
    // off: what a memory scan changed at the radio is put right when it stops.
    void RestoreMemorySplit();
    void ToggleSkip();

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatLink &link_;

    CatCommands &cat_;

    Meters &meters_;

    ScanCheck &scanCheck_;

    VfoOps &vfo_;

    Enablement &enablement_;

    Tuning &tuning_;

    Keypad &keypad_;

    MemoryMode &memory_;
    unsigned run_ = 0; // counts starts and stops, so a tick can tell its run has ended
    StepPacer pacer_{host_, TimerScanner};
    StepPacer pacerMR_{host_, TimerScannerMR};
};

} // namespace dorv
