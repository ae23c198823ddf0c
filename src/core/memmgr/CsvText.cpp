#include "memmgr/CsvText.h"

namespace dorv {

namespace {

// Consumes one line break at text[i] (CR LF, LF or CR); returns whether there was one.
bool SkipLineBreak(const std::string &text, std::size_t &i)
{
    if (text[i] == '\r') {
        ++i;
        if (i < text.size() && text[i] == '\n') {
            ++i;
        }
        return true;
    }
    if (text[i] == '\n') {
        ++i;
        return true;
    }
    return false;
}

bool IsBlank(const CsvRecord &record)
{
    return record.fields.size() == 1 && record.fields[0].empty();
}

} // namespace

std::optional<std::vector<CsvRecord>> SplitCsv(const std::string &text, int &badLine)
{
    std::vector<CsvRecord> records;
    CsvRecord record{1, {std::string()}};
    int line = 1;
    bool quoted = false;
    int quoteLine = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                record.fields.back() += '"';
                i += 2;
            } else if (c == '"') {
                quoted = false;
                ++i;
            } else {
                if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
                    ++line;
                }
                record.fields.back() += c;
                ++i;
            }
        } else if (c == '"') {
            quoted = true;
            quoteLine = line;
            ++i;
        } else if (c == ',') {
            record.fields.emplace_back();
            ++i;
        } else if (SkipLineBreak(text, i)) {
            if (!IsBlank(record)) {
                records.push_back(std::move(record));
            }
            ++line;
            record = CsvRecord{line, {std::string()}};
        } else {
            record.fields.back() += c;
            ++i;
        }
    }
    if (quoted) {
        badLine = quoteLine;
        return std::nullopt;
    }
    if (!IsBlank(record)) {
        records.push_back(std::move(record));
    }
    return records;
}

std::string CsvLine(const std::vector<std::string> &fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string &field = fields[i];
        if (i > 0) {
            line += ',';
        }
        const bool needsQuotes = field.find_first_of(",\"\r\n") != std::string::npos ||
                                 (!field.empty() && (field.front() == ' ' || field.back() == ' '));
        if (!needsQuotes) {
            line += field;
            continue;
        }
        line += '"';
        for (char c : field) {
            line += c;
            if (c == '"') {
                line += '"';
            }
        }
        line += '"';
    }
    return line + "\r\n";
}

} // namespace dorv
