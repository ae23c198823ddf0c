#include "app/KeyMap.h"

#include "panel/KeyCodes.h"

#include <QKeyEvent>

namespace dorv::gui::KeyMap {

namespace {

int modifierMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? key::ShiftMask : 0) |
           (modifiers & Qt::ControlModifier ? key::CtrlMask : 0) |
           (modifiers & Qt::AltModifier ? key::AltMask : 0);
}

// Shift turns the digit keys of a US keyboard into these characters; the panel wants the
// digit whatever the modifier.
int unshiftedDigit(int key)
{
    static constexpr int shifted[10] = {Qt::Key_ParenRight,  Qt::Key_Exclam,    Qt::Key_At,
                                        Qt::Key_NumberSign,  Qt::Key_Dollar,    Qt::Key_Percent,
                                        Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk,
                                        Qt::Key_ParenLeft};
    for (int digit = 0; digit < 10; ++digit) {
        if (shifted[digit] == key) {
            return key::Digit0 + digit;
        }
    }
    return 0;
}

int keypadCode(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return key::Numpad0 + (key - Qt::Key_0);
    }
    switch (key) {
    case Qt::Key_Asterisk:
        return key::NumpadMultiply;
    case Qt::Key_Plus:
        return key::NumpadAdd;
    case Qt::Key_Minus:
        return key::NumpadSubtract;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return key::NumpadDecimal;
    case Qt::Key_Slash:
        return key::NumpadDivide;
    case Qt::Key_Enter:
        return key::Enter;
    default:
        return 0;
    }
}

int mainCode(int key, bool shifted)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return key; // Qt's codes of these keys are their capitals and digits
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        return key::F1 + (key - Qt::Key_F1);
    }
    switch (key) {
    case Qt::Key_Space:
        return key::Space;
    case Qt::Key_PageUp:
        return key::PageUp;
    case Qt::Key_PageDown:
        return key::PageDown;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return key::Enter;
    case Qt::Key_Escape:
        return key::Escape;
    case Qt::Key_Period:
        return key::NumpadDecimal; // the decimal key for keyboards without a numeric pad
    default:
        return shifted ? unshiftedDigit(key) : 0;
    }
}

} // namespace

KeyStroke map(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int key = event.key();
    const int code = modifiers & Qt::KeypadModifier ? keypadCode(key)
                                                    : mainCode(key, modifiers & Qt::ShiftModifier);
    return {code, code == 0 ? 0 : modifierMask(modifiers)};
}

} // namespace dorv::gui::KeyMap
