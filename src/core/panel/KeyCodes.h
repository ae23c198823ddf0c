#pragma once

namespace dorv {

// Platform-neutral key codes handed to Keyboard. They follow the Windows virtual-key
// numbering: letters and top-row digits are their upper-case ASCII codes, the numeric
// keypad and function keys have codes of their own. The GUI maps its keys to these.
namespace key {

constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int Digit0 = 48; // '0'; Digit0 + n is the top-row digit n
constexpr int A = 65;      // 'A'; letters run on to 'Z' = 90
constexpr int B = 66;
constexpr int C = 67;
constexpr int D = 68;
constexpr int F = 70;
constexpr int H = 72;
constexpr int L = 76;
constexpr int M = 77;
constexpr int P = 80;
constexpr int R = 82;
constexpr int S = 83;
constexpr int U = 85;
constexpr int V = 86;
constexpr int Numpad0 = 96; // Numpad0 + n is keypad digit n
constexpr int NumpadMultiply = 106;
constexpr int NumpadAdd = 107;
constexpr int NumpadSeparator = 108; // the keypad's Enter where it reports apart
constexpr int NumpadSubtract = 109;
constexpr int NumpadDecimal = 110;
constexpr int NumpadDivide = 111;
constexpr int F1 = 112; // F1 + n - 1 is Fn, up to F12 = 123

// Modifier mask bits.
constexpr int ShiftMask = 1;
constexpr int CtrlMask = 2;
constexpr int AltMask = 4;

} // namespace key

} // namespace dorv
