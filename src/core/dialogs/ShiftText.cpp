#include "dialogs/ShiftText.h"

#include <cctype>

namespace dorv {

namespace {

// Integer digits beyond this would overflow the scaled value; such a text is no amount.
constexpr std::size_t kMaxIntegerDigits = 12;
constexpr int kUnitsPerMhzDigits = 5; // 1 MHz = 100000 units of 10 Hz

// A decimal number as typed: optional blanks and sign, digits with at most one point.
struct Decimal {
    bool negative = false;
    std::string integer;
    std::string fraction;
};

std::string Trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<Decimal> ParseDecimal(const std::string &text)
{
    const std::string t = Trimmed(text);
    Decimal d;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
        d.negative = t[i] == '-';
        ++i;
    }
    bool point = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '.' && !point) {
            point = true;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            (point ? d.fraction : d.integer) += c;
        } else {
            return std::nullopt;
        }
    }
    if (d.integer.empty() && d.fraction.empty()) {
        return std::nullopt;
    }
    const auto nonZero = d.integer.find_first_not_of('0');
    d.integer = nonZero == std::string::npos ? std::string() : d.integer.substr(nonZero);
    if (d.integer.size() > kMaxIntegerDigits) {
        return std::nullopt;
    }
    return d;
}

// The magnitude in units of 10^-places, rounded half away from zero.
std::int64_t Scaled(const Decimal &d, int places)
{
    std::int64_t value = 0;
    for (char c : d.integer) {
        value = value * 10 + (c - '0');
    }
    for (int k = 0; k < places; ++k) {
        const std::size_t at = static_cast<std::size_t>(k);
        value = value * 10 + (at < d.fraction.size() ? d.fraction[at] - '0' : 0);
    }
    const std::size_t next = static_cast<std::size_t>(places);
    if (next < d.fraction.size() && d.fraction[next] >= '5') {
        ++value;
    }
    return value;
}

std::string FormatHundredths(std::int64_t hundredths)
{
    const bool negative = hundredths < 0;
    const std::int64_t magnitude = negative ? -hundredths : hundredths;
    const std::int64_t whole = magnitude / 100;
    const std::int64_t cents = magnitude % 100;
    std::string text = negative ? "-" : "";
    if (whole != 0) {
        text += std::to_string(whole);
    }
    text += '.';
    text += static_cast<char>('0' + cents / 10);
    text += static_cast<char>('0' + cents % 10);
    return text;
}

} // namespace

std::string FormatShiftMhz(Freq offset)
{
    return FormatHundredths(offset / 1000);
}

std::optional<std::string> ReformatShiftText(const std::string &text)
{
    const auto d = ParseDecimal(text);
    if (!d) {
        return std::nullopt;
    }
    const std::int64_t hundredths = Scaled(*d, 2);
    return FormatHundredths(d->negative ? -hundredths : hundredths);
}

std::optional<std::int64_t> ParseShiftMhz(const std::string &text)
{
    const auto d = ParseDecimal(text);
    if (!d) {
        return std::nullopt;
    }
    const std::int64_t units = Scaled(*d, kUnitsPerMhzDigits);
    return d->negative ? -units : units;
}

} // namespace dorv
