#pragma once

#include "RigState.h"
#include "Signal.h"

#include <cstdint>
#include <vector>

namespace ft897sim {

namespace RxBit {
constexpr std::uint8_t NoSignal = 0x80;      // squelch closed
constexpr std::uint8_t ToneUnmatched = 0x40; // tone decoder on and the tone not heard
constexpr std::uint8_t OffCentre = 0x20;     // FM discriminator off centre
} // namespace RxBit

// The S level's bits of the receiver status.
constexpr std::uint8_t kSLevelMask = 0x0F;

namespace TxBit {
constexpr std::uint8_t Receiving = 0x80;
constexpr std::uint8_t Split = 0x20;
} // namespace TxBit

// How far from a signal's centre the FM discriminator still reads centred, in Hz.
constexpr int kCentreToleranceHz = 300;

// Reply to 0xE7: squelch, tone match, discriminator and S value at the receive frequency.
std::uint8_t RxStatusByte(const RigState &rig, const std::vector<Signal> &signals);

// Reply to 0xF7: transmitting, split and the power reading.
std::uint8_t TxStatusByte(const RigState &rig);

} // namespace ft897sim
