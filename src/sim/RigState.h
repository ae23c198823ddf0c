#pragma once

#include "Frame.h"

#include <cstdint>

namespace ft897sim {

struct VfoState {
    Freq frequency = 14420000;    // 10 Hz units
    std::uint8_t modeCode = 0x08; // CAT mode byte (0x08 FM)

    bool operator==(const VfoState &) const = default;
};

// Everything the simulated radio remembers between commands.
struct RigState {
    VfoState vfo[2];
    int activeVfo = 0;  // 0 = VFO A, 1 = VFO B
    bool split = false; // transmit on the other VFO
    bool ptt = false;
    int rptDirection = 0;             // -1 minus, 0 simplex, 1 plus
    Freq rptOffset = 0;               // 10 Hz units
    std::uint8_t toneModeCode = 0x8A; // P1 of the tone-mode command: 0x8A off, 0x4A CTCSS
                                      // ENC, 0x3A DEC, 0x2A ENC/DEC, 0x0A DCS, 0x0B DEC,
                                      // 0x0C ENC
    int ctcssTenthsTx = 885, ctcssTenthsRx = 885; // 0.1 Hz units
    int dcsTx = 23, dcsRx = 23;                   // octal digits read in decimal: 23 = code 023
    int txPowerReading = 10;                      // 0..15, reported while transmitting

    bool operator==(const RigState &) const = default;
};

// The VFO the radio transmits on: the other one while split is on.
int TransmitVfo(const RigState &rig);

// What the radio shows and reports as its frequency: the receive frequency, or while
// transmitting the transmit VFO shifted by the repeater offset, within 0..kLargestFrequency.
Freq DisplayedFrequency(const RigState &rig);

// The mode of the VFO in use (the transmit VFO while transmitting).
std::uint8_t DisplayedMode(const RigState &rig);

} // namespace ft897sim
