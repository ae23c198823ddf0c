#pragma once

namespace dorv {

class Enablement;
class Host;
class MemoryMode;
struct PanelState;
struct RadioState;
class Tuning;
class VfoOps;

// Memory channel check (MCK): a first press of MCK browses all 1000 memories on the
// channel knob without touching the radio; a second press ends it, and held for more than
// 0.5 s it first writes the VFOs into the browsed memory. The phase of the two presses is
// the TimerDelay tag: "OFF", "ONE" (entered), "TWO" (second press going on).
class Mck {
public:
    Mck(Host &host, RadioState &state, PanelState &panel, VfoOps &vfo, Enablement &enablement,
        Tuning &tuning, MemoryMode &memory)
        : host_(host), state_(state), panel_(panel), vfo_(vfo), enablement_(enablement),
          tuning_(tuning), memory_(memory)
    {
    }

    void MCKbutton_MouseDown();
    void MCKbutton_MouseUp();
    // Ends MCK without writing; in MR the memory current before MCK is recalled again.
    void TurnOffMCK();
    // The TimerDelay tick while MCK is on: blinks "MCK" and performs the held write.
    // True when the write was made.
    bool TimerDelayTick();
    // Shows CurrentMemory on the main readout as browsing does, without sending.
    void ShowBrowsedChannel();
    // REV in MR during MCK: empties the current memory and moves to the previous one in
    // use, or to VFO state when it was the last.
    void DeleteCurrentMemory();

private:
    void DisplayMCKinfo();
    void writeBrowsedMemory();
    // The main readout, its mode, repeater and tone indicators back on the main VFO.
    void showMainVfo();

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    VfoOps &vfo_;

    Enablement &enablement_;

    Tuning &tuning_;

    MemoryMode &memory_;
    bool MckHeld = false; // the MCK button is held down
};

} // namespace dorv
