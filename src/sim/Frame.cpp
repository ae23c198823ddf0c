#include "Frame.h"

namespace ft897sim {

std::optional<std::int32_t> DecodeBcd(const std::uint8_t *bytes, int count)
{
    std::int32_t value = 0;
    for (int i = 0; i < count; ++i) {
        const int high = bytes[i] >> 4;
        const int low = bytes[i] & 0x0F;
        if (high > 9 || low > 9) {
            return std::nullopt;
        }
        value = value * 100 + high * 10 + low;
    }
    return value;
}

std::array<std::uint8_t, 4> EncodeBcd8(std::int64_t value)
{
    std::array<std::uint8_t, 4> bytes{};
    for (int i = 3; i >= 0; --i) {
        const int pair = static_cast<int>(value % 100);
        bytes[i] = static_cast<std::uint8_t>((pair / 10) << 4 | pair % 10);
        value /= 100;
    }
    return bytes;
}

} // namespace ft897sim
