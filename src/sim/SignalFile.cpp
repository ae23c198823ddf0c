#include "SignalFile.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

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
        if (!ParseNumber(fields[3], toneHz) || !std::isfinite(toneHz) || toneHz <= 0 ||
            toneHz > 300) {
            return "bad tone \"" + fields[3] + "\"";
        }
        signal.toneTenths = static_cast<int>(std::lround(toneHz * 10));
    }
    return {};
}

// Reads all of an open regular file of at most kMaxSignalsFileBytes into text.
bool ReadBounded(int fd, std::string &text, std::string &error)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? "is a directory" : "not a regular file";
        return false;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            error = std::strerror(errno);
            return false;
        }
        if (n == 0) {
            return true;
        }
        text.append(buffer, static_cast<std::size_t>(n));
        // Checked while reading too: the file may grow after fstat.
        if (text.size() > kMaxSignalsFileBytes) {
            error = "larger than " + std::to_string(kMaxSignalsFileBytes) + " bytes";
            return false;
        }
    }
}

} // namespace

bool ReadSignalsFile(const std::string &path, std::vector<Signal> &signals, std::string &error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    std::string text;
    const bool read = ReadBounded(fd, text, error);
    ::close(fd);
    if (!read) {
        return false;
    }
    std::istringstream in(text);
    signals = ParseSignals(in, &error);
    return error.empty();
}

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
