#pragma once

#include "model/Units.h"

#include <array>

namespace dorv {

class Radio;
struct ButtonState;
struct PanelState;

// Keyboard control of the panel: every key calls the handler of its button. A key acts
// only while its button (or knob) is usable, so the keyboard obeys the same enabling
// as the mouse. The GUI swallows every key after handing it here.
class Keyboard {
public:
    explicit Keyboard(Radio &radio) : radio_(radio) {}

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
    void digitKey(int digit);
    void functionKey(int KeyCode);

    template <typename Handler> void press(const ButtonState &button, Handler handler);
    bool bandKeyUsable(ButtonState PanelState::*button) const;

    std::array<bool, 3> knobKeyHeld_{}; // main, clarifier, channel
    int jogKey_ = 0;                    // D or U while a jog key is held, else 0
    bool mckKeyHeld_ = false;           // Ctrl+M pressed MCK and its key is still down
    bool spaceKeyHeld_ = false;         // the space bar is down
    Radio &radio_;
};

} // namespace dorv
