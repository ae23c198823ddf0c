#include "cat/CatFrame.h"

namespace dorv {

CatFrame MakeFrame(std::uint8_t opcode, CatParams params)
{
    return {params[0], params[1], params[2], params[3], opcode};
}

int DecimalDigits(std::int64_t value)
{
    int digits = 1;
    for (std::int64_t v = value < 0 ? -value : value; v >= 10; v /= 10) {
        ++digits;
    }
    return digits;
}

std::uint8_t ToBcd(int twoDigits)
{
    return static_cast<std::uint8_t>((twoDigits / 10) << 4 | twoDigits % 10);
}

CatParams PackBcd8(std::int64_t value)
{
    CatParams out{};
    for (int i = 3; i >= 0; --i) {
        out[i] = ToBcd(static_cast<int>(value % 100));
        value /= 100;
    }
    return out;
}

std::optional<CatParams> EncodeFrequency(Freq freq)
{
    if (freq < 0) {
        return std::nullopt;
    }
    const int digits = DecimalDigits(freq);
    if (digits < 5 || digits > 8) {
        return std::nullopt;
    }
    return PackBcd8(freq);
}

std::optional<Freq> DecodeFrequency(const std::uint8_t *bcd)
{
    Freq value = 0;
    for (int i = 0; i < 4; ++i) {
        const int high = bcd[i] >> 4;
        const int low = bcd[i] & 0x0F;
        if (high > 9 || low > 9) {
            return std::nullopt;
        }
        value = value * 100 + high * 10 + low;
    }
    return value;
}

std::optional<CatParams> EncodeRptOffset(Freq offset)
{
    if (offset < 0) {
        return std::nullopt;
    }
    // No offset is all zeros; re-sending the previous offset would shift the radio still.
    if (offset == 0) {
        return CatParams{};
    }
    const int digits = DecimalDigits(offset);
    if (digits < 4 || digits > 7) {
        return std::nullopt;
    }
    // Keep the leading (digits - 3) digits, drop the rest, and place the kept
    // digits so that the last one lands in the high nibble of P3.
    std::int64_t kept = offset;
    for (int i = 0; i < 3; ++i) {
        kept /= 10;
    }
    return PackBcd8(kept * 1000);
}

} // namespace dorv
