#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace ft897sim {

// The modes, as P1 of the set-mode command and the last byte of the frequency-and-mode
// reply.
inline constexpr std::array<std::uint8_t, 9> kModeCodes = {
    0x00, // LSB
    0x01, // USB
    0x02, // CW
    0x03, // CWR
    0x04, // AM
    0x08, // FM
    0x0A, // DIG
    0x0C, // PKT
    0x88, // FM narrow
};

constexpr bool IsModeCode(std::uint8_t code)
{
    return std::find(kModeCodes.begin(), kModeCodes.end(), code) != kModeCodes.end();
}

// A CTCSS tone: its frequency in 0.1 Hz, which the radio takes as four BCD digits
// (88.5 Hz is 08 85), and the single code byte of the older form the radio also takes
// (P1 = code, P2..P4 = 0).
struct CtcssTone {
    std::int16_t tenths;
    std::uint8_t code;
};

inline constexpr std::array<CtcssTone, 39> kCtcssTones = {{
    {670, 0x3F},  {693, 0x39},  {719, 0x1F},  {744, 0x3E},  {770, 0x0F},  {797, 0x3D},
    {825, 0x1E},  {854, 0x3C},  {885, 0x0E},  {915, 0x3B},  {948, 0x1D},  {974, 0x3A},
    {1000, 0x0D}, {1035, 0x1C}, {1072, 0x0C}, {1109, 0x1B}, {1148, 0x0B}, {1188, 0x1A},
    {1230, 0x0A}, {1273, 0x19}, {1318, 0x09}, {1365, 0x18}, {1413, 0x08}, {1462, 0x17},
    {1514, 0x07}, {1567, 0x16}, {1622, 0x06}, {1679, 0x15}, {1738, 0x05}, {1799, 0x14},
    {1862, 0x04}, {1928, 0x13}, {2035, 0x03}, {2107, 0x12}, {2181, 0x02}, {2257, 0x11},
    {2336, 0x01}, {2418, 0x10}, {2503, 0x00},
}};

// The radio's DCS codes as their three octal digits read in decimal (23 is code 023),
// which is how the radio takes them in BCD (00 23). The simulator takes any octal code;
// the list is what the radio offers, so the program's list can be held against it.
inline constexpr std::array<std::int16_t, 104> kDcsCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
    116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
    225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
    325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
    452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
    627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

} // namespace ft897sim
