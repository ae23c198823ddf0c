#pragma once

#include "RigState.h"

#include <cstdint>

namespace ft897sim {

// Byte of the radio's EEPROM at an address (opcode 0xBB). Only the bytes that mirror the
// simulated state carry meaning; every other address reads 0.
std::uint8_t EepromByte(const RigState &rig, int address);

} // namespace ft897sim
