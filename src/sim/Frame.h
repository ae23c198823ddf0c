#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace ft897sim {

// A CAT command as the radio receives it: P1 P2 P3 P4, then the opcode.
using Frame = std::array<std::uint8_t, 5>;

// Frequencies and offsets in 10 Hz units, as the radio's BCD carries them:
// 144.200 MHz is 14420000, 600 kHz is 60000.
using Freq = std::int32_t;
constexpr Freq kLargestFrequency = 99'999'999; // eight BCD digits

namespace Opcode {
constexpr std::uint8_t SetFrequency = 0x01;
constexpr std::uint8_t SplitOn = 0x02;
constexpr std::uint8_t SplitOff = 0x82;
constexpr std::uint8_t ReadFreqMode = 0x03;
constexpr std::uint8_t SetMode = 0x07;
constexpr std::uint8_t PttOn = 0x08;
constexpr std::uint8_t PttOff = 0x88;
constexpr std::uint8_t RptDirection = 0x09;
constexpr std::uint8_t ToneMode = 0x0A;
constexpr std::uint8_t CtcssTone = 0x0B;
constexpr std::uint8_t DcsCode = 0x0C;
constexpr std::uint8_t ToggleVfo = 0x81;
constexpr std::uint8_t ReadEeprom = 0xBB;
constexpr std::uint8_t RxStatus = 0xE7;
constexpr std::uint8_t TxStatus = 0xF7;
constexpr std::uint8_t RptOffset = 0xF9;
} // namespace Opcode

// The number written in `count` packed BCD bytes, most significant first (08 85 is 885);
// empty when a nibble is not a decimal digit.
std::optional<std::int32_t> DecodeBcd(const std::uint8_t *bytes, int count);

// The last eight decimal digits of a value as four packed BCD bytes.
std::array<std::uint8_t, 4> EncodeBcd8(std::int64_t value);

} // namespace ft897sim
