#pragma once

#include "model/files/ByteStream.h"

#include <cstddef>
#include <cstdint>

namespace dorv {

// The band scope's menu choices as bandscope.dorv keeps them: eight 16-bit signed
// little-endian integers, 16 bytes, in this order.
struct ScopeSettingsRecord {
    std::int16_t Valid = 1;          // 0: missing or invalid file
    std::int16_t ActiveSearch = 3;   // "S0".."S9"
    std::int16_t ContinuousScan = 1; // 0 On, 1 Off
    std::int16_t DisplayMode = 0;    // 0 Pan, 1 Wrap
    std::int16_t ScopeSpeed = 0;     // index of the Scan Speed menu
    std::int16_t Handles = 0;        // 0 None, 1 Horizontal, 2 Vertical, 3 Both
    std::int16_t WrapWidth = 1;      // 1..4
    std::int16_t ColorFill = 0;      // 0 On, 1 Off
    bool operator==(const ScopeSettingsRecord &) const = default;
};

inline constexpr std::size_t kScopeSettingsRecordSize = 16;

Bytes EncodeScopeSettings(const ScopeSettingsRecord &record);
// Bytes past the end of `bytes` read as zero, so a short or empty file is not Valid.
ScopeSettingsRecord DecodeScopeSettings(ByteView bytes);
// Brings every index into the range of its menu, so a damaged file cannot tick nothing.
void ClampScopeSettings(ScopeSettingsRecord &record);

} // namespace dorv
