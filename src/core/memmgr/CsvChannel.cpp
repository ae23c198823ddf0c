#include "memmgr/CsvChannel.h"

#include "memmgr/FrequencyBand.h"
#include "model/CodeTables.h"
#include "model/DescriptionText.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace dorv {

namespace {

constexpr std::array<const char *, kModeCount> kModeNames = {"LSB", "USB", "CW",  "CWR",
                                                             "AM",  "FM",  "DIG", "PKT"};
constexpr std::array<const char *, kToneModeCount> kToneNames = {"", "Tone", "TSQL", "DTCS"};
constexpr int kToneOff = 0, kToneEnc = 1, kToneEncDec = 2, kToneDcs = 3;

// Refusals end the reading of a row at the first field that cannot be taken.
struct Refused {
    std::string reason;
};

// A frequency in MHz ("146.52", "146.520000", "7", "146.52 MHz") as whole Hz.
std::optional<long long> ParseHz(std::string text)
{
    if (text.size() > 4 && text.compare(text.size() - 4, 4, " MHz") == 0) {
        text.resize(text.size() - 4);
    }
    const auto point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    while (fraction.size() > 6 && fraction.back() == '0') {
        fraction.pop_back();
    }
    const auto digitsOnly = [](const std::string &s) {
        return s.find_first_not_of("0123456789") == std::string::npos;
    };
    if (whole.size() > 5 || fraction.size() > 6 || (whole.empty() && fraction.empty()) ||
        !digitsOnly(whole) || !digitsOnly(fraction)) {
        return std::nullopt;
    }
    fraction.resize(6, '0');
    return (whole.empty() ? 0 : std::stoll(whole)) * 1000000 + std::stoll(fraction);
}

// A frequency column in 10 Hz units.
Freq ReadFrequency(const CsvRowView &row, const char *column)
{
    const std::string text = row[column];
    const auto hz = ParseHz(text);
    if (!hz) {
        throw Refused{std::string(column) + " \"" + text + "\" is not a frequency in MHz"};
    }
    if (*hz % 10 != 0) {
        throw Refused{std::string(column) + " " + text + " MHz is not on a 10 Hz step"};
    }
    // A larger number does not fit a frequency: it would wrap onto some other one.
    if (*hz / 10 > std::numeric_limits<Freq>::max()) {
        throw Refused{std::string(column) + " " + text + " MHz is too large a number"};
    }
    return static_cast<Freq>(*hz / 10);
}

std::string Mhz(Freq freq)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d.%06d", freq / 100000, freq % 100000 * 10);
    return text;
}

int BandOrRefuse(const BandRecord &bands, Freq freq)
{
    const auto band = BandOfFrequency(bands, freq);
    if (!band) {
        throw Refused{Mhz(freq) + " MHz is outside every band of the radio"};
    }
    return *band;
}

int ReadLocation(const CsvRowView &row)
{
    const std::string text = row["Location"];
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != text.npos ||
        std::stoi(text) >= kMemoryCount) {
        throw Refused{"Location \"" + text + "\" is not a position from 0 to 999"};
    }
    return std::stoi(text);
}

std::int16_t ReadMode(const CsvRowView &row)
{
    if (!row.has("Mode")) {
        return ModeFM;
    }
    const std::string name = row["Mode"];
    if (name == "NFM") {
        return ModeFM; // the radio's one FM mode
    }
    for (int m = 0; m < kModeCount; ++m) {
        if (name == kModeNames[m]) {
            return static_cast<std::int16_t>(m);
        }
    }
    throw Refused{"mode \"" + name + "\" is not one of LSB USB CW CWR AM FM NFM DIG PKT"};
}

// Index of a tone column's CTCSS tone, or nothing when the field names no tone we have.
std::optional<std::int16_t> ToneIndex(const std::string &hz)
{
    char *end = nullptr;
    const double value = std::strtod(hz.c_str(), &end);
    if (hz.empty() || *end != '\0') {
        return std::nullopt;
    }
    const auto &tones = CtcssToneTable();
    for (std::size_t i = 0; i < tones.size(); ++i) {
        if (std::lround(value * 10) == tones[i]) {
            return static_cast<std::int16_t>(i);
        }
    }
    return std::nullopt;
}

std::optional<std::int16_t> DcsIndex(const std::string &code)
{
    if (code.empty() || code.size() > 3 || code.find_first_not_of("0123456789") != code.npos) {
        return std::nullopt;
    }
    const auto &codes = DcsCodeTable();
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (std::stoi(code) == codes[i]) {
            return static_cast<std::int16_t>(i);
        }
    }
    return std::nullopt;
}

// Tone mode, CTCSS tone and DCS code. The tone and code of a channel that does not use
// them are kept when we have them, so turning the tone on later gives the planned one.
void ReadTones(const CsvRowView &row, VfoInfo &vfo)
{
    const std::string mode = row["Tone"];
    int toneMode = -1;
    for (int t = 0; t < kToneModeCount; ++t) {
        toneMode = mode == kToneNames[t] ? t : toneMode;
    }
    if (toneMode < 0) {
        throw Refused{"tone mode \"" + mode + "\" is not one of Tone TSQL DTCS"};
    }
    vfo.ToneMode = static_cast<std::int16_t>(toneMode);
    // Squelch tones sit in cToneFreq; files with one tone column use it for both.
    const char *column =
        toneMode == kToneEncDec && row.has("cToneFreq") ? "cToneFreq" : "rToneFreq";
    const auto tone = row.has(column) ? ToneIndex(row[column]) : kDefaultToneIndex;
    if (!tone && (toneMode == kToneEnc || toneMode == kToneEncDec)) {
        throw Refused{std::string("CTCSS tone \"") + row[column] +
                      "\" Hz is not one the radio has"};
    }
    vfo.CtcssTone = tone.value_or(kDefaultToneIndex);
    const auto code = row.has("DtcsCode") ? DcsIndex(row["DtcsCode"]) : kDefaultToneIndex;
    if (toneMode == kToneDcs) {
        if (!code) {
            throw Refused{"DCS code \"" + row["DtcsCode"] + "\" is not one the radio has"};
        }
        const std::string polarity = row["DtcsPolarity"];
        if (!polarity.empty() && polarity != "NN") {
            throw Refused{"DCS polarity " + polarity + " is not available (normal only, NN)"};
        }
    }
    vfo.DcsCode = code.value_or(kDefaultToneIndex);
}

