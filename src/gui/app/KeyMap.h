#pragma once

class QKeyEvent;

namespace dorv::gui {

// A key as the panel's keyboard handlers take it: a key code of the classic PC key set
// (letters and digits as their capitals and characters, 33 Page Up, 96-105 keypad digits,
// 106 keypad *, 112-123 F1-F12, ...) and the modifier mask 1 Shift, 2 Ctrl, 4 Alt.
struct KeyStroke {
    int code = 0; // 0: a key the panel has no use for
    int shift = 0;
};

namespace KeyMap {

KeyStroke map(const QKeyEvent &event);

} // namespace KeyMap

} // namespace dorv::gui
