// The simulator's signals file. Whatever the text, it is refused with the line at fault, or
// each signal read is one the receiver can hear (a frequency the radio tunes, an S level
// 0..15, a width, a tone or none); written out again one a line, the signals read the same.
// The file is read as the text is parsed.

#include "FuzzCheck.h"
#include "SignalFile.h"

#include <cstdio>
#include <sstream>

using namespace dorv::fuzz;
using namespace ft897sim;

namespace {

bool SameSignals(const std::vector<Signal> &a, const std::vector<Signal> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Signal &x, const Signal &y) {
        return x.frequencyHz == y.frequencyHz && x.sLevel == y.sLevel && x.widthHz == y.widthHz &&
               x.toneTenths == y.toneTenths;
    });
}

std::string Written(const std::vector<Signal> &signals)
{
    std::string text;
    for (const Signal &s : signals) {
        char line[96];
        std::snprintf(line, sizeof line, "%lld %d %d", static_cast<long long>(s.frequencyHz),
                      s.sLevel, s.widthHz);
        text += line;
        if (s.toneTenths != 0) {
            std::snprintf(line, sizeof line, " %d.%d", s.toneTenths / 10, s.toneTenths % 10);
            text += line;
        }
        text += '\n';
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(data, data + size);
    std::istringstream in(text);
    std::string error;
    const std::vector<Signal> signals = ParseSignals(in, &error);
    if (!error.empty()) {
        Require(signals.empty(), "a refused signals file gives no signals");
        Require(error.rfind("line ", 0) == 0 && error.find(": ") != std::string::npos,
                "a refusal names the line");
    }
    for (const Signal &s : signals) {
        Require(s.frequencyHz > 0 && s.frequencyHz <= 999'999'990, "a frequency the radio tunes");
        Require(s.sLevel >= 0 && s.sLevel <= 15, "an S level 0..15");
        Require(s.widthHz > 0, "a signal is some hertz wide");
        Require(s.toneTenths >= 0 && s.toneTenths <= 3000, "a tone or none");
    }

    std::istringstream written(Written(signals));
    std::string again;
    Require(SameSignals(ParseSignals(written, &again), signals) && again.empty(),
            "signals written out read the same");

    const auto file = FreshScratchDir() / "signals";
    WriteWholeFile(file, data, size);
    std::vector<Signal> read;
    std::string readError;
    const bool ok = ReadSignalsFile(file.string(), read, readError);
    Require(ok == error.empty() && readError == error && SameSignals(read, signals),
            "the file reads as its text parses");
    return 0;
}
