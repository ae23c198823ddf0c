#pragma once

#include <cstdint>

namespace dorv {

// Frequencies, offsets, steps and limits are all in 10 Hz units:
// 144.200 MHz is 14420000, 600 kHz is 60000.
using Freq = std::int32_t;

constexpr int kBandCount = 12;     // 0 = 430 MHz ... 11 = 1.8 MHz
constexpr int kModeCount = 8;      // LSB USB CW CWR AM FM DIG PKT
constexpr int kModeSlotCount = 10; // columns of the step tables
constexpr int kToneModeCount = 4;  // off, ENC, ENC/DEC, DCS
constexpr int kMemoryCount = 1000; // positions 000..999
constexpr int kHomeChannelCount = 12;

enum Mode : std::int16_t {
    ModeLSB = 0,
    ModeUSB = 1,
    ModeCW = 2,
    ModeCWR = 3,
    ModeAM = 4,
    ModeFM = 5,
    ModeDIG = 6,
    ModePKT = 7,
};

enum OperatingStateValue : std::int16_t {
    StateMR = 1,
    StateVFO = 2,
    StatePMS = 3,
};

// Repeater directions held in VfoInfo::RptDirection.
constexpr std::int16_t kRptSimplex = 0;
constexpr std::int16_t kRptMinus = -1;
constexpr std::int16_t kRptPlus = 1;
constexpr std::int16_t kRptSplit = -11;

} // namespace dorv
