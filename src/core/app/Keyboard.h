#pragma once

#include "model/Units.h"

#include <array>

namespace dorv {

class BandStepping;
class CatCommands;
class ClarLock;
class Enablement;
class HomeChannels;
class Host;
class Keypad;
class Mck;
class MemoryMode;
class Meters;
class ModeSelect;
struct PanelState;
class Pms;
class Power;
class PriorityMonitor;
class QuickMemory;
struct RadioState;
class Scanner;
class SplitRepeater;
class ToneSquelch;
class Transmit;
class Tuning;
class VfoOps;
struct ButtonState;
struct PanelState;

// Keyboard control of the panel: every key calls the handler of its button. A key acts
// only while its button (or knob) is usable, so the keyboard obeys the same enabling
// as the mouse. The GUI swallows every key after handing it here.
class Keyboard {
public:
    Keyboard(Host &host, RadioState &state, PanelState &panel, CatCommands &cat, Meters &meters,
             Power &power, Transmit &transmit, VfoOps &vfo, Enablement &enablement, Tuning &tuning,
             BandStepping &bands, ModeSelect &mode, ToneSquelch &tone, SplitRepeater &split,
             ClarLock &clar, Keypad &keypad, MemoryMode &memory, Mck &mck, QuickMemory &quick,
             HomeChannels &home, Scanner &scan, Pms &pms, PriorityMonitor &pri)
        : host_(host), state_(state), panel_(panel), cat_(cat), meters_(meters), power_(power),
          transmit_(transmit), vfo_(vfo), enablement_(enablement), tuning_(tuning), bands_(bands),
          mode_(mode), tone_(tone), split_(split), clar_(clar), keypad_(keypad), memory_(memory),
          mck_(mck), quick_(quick), home_(home), scan_(scan), pms_(pms), pri_(pri)
    {
    }

    // Modifier mask: 1 Shift, 2 Ctrl, 4 Alt. Key codes are the platform-neutral codes of
    // KeyCodes.h.
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_KeyUp(int KeyCode, int Shift);

private:
    struct KnobKey {
        int which;     // 1 main, 2 clarifier, 3 channel
        int direction; // 1 up, -1 down
    };
    static KnobKey knobKeyFor(int KeyCode);

    void knobKeyDown(KnobKey k);
    void knobKeyUp(KnobKey k);
    void jogKeyDown(int KeyCode, int direction);
    void jogKeyUp(int KeyCode);
    void mckKeyDown();
    void mckKeyUp();
    void spaceKeyDown();
    void spaceKeyUp();
    void letterKey(int KeyCode, int Shift);
    void shiftLetterKey(int KeyCode); // the mode letters
    void ctrlLetterKey(int KeyCode);
    void plainLetterKey(int KeyCode);
    void clarOrFastKey(int KeyCode);
    void digitKey(int digit);
    void functionKey(int KeyCode);

    template <typename Handler> void press(const ButtonState &button, Handler handler);
    bool bandKeyUsable(ButtonState PanelState::*button) const;

    std::array<bool, 3> knobKeyHeld_{}; // main, clarifier, channel
    int jogKey_ = 0;                    // D or U while a jog key is held, else 0
    bool mckKeyHeld_ = false;           // Ctrl+M pressed MCK and its key is still down
    bool spaceKeyHeld_ = false;         // the space bar is down
    Host &host_;
    RadioState &state_;
    PanelState &panel_;
    CatCommands &cat_;
    Meters &meters_;
    Power &power_;
    Transmit &transmit_;
    VfoOps &vfo_;
    Enablement &enablement_;
    Tuning &tuning_;
    BandStepping &bands_;
    ModeSelect &mode_;
    ToneSquelch &tone_;
    SplitRepeater &split_;
    ClarLock &clar_;
    Keypad &keypad_;
    MemoryMode &memory_;
    Mck &mck_;
    QuickMemory &quick_;
    HomeChannels &home_;
    Scanner &scan_;
    Pms &pms_;
    PriorityMonitor &pri_;
};

} // namespace dorv
