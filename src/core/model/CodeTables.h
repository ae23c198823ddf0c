#pragma once

#include "model/Units.h"

#include <array>
#include <cstdint>

namespace dorv {

struct ModeRow {
    const char *Name;     // panel name: "LSB" ... "PKT"
    std::uint8_t CatCode; // P1 of the set-mode command
};

struct ToneModeRow {
    std::uint8_t CatCode; // P1 of the tone-mode command
    bool Enc;
    bool Dec;
    bool Dcs;
};

constexpr int kCtcssCount = 39;
constexpr int kDcsCount = 104;
constexpr std::int16_t kDefaultToneIndex = 8; // 88.5 Hz, and DCS 051

const std::array<ModeRow, kModeCount> &ModeTable();
const std::array<ToneModeRow, kToneModeCount> &ToneModeTable();
// CTCSS tone frequencies in 0.1 Hz units (670 = 67.0 Hz), index = CtcssTone.
const std::array<std::int16_t, kCtcssCount> &CtcssToneTable();
// DCS codes as their three octal digits read in decimal (23 = code 023), index = DcsCode.
const std::array<std::int16_t, kDcsCount> &DcsCodeTable();

// Packed BCD of a DCS code's digits with a leading zero digit: 023 -> 0x00, 0x23.
std::uint8_t DcsCodeHigh(int index);
std::uint8_t DcsCodeLow(int index);

// Mode index of a CAT mode byte, or -1 when the byte names no mode.
int ModeFromCatCode(std::uint8_t code);

} // namespace dorv
