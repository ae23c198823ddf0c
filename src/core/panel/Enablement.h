#pragma once

#include "host/Timer.h"
#include "model/Units.h"

#include <string>

namespace dorv {

class CatLink;
class Host;
class Mck;
struct PanelState;
class QuickMemory;
struct RadioState;
struct ButtonState;
struct PanelState;

// Which function buttons may be pressed in the current state, and the blink timer.
class Enablement {
public:
    Enablement(Host &host, RadioState &state, PanelState &panel, CatLink &link, Mck &mck,
               QuickMemory &quick);

    // The panel states that decide the buttons, first match wins.
    enum class PanelMode { Off, QM, MCK, SUB, KEY, PRI, CLR, JOG, RUN, ARM, MR, VFO, PMS, None };

    void ToggleFunctionButtons();
    void TimerDelay_Timer();

    // The state ToggleFunctionButtons picks from the flags; None for an operating state
    // outside MR, VFO and PMS.
    PanelMode CurrentPanelMode() const;
    // Whether the button would be enabled in the current state with the clarifier off.
    bool EnabledWithoutClarifier(ButtonState PanelState::*button) const;

    // Blinks the indicators of pending functions and ends quick memory selection.
    // 500 ms at start; SUB and MCK set it to 250 ms.
    Timer TimerDelay{"TimerDelay"};
    // "ONE" or "TWO" (first or second press of MCK) or "OFF".
    std::string TimerDelayTag = "OFF";

private:
    PanelMode panelMode(bool clarOn) const;

    Host &host_;

    RadioState &state_;

    PanelState &panel_;

    CatLink &link_;

    Mck &mck_;

    QuickMemory &quick_;
};

} // namespace dorv
