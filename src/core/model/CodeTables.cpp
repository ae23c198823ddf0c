#include "model/CodeTables.h"

namespace dorv {

const std::array<ModeRow, kModeCount> &ModeTable()
{
    static const std::array<ModeRow, kModeCount> table = {{
        {"LSB", 0x00},
        {"USB", 0x01},
        {"CW", 0x02},
        {"CW-R", 0x03},
        {"AM", 0x04},
        {"FM", 0x08},
        {"DIG", 0x0A},
        {"PKT", 0x0C},
    }};
    return table;
}

const std::array<ToneModeRow, kToneModeCount> &ToneModeTable()
{
    static const std::array<ToneModeRow, kToneModeCount> table = {{
        {0x8A, false, false, false},
        {0x4A, true, false, false},
        {0x2A, true, true, false},
        {0x0A, false, false, true},
    }};
    return table;
}

const std::array<std::int16_t, kCtcssCount> &CtcssToneTable()
{
    static const std::array<std::int16_t, kCtcssCount> table = {
        670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000,
        1035, 1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
        1622, 1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503,
    };
    return table;
}

const std::array<std::int16_t, kDcsCount> &DcsCodeTable()
{
    static const std::array<std::int16_t, kDcsCount> table = {
        23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115,
        116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223,
        225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315,
        325, 331, 332, 343, 346, 351, 356, 364, 365, 371, 411, 412, 413, 423, 431, 432, 445, 446,
        452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526, 532, 546, 565, 606, 612, 624,
        627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
    };
    return table;
}

std::uint8_t DcsCodeHigh(int index)
{
    return static_cast<std::uint8_t>(DcsCodeTable()[index] / 100);
}

std::uint8_t DcsCodeLow(int index)
{
    const int lastTwo = DcsCodeTable()[index] % 100;
    return static_cast<std::uint8_t>((lastTwo / 10) << 4 | lastTwo % 10);
}

int ModeFromCatCode(std::uint8_t code)
{
    const auto &modes = ModeTable();
    for (int i = 0; i < kModeCount; ++i) {
        if (modes[i].CatCode == code) {
            return i;
        }
    }
    return -1;
}

} // namespace dorv
