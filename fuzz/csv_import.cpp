// CSV channel lists. Whatever the text, it is refused whole with a reason, or each row is
// taken or refused with its line and a reason. A row taken holds a channel the program can
// index with, at a position no other row took, on the frequency its text names; exported
// and imported again, every channel comes back the same (its name and comment too), and a
// second export gives the same text.

#include "FuzzCheck.h"
#include "RadioBench.h"
#include "memmgr/CsvMemoryList.h"
#include "memmgr/CsvText.h"
#include "model/DescriptionText.h"
#include "model/files/BandDefaults.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

using namespace dorv;
using namespace dorv::fuzz;

namespace {

// The Frequency field of each data row by its line, read apart from the import.
std::map<int, std::string> FrequencyTexts(std::string text)
{
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
        text.erase(0, 3);
    }
    int badLine = 0;
    const auto records = SplitCsv(text, badLine);
    std::map<int, std::string> texts;
    if (!records || records->empty()) {
        return texts;
    }
    const auto &header = records->front().fields;
    const auto column = std::find(header.begin(), header.end(), "Frequency") - header.begin();
    for (const CsvRecord &record : *records) {
        if (static_cast<std::size_t>(column) < record.fields.size()) {
            texts[record.line] = record.fields[column];
        }
    }
    return texts;
}

// A frequency as "146.52" or "146.52 MHz" in whole Hz, however many digits it has.
long double MegahertzText(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.pop_back();
    }
    if (text.size() > 4 && text.compare(text.size() - 4, 4, " MHz") == 0) {
        text.resize(text.size() - 4);
    }
    return std::strtold(text.c_str(), nullptr) * 1000000;
}

// The same channel, with the same name and comment in its description: blanks around the
// " | " between them are not kept.
bool SameChannel(MemoryChannel a, const MemoryChannel &b)
{
    const NameAndComment x = SplitNameAndComment(DescriptionText(a));
    const NameAndComment y = SplitNameAndComment(DescriptionText(b));
    if (x.name == y.name && x.comment == y.comment) {
        a.Description = b.Description;
    }
    return a == b;
}

void RequireFaithful(const CsvMemoryList &list, const std::string &text)
{
    std::set<int> locations;
    const auto frequencies = FrequencyTexts(text);
    for (const auto &row : list.taken) {
        Require(row.location >= 0 && row.location < kMemoryCount, "a location is a position");
        Require(locations.insert(row.location).second, "no two rows take one position");
        Require(row.channel.inUse(), "a row taken is a channel in use");
        RequireUsableIndexes(row.channel);
        const auto frequency = frequencies.find(row.line);
        Require(frequency != frequencies.end(), "a row taken has its frequency");
        Require(std::fabs(MegahertzText(frequency->second) -
                          static_cast<long double>(row.channel.Vfo.Frequency) * 10) < 0.5L,
                "a row taken is on the frequency its text names");
    }
    for (const auto &refusal : list.refused) {
        Require(refusal.line >= 2 && !refusal.reason.empty(), "a refusal gives line and reason");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const BandRecord bands = [] {
        BandRecord table;
        InstallBandDefaults(table);
        return table;
    }();
    const std::string text(data, data + size);
    const CsvMemoryList list = ReadCsvMemoryList(text, bands);
    if (!list.fault.empty()) {
        Require(list.taken.empty() && list.refused.empty(), "a text refused whole has no rows");
        return 0;
    }
    Require(!list.taken.empty() || !list.refused.empty(), "a channel list has rows");
    RequireFaithful(list, text);
    if (list.taken.empty()) {
        return 0;
    }

    MemoryTable table = NewMemoryTable();
    PlaceTaken(table, list);
    const std::string exported = WriteCsvMemoryList(table);
    const CsvMemoryList again = ReadCsvMemoryList(exported, bands);
    Require(again.fault.empty() && again.refused.empty(), "an export imports whole");
    Require(again.taken.size() == list.taken.size(), "an export holds every channel taken");
    MemoryTable back = NewMemoryTable();
    PlaceTaken(back, again);
    for (int pos = 0; pos < kMemoryCount; ++pos) {
        Require(SameChannel(back[pos], table[pos]), "exported channels import the same");
    }
    Require(WriteCsvMemoryList(back) == exported, "a second export gives the same text");
    return 0;
}
