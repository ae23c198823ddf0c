#include "SetCommands.h"

#include "model/CodeTables.h"

#include <array>
#include <optional>

namespace ft897sim {

namespace {

using dorv::CatFrame;
namespace Opcode = dorv::Opcode;

// Single code bytes that older radios take for the CTCSS tones, in the order of the
// tone table; the radio also understands this form (P1 = code, P2..P4 = 0).
constexpr std::array<std::uint8_t, dorv::kCtcssCount> kCtcssCodes = {
    0x3F, 0x39, 0x1F, 0x3E, 0x0F, 0x3D, 0x1E, 0x3C, 0x0E, 0x3B, 0x1D, 0x3A, 0x0D,
    0x1C, 0x0C, 0x1B, 0x0B, 0x1A, 0x0A, 0x19, 0x09, 0x18, 0x08, 0x17, 0x07, 0x16,
    0x06, 0x15, 0x05, 0x14, 0x04, 0x13, 0x03, 0x12, 0x02, 0x11, 0x01, 0x10, 0x00,
};

bool IsModeCode(std::uint8_t code)
{
    switch (code) {
    case 0x00: // LSB
    case 0x01: // USB
    case 0x02: // CW
    case 0x03: // CWR
    case 0x04: // AM
    case 0x08: // FM
    case 0x88: // FM narrow
    case 0x0A: // DIG
    case 0x0C: // PKT
        return true;
    default:
        return false;
    }
}

// Four BCD digits of two bytes; empty when a nibble is not a decimal digit.
std::optional<int> Bcd4(std::uint8_t high, std::uint8_t low)
{
    int value = 0;
    for (const int nibble : {high >> 4, high & 0x0F, low >> 4, low & 0x0F}) {
        if (nibble > 9) {
            return std::nullopt;
        }
        value = value * 10 + nibble;
    }
    return value;
}

void SetCtcss(RigState &rig, const CatFrame &f)
{
    if (f[1] == 0 && f[2] == 0 && f[3] == 0) {
        for (int i = 0; i < dorv::kCtcssCount; ++i) {
            if (kCtcssCodes[i] == f[0]) {
                rig.ctcssTenthsTx = rig.ctcssTenthsRx = dorv::CtcssToneTable()[i];
                return;
            }
        }
        return;
    }
    const auto tx = Bcd4(f[0], f[1]);
    const auto rx = Bcd4(f[2], f[3]);
    if (tx && rx && *tx > 0 && *rx > 0) {
        rig.ctcssTenthsTx = *tx;
        rig.ctcssTenthsRx = *rx;
    }
}

bool IsOctalCode(int code)
{
    return code > 0 && code / 100 < 8 && code / 10 % 10 < 8 && code % 10 < 8;
}

// P1P2 transmit code, P3P4 receive code; a zero receive code means "the same".
void SetDcs(RigState &rig, const CatFrame &f)
{
    const auto tx = Bcd4(f[0], f[1]);
    auto rx = Bcd4(f[2], f[3]);
    if (rx && *rx == 0) {
        rx = tx;
    }
    if (tx && rx && IsOctalCode(*tx) && IsOctalCode(*rx)) {
        rig.dcsTx = *tx;
        rig.dcsRx = *rx;
    }
}

void SetRptDirection(RigState &rig, std::uint8_t code)
{
    switch (code) {
    case 0x09:
        rig.rptDirection = -1;
        break;
    case 0x49:
        rig.rptDirection = 1;
        break;
    case 0x89:
        rig.rptDirection = 0;
        break;
    default:
        break;
    }
}

// 0x0A DCS, 0x0B DCS decoder, 0x0C DCS encoder, 0x2A CTCSS encoder and decoder,
// 0x3A CTCSS decoder, 0x4A CTCSS encoder, 0x8A off.
void SetToneMode(RigState &rig, std::uint8_t code)
{
    switch (code) {
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x2A:
    case 0x3A:
    case 0x4A:
    case 0x8A:
        rig.toneModeCode = code;
        break;
    default:
        break;
    }
}

} // namespace

bool ApplySetCommand(RigState &rig, const CatFrame &f)
{
    switch (f[4]) {
    case Opcode::SetFrequency:
        if (const auto freq = dorv::DecodeFrequency(f.data()); freq && *freq > 0) {
            rig.vfo[rig.activeVfo].frequency = *freq;
        }
        return true;
    case Opcode::SplitOn:
    case Opcode::SplitOff:
        rig.split = f[4] == Opcode::SplitOn;
        return true;
    case Opcode::SetMode:
        if (IsModeCode(f[0])) {
            rig.vfo[rig.activeVfo].modeCode = f[0];
        }
        return true;
    case Opcode::PttOn:
    case Opcode::PttOff:
        rig.ptt = f[4] == Opcode::PttOn;
        return true;
    case Opcode::RptDirection:
        SetRptDirection(rig, f[0]);
        return true;
    case Opcode::ToneMode:
        SetToneMode(rig, f[0]);
        return true;
    case Opcode::CtcssTone:
        SetCtcss(rig, f);
        return true;
    case Opcode::DcsCode:
        SetDcs(rig, f);
        return true;
    case Opcode::ToggleVfo:
        rig.activeVfo = 1 - rig.activeVfo;
        return true;
    case Opcode::RptOffset:
        if (const auto offset = dorv::DecodeFrequency(f.data())) {
            rig.rptOffset = *offset;
        }
        return true;
    default:
        return false;
    }
}

} // namespace ft897sim
