#include "SetCommands.h"

#include "RadioCodes.h"

#include <optional>

namespace ft897sim {

namespace {

void SetCtcss(RigState &rig, const Frame &f)
{
    if (f[1] == 0 && f[2] == 0 && f[3] == 0) {
        for (const CtcssTone &tone : kCtcssTones) {
            if (tone.code == f[0]) {
                rig.ctcssTenthsTx = rig.ctcssTenthsRx = tone.tenths;
                return;
            }
        }
        return;
    }
    const auto tx = DecodeBcd(f.data(), 2);
    const auto rx = DecodeBcd(f.data() + 2, 2);
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
void SetDcs(RigState &rig, const Frame &f)
{
    const auto tx = DecodeBcd(f.data(), 2);
    auto rx = DecodeBcd(f.data() + 2, 2);
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

bool ApplySetCommand(RigState &rig, const Frame &f)
{
    switch (f[4]) {
    case Opcode::SetFrequency:
        if (const auto freq = DecodeBcd(f.data(), 4); freq && *freq > 0) {
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
        if (const auto offset = DecodeBcd(f.data(), 4)) {
            rig.rptOffset = *offset;
        }
        return true;
    default:
        return false;
    }
}

} // namespace ft897sim
