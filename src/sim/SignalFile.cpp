#include "SignalFile.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace ft897sim {

namespace {

constexpr std::int64_t kMaxFrequencyHz = 999'999'990; // the most the CAT frame carries

// Whole-token number; false when the token has anything else in it.
template <typename T> bool ParseNumber(const std::string &token, T &value)
{
    const char *end = token.data() + token.size();
    const auto [ptr, ec] = std::from_chars(token.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// Fills signal from the fields of one line; returns the problem, empty when it is good.
std::string ParseFields(const std::vector<std::string> &fields, Signal &signal)
{
    if (fields.size() > 4) {
        return "unexpected \"" + fields[4] + "\"";
    }
    if (!ParseNumber(fields[0], signal.frequencyHz) || signal.frequencyHz <= 0 ||
        signal.frequencyHz > kMaxFrequencyHz) {
        return "bad frequency \"" + fields[0] + "\"";
    }
    if (fields.size() < 2 || !ParseNumber(fields[1], signal.sLevel) || signal.sLevel < 0 ||
        signal.sLevel > 15) {
        return "expected an S level 0..15";
    }
    signal.widthHz = signal.frequencyHz < 30'000'000 ? 2400 : 12000;
    if (fields.size() > 2 && (!ParseNumber(fields[2], signal.widthHz) || signal.widthHz <= 0)) {
        return "bad width \"" + fields[2] + "\"";
    }
    double toneHz = 0;
    if (fields.size() > 3) {
        if (!ParseNumber(fields[3], toneHz) || toneHz <= 0 || toneHz > 300) {
            return "bad tone \"" + fields[3] + "\"";
        }
        signal.toneTenths = static_cast<int>(std::lround(toneHz * 10));
    }
    return {};
}

} // namespace

std::vector<Signal> ParseSignals(std::istream &in, std::string *error)
{
    std::vector<Signal> signals;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        std::istringstream line(text.substr(0, text.find('#')));
        std::vector<std::string> fields;
        for (std::string field; line >> field;) {
            fields.push_back(field);
        }
        if (fields.empty()) {
            continue;
        }
        Signal signal;
        const std::string problem = ParseFields(fields, signal);
        if (!problem.empty()) {
            if (error != nullptr) {
                *error = "line " + std::to_string(number) + ": " + problem;
            }
            return {};
        }
        signals.push_back(signal);
    }
    return signals;
}

} // namespace ft897sim
