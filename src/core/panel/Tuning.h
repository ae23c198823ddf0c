#pragma once

#include "host/Timer.h"
#include "model/Units.h"

namespace dorv {

class CatCommands;
class CatLink;
class Enablement;
class Host;
class MemoryMode;
class Meters;
struct PanelState;
struct RadioState;
struct KnobState;

// The three knobs, steps and rounding, the jog buttons with auto-repeat, FAST.
class Tuning {
public:
    Tuning(Host &host, RadioState &state, PanelState &panel, CatLink &link, CatCommands &cat,
           Meters &meters, Enablement &enablement, MemoryMode &memory);

    enum KnobNumber { MainKnobNumber = 1, SubKnobNumber = 2, ChannelKnobNumber = 3 };
    static constexpr int Press = -1;
    static constexpr int Release = 1;
    // FAST multiplies the main dial's, the jog's and the MHz buttons' steps by this.
    static constexpr int kFastFactor = 10;

    // WhichKnob 1 main, 2 clarifier, 3 channel; Direction -1 press, 1 release.
    void SetupTuningKnob(int WhichKnob, int Direction);
    void ChangeTuningKnob();
    // Rounds freq onto the grid of Step that starts at a multiple of the step's decimal
    // unit: up for a positive step, down for a negative one. Step 0 leaves freq as it is.

    // Value changes: Value is the knob's new position value (its panel Value plus or
    // minus one for a single step); one call moves at most one step.
    void MainKnob_Change(int Value);
    void SubKnob_Change(int Value);
    void ChannelKnob_Change(int Value);
    void MainKnob_MouseDown();
    void MainKnob_MouseUp();
    void SubKnob_MouseDown();
    void SubKnob_MouseUp();
    void ChannelKnob_MouseDown();
    void ChannelKnob_MouseUp();

    void btnJogDown_MouseDown();
    void btnJogDown_MouseUp();
    void btnJogUp_MouseDown();
    void btnJogUp_MouseUp();
    void tmrKnob_Timer();

    void FASTbutton_Click();

    // The jog step for the direction (-1 down, 1 up): 10 kHz, or 100 kHz with FAST.
    Freq JogStep(int direction) const;
    // The panel state of knob 1 (main), 2 (clarifier) or 3 (channel).
    KnobState &Knob(int WhichKnob);

    // Jog auto-repeat; 200 ms per step while a jog button is held.
    Timer tmrKnob{"tmrKnob"};
    // Re-sends the frequency every 250 ms while a knob is held.
    Timer TimerSendFreq{"TimerSendFreq"};

    Freq KnobStep = 0;       // step of the knob pressed, 10 Hz units
    bool ArsPending = false; // re-check the automatic repeater shift after every step

private:
    void knobPressed(int WhichKnob);
    void knobReleased(int WhichKnob);
    int takeDelta(KnobState &knob, int Value);
    // The link went off or the radio went on the air while a knob or jog was held: its
    // release sends nothing and leaves the meter polling to the link and the transmitter.
    bool holdOverruled() const;
    void jogPress(int direction);
    void jogRelease();

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatLink &link_;

    CatCommands &cat_;

    Meters &meters_;

    Enablement &enablement_;

    MemoryMode &memory_;
    bool clarToggled_ = false; // the clarifier knob's press switched the radio's VFO
    bool browsing_ = false;    // the channel knob was pressed during MCK
    unsigned knobPresses_ = 0; // knob presses so far; tells a release a new gesture began
};

} // namespace dorv
