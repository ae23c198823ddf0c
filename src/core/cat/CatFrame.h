#pragma once

#include "model/Units.h"

#include <array>
#include <cstdint>
#include <optional>

namespace dorv {

// Every command is five bytes: P1 P2 P3 P4, then the opcode.
using CatFrame = std::array<std::uint8_t, 5>;
// The four parameter bytes of a frame.
using CatParams = std::array<std::uint8_t, 4>;

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
constexpr std::uint8_t RxStatus = 0xE7;
constexpr std::uint8_t TxStatus = 0xF7;
constexpr std::uint8_t RptOffset = 0xF9;
} // namespace Opcode

CatFrame MakeFrame(std::uint8_t opcode, CatParams params = {});

// Number of decimal digits of a non-negative value (0 has one digit).
int DecimalDigits(std::int64_t value);

// Eight packed BCD digits of a frequency; empty unless it has 5..8 decimal digits.
std::optional<CatParams> EncodeFrequency(Freq freq);
// Packed BCD of a value as eight digits; the caller guarantees 0..99999999.
CatParams PackBcd8(std::int64_t value);
// Frequency of four packed BCD bytes; empty when a nibble is not a decimal digit.
std::optional<Freq> DecodeFrequency(const std::uint8_t *bcd);

// Repeater offset: only the leading digits of a 4..7-digit offset are kept;
// empty for any other length, in which case the previous parameters are reused.
std::optional<CatParams> EncodeRptOffset(Freq offset);

// Two-digit BCD byte of 0..99.
std::uint8_t ToBcd(int twoDigits);

} // namespace dorv