// Duplex, offset and the transmit frequency of a split channel.
void ReadDuplex(const CsvRowView &row, const BandRecord &bands, MemoryChannel &m)
{
    const std::string duplex = row["Duplex"];
    const Freq offset = row["Offset"].empty() ? 0 : ReadFrequency(row, "Offset");
    m.Vfo.RptOffset = offset;
    if (duplex.empty()) {
        m.Vfo.RptDirection = kRptSimplex;
    } else if (duplex == "+" || duplex == "-") {
        m.Vfo.RptDirection = duplex == "+" ? kRptPlus : kRptMinus;
    } else if (duplex == "split") {
        if (offset <= 0) {
            throw Refused{"a split channel needs its transmit frequency in Offset"};
        }
        m.Split = true;
        m.SplitBand = static_cast<std::int16_t>(BandOrRefuse(bands, offset));
        m.SplitVfo = m.Vfo;
        m.SplitVfo.Frequency = offset;
        m.SplitVfo.RptDirection = kRptSimplex;
        m.SplitVfo.RptOffset = bands.BandMainVfo[m.SplitBand].RptOffset;
        m.Vfo.RptDirection = kRptSplit;
        m.Vfo.RptOffset = bands.BandMainVfo[m.Band].RptOffset;
    } else if (duplex == "off") {
        throw Refused{"receive-only channels (Duplex off) are not available"};
    } else {
        throw Refused{"Duplex \"" + duplex + "\" is not one of + - split"};
    }
}

std::string ReadDescription(const CsvRowView &row)
{
    return JoinNameAndComment({row["Name"], row["Comment"]});
}

bool ReadSkip(const CsvRowView &row)
{
    const std::string skip = row["Skip"];
    if (skip != "" && skip != "S" && skip != "P") {
        throw Refused{"Skip \"" + skip + "\" is not S"};
    }
    return skip == "S";
}

} // namespace

const std::vector<std::string> &CsvChannelColumns()
{
    static const std::vector<std::string> columns = {
        "Location",  "Name",      "Frequency", "Duplex",       "Offset",   "Tone",
        "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "Mode",     "TStep",
        "Skip",      "Comment",   "URCALL",    "RPT1CALL",     "RPT2CALL", "DVCODE"};
    return columns;
}

std::string CsvRowView::operator[](const std::string &column) const
{
    const auto found = columns_.find(column);
    if (found == columns_.end() || found->second >= fields_.size()) {
        return {};
    }
    const std::string &field = fields_[found->second];
    const auto first = field.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return field.substr(first, field.find_last_not_of(" \t") - first + 1);
}

CsvChannelRow ReadCsvChannel(const CsvRowView &row, const BandRecord &bands)
{
    CsvChannelRow result;
    try {
        result.location = ReadLocation(row);
        MemoryChannel &m = result.channel;
        m.Vfo.Frequency = ReadFrequency(row, "Frequency");
        if (m.Vfo.Frequency <= 0) {
            throw Refused{"Frequency is 0"};
        }
        m.Band = static_cast<std::int16_t>(BandOrRefuse(bands, m.Vfo.Frequency));
        m.Vfo.Mode = ReadMode(row);
        ReadTones(row, m.Vfo);
        ReadDuplex(row, bands, m);
        m.Skip = ReadSkip(row);
        SetDescription(m, ReadDescription(row));
    } catch (const Refused &refused) {
        result.refusal = refused.reason;
    }
    return result;
}

std::vector<std::string> WriteCsvChannel(int location, const MemoryChannel &memory)
{
    const VfoInfo &vfo = memory.Vfo;
    std::string duplex;
    Freq offset = vfo.RptOffset;
    if (memory.Split) {
        duplex = "split";
        offset = memory.SplitVfo.Frequency;
    } else if (vfo.RptDirection == kRptPlus || vfo.RptDirection == kRptMinus) {
        duplex = vfo.RptDirection == kRptPlus ? "+" : "-";
    }
    char tone[16];
    std::snprintf(tone, sizeof tone, "%.1f", CtcssToneTable()[vfo.CtcssTone] / 10.0);
    char code[8];
    std::snprintf(code, sizeof code, "%03d", DcsCodeTable()[vfo.DcsCode]);
    const NameAndComment text = SplitNameAndComment(DescriptionText(memory));
    return {std::to_string(location),
            text.name,
            Mhz(vfo.Frequency),
            duplex,
            Mhz(offset),
            kToneNames[vfo.ToneMode],
            tone,
            tone,
            code,
            "NN",
            kModeNames[vfo.Mode],
            "5.00",
            memory.Skip ? "S" : "",
            text.comment,
            "",
            "",
            "",
            ""};
}

} // namespace dorv
