#include "Eeprom.h"

namespace ft897sim {

namespace {

constexpr int kSplitAddress = 0x8D; // bit 7: split on
constexpr std::uint8_t kSplitBit = 0x80;

} // namespace

std::uint8_t EepromByte(const RigState &rig, int address)
{
    if (address == kSplitAddress) {
        return rig.split ? kSplitBit : 0;
    }
    return 0;
}

} // namespace ft897sim
