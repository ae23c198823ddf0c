#pragma once

#include "model/Units.h"

namespace dorv {

class Radio;

// Keyboard control of the panel: every key calls the handler of its button.
class Keyboard {
public:
    explicit Keyboard(Radio &radio) : radio_(radio) {}

    // Modifier mask: 1 Shift, 2 Ctrl, 4 Alt. Key codes are the platform-neutral codes of
    // KeyCodes.h.
    void Form_KeyDown(int KeyCode, int Shift);
    void Form_KeyUp(int KeyCode, int Shift);

private:
    Radio &radio_;
};

} // namespace dorv
