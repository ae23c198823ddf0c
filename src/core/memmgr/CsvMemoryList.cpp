#include "memmgr/CsvMemoryList.h"

#include "memmgr/CsvText.h"
#include "model/files/Cp1252.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

namespace dorv {

namespace {

bool IsUtf8(const std::string &text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80             ? 0
                          : (lead & 0xE0) == 0xC0 ? 1
                          : (lead & 0xF0) == 0xE0 ? 2
                          : (lead & 0xF8) == 0xF0 ? 3
                                                  : -1;
        if (extra < 0 || text.size() - i <= static_cast<std::size_t>(extra)) {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += extra + 1;
    }
    return true;
}

// Text files hold no control characters but tab and the line breaks.
bool LooksBinary(const std::string &bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7f;
    });
}

std::string AsUtf8(std::string bytes)
{
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) {
        bytes.erase(0, 3);
    }
    return IsUtf8(bytes) ? bytes : Cp1252ToUtf8(bytes);
}

CsvMemoryList Fault(const std::string &why)
{
    CsvMemoryList list;
    list.fault = why;
    return list;
}

} // namespace

CsvMemoryList ReadCsvMemoryList(const std::string &bytes, const BandRecord &bands)
{
    if (bytes.size() > kCsvSizeLimit) {
        return Fault("it is " + std::to_string(bytes.size() / 1024) +
                     " kB long, far more than a list of 1000 channels takes");
    }
    if (LooksBinary(bytes)) {
        return Fault("it is not a text file");
    }
    int badLine = 0;
    const auto records = SplitCsv(AsUtf8(bytes), badLine);
    if (!records) {
        return Fault("the quoted field that opens on line " + std::to_string(badLine) +
                     " never ends");
    }
    if (records->empty()) {
        return Fault("it is empty");
    }
    std::map<std::string, std::size_t> columns;
    const CsvRecord &header = records->front();
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        columns.emplace(header.fields[i], i);
    }
    if (!columns.count("Location") || !columns.count("Frequency")) {
        return Fault("its first line is not the header of a channel list (it needs the "
                     "columns Location and Frequency)");
    }
    CsvMemoryList list;
    std::array<int, kMemoryCount> lineOf{};
    for (auto record = records->begin() + 1; record != records->end(); ++record) {
        if (record->fields.size() < header.fields.size()) {
            list.refused.push_back(
                {record->line, "it has " + std::to_string(record->fields.size()) +
                                   " columns, the header " + std::to_string(header.fields.size())});
            continue;
        }
        CsvChannelRow row = ReadCsvChannel(CsvRowView(columns, record->fields), bands);
        if (row.refusal.empty() && lineOf[row.location] != 0) {
            row.refusal = "Location " + std::to_string(row.location) + " is already on line " +
                          std::to_string(lineOf[row.location]);
        }
        if (!row.refusal.empty()) {
            list.refused.push_back({record->line, row.refusal});
            continue;
        }
        lineOf[row.location] = record->line;
        list.taken.push_back({record->line, row.location, row.channel});
    }
    if (list.taken.empty() && list.refused.empty()) {
        return Fault("it holds no channels");
    }
    return list;
}

CsvMemoryList ReadCsvMemoryFile(const std::string &path, const BandRecord &bands)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return Fault(std::filesystem::exists(path, ec) ? "it is not a regular file"
                                                       : "it does not exist");
    }
    if (std::filesystem::file_size(path, ec) > kCsvSizeLimit && !ec) {
        return Fault("it is " + std::to_string(std::filesystem::file_size(path, ec) / 1024) +
                     " kB long, far more than a list of 1000 channels takes");
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (!in || !(bytes << in.rdbuf())) {
        return Fault("it cannot be read");
    }
    return ReadCsvMemoryList(bytes.str(), bands);
}

std::string WriteCsvMemoryList(const MemoryTable &table)
{
    std::string text = CsvLine(CsvChannelColumns());
    for (int pos = 0; pos < kMemoryCount; ++pos) {
        if (table[pos].inUse()) {
            text += CsvLine(WriteCsvChannel(pos, table[pos]));
        }
    }
    return text;
}

int CountInUse(const MemoryTable &table)
{
    return static_cast<int>(
        std::count_if(table.begin(), table.end(), [](const auto &m) { return m.inUse(); }));
}

void PlaceTaken(MemoryTable &table, const CsvMemoryList &list)
{
    for (const auto &row : list.taken) {
        PlaceMemory(table, row.location, row.channel);
    }
}

std::string RefusalLines(const CsvMemoryList &list, std::size_t limit)
{
    std::string text;
    for (std::size_t i = 0; i < list.refused.size() && i < limit; ++i) {
        text +=
            "line " + std::to_string(list.refused[i].line) + ": " + list.refused[i].reason + "\n";
    }
    if (list.refused.size() > limit) {
        text += "... and " + std::to_string(list.refused.size() - limit) + " more rows\n";
    }
    return text;
}

} // namespace dorv
