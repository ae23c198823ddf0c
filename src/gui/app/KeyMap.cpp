#include "app/KeyMap.h"

#include <QKeyEvent>

namespace dorv::gui::KeyMap {

namespace {

constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kPageUp = 33;
constexpr int kPageDown = 34;
constexpr int kPad0 = 96;
constexpr int kPadMultiply = 106;
constexpr int kPadAdd = 107;
constexpr int kPadSubtract = 109;
constexpr int kPadDecimal = 110;
constexpr int kPadDivide = 111;
constexpr int kF1 = 112;

int modifierMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
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
            return '0' + digit;
        }
    }
    return 0;
}

int keypadCode(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return kPad0 + (key - Qt::Key_0);
    }
    switch (key) {
    case Qt::Key_Asterisk:
        return kPadMultiply;
    case Qt::Key_Plus:
        return kPadAdd;
    case Qt::Key_Minus:
        return kPadSubtract;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return kPadDecimal;
    case Qt::Key_Slash:
        return kPadDivide;
    case Qt::Key_Enter:
        return kEnter;
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
        return kF1 + (key - Qt::Key_F1);
    }
    switch (key) {
    case Qt::Key_Space:
        return kSpace;
    case Qt::Key_PageUp:
        return kPageUp;
    case Qt::Key_PageDown:
        return kPageDown;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnter;
    case Qt::Key_Escape:
        return kEscape;
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
