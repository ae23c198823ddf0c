#include "model/files/Cp1252.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

namespace dorv {

namespace {

// Code points of bytes 0x80..0x9F; the five unassigned bytes keep their C1 code point.
constexpr std::array<char32_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(std::uint8_t byte)
{
    return (byte >= 0x80 && byte < 0xA0) ? kHighTable[byte - 0x80] : char32_t(byte);
}

void AppendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i], advancing i; a malformed one yields 0xFFFD.
char32_t NextCodePoint(const std::string &text, std::size_t &i)
{
    const auto lead = static_cast<std::uint8_t>(text[i++]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<std::uint8_t>(text[i]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        cp = (cp << 6) | (static_cast<std::uint8_t>(text[i++]) & 0x3F);
    }
    return cp;
}

int ByteOf(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    for (std::size_t k = 0; k < kHighTable.size(); ++k) {
        if (kHighTable[k] == cp) {
            return static_cast<int>(0x80 + k);
        }
    }
    return -1;
}

} // namespace

std::string Cp1252ToUtf8(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        AppendUtf8(out, CodePointOf(static_cast<std::uint8_t>(c)));
    }
    return out;
}

std::string Utf8ToCp1252(const std::string &text, bool *lossless)
{
    std::string out;
    bool exact = true;
    for (std::size_t i = 0; i < text.size();) {
        const int byte = ByteOf(NextCodePoint(text, i));
        exact = exact && byte >= 0;
        out += byte >= 0 ? static_cast<char>(byte) : '?';
    }
    if (lossless != nullptr) {
        *lossless = exact;
    }
    return out;
}

std::string LowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c < 0x80 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c);
    });
    return text;
}

} // namespace dorv
