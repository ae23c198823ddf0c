#include "memmgr/CsvCommandLine.h"

#include "memmgr/CsvMemoryList.h"
#include "model/files/BandDefaults.h"
#include "model/files/FileStore.h"
#include "model/files/IndexRanges.h"
#include "model/files/OldModeNumbering.h"
#include "model/files/RecordCodec.h"

#include <algorithm>
#include <filesystem>

namespace dorv {

namespace {

namespace fs = std::filesystem;

constexpr const char *kUsage = "usage: dorv-ft897 --export-csv MEMFILE CSVFILE\n"
                               "       dorv-ft897 --import-csv CSVFILE MEMFILE [--force]\n";

// Reads a memory file as File > Open does, old mode numbering included.
bool LoadMemoryFile(const std::string &path, MemoryTable &table, std::ostream &err)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        err << path << ": " << (fs::exists(path, ec) ? "not a regular file" : "no such file")
            << '\n';
        return false;
    }
    Bytes bytes;
    std::string error;
    if (!ReadRecords(path, table.size() * kMemoryChannelSize, bytes, error)) {
        err << path << ": " << error << '\n';
        return false;
    }
    DecodeMemoryChannels(bytes, table);
    ConvertOldModeNumbering(table);
    for (MemoryChannel &memory : table) {
        KeepIndexesInRange(memory);
    }
    return true;
}

int ExportCsv(const std::string &memPath, const std::string &csvPath, std::ostream &err)
{
    MemoryTable table{};
    if (!LoadMemoryFile(memPath, table, err)) {
        return kCsvExitFailed;
    }
    const std::string text = WriteCsvMemoryList(table);
    std::string error;
    if (!ReplaceWholeFile(csvPath, Bytes(text.begin(), text.end()), error)) {
        err << csvPath << ": " << error << '\n';
        return kCsvExitFailed;
    }
    err << "wrote " << CountInUse(table) << " channels of " << memPath << " to " << csvPath << '\n';
    return kCsvExitDone;
}

int ImportCsv(const std::string &csvPath, const std::string &memPath, bool force, std::ostream &err)
{
    BandRecord bands;
    InstallBandDefaults(bands);
    const CsvMemoryList list = ReadCsvMemoryFile(csvPath, bands);
    if (!list.fault.empty()) {
        err << csvPath << ": " << list.fault << "; nothing written\n";
        return kCsvExitFailed;
    }
    for (const auto &refusal : list.refused) {
        err << csvPath << ": line " << refusal.line << ": " << refusal.reason << '\n';
    }
    if (!list.refused.empty() && (!force || list.taken.empty())) {
        err << list.refused.size() << " rows refused; nothing written"
            << (list.taken.empty() ? "" : " (--force writes the others)") << '\n';
        return kCsvExitRefused;
    }
    MemoryTable table{};
    std::error_code ec;
    const bool existing = fs::exists(memPath, ec);
    if (existing && !LoadMemoryFile(memPath, table, err)) {
        return kCsvExitFailed;
    }
    if (!existing) {
        // A new database scans every bank until the manager says otherwise.
        for (MemoryChannel &memory : table) {
            memory.BankSelected = true;
        }
    }
    PlaceTaken(table, list);
    std::string error;
    if (!ReplaceRecords(memPath, EncodeMemoryChannels(table), error)) {
        err << memPath << ": " << error << "; nothing written\n";
        return kCsvExitFailed;
    }
    err << "wrote " << list.taken.size() << " channels of " << csvPath << " into "
        << (existing ? "" : "new memory file ") << memPath << '\n';
    return list.refused.empty() ? kCsvExitDone : kCsvExitRefused;
}

} // namespace

std::optional<int> RunCsvCommand(const std::vector<std::string> &args, std::ostream &err)
{
    const bool exporting = std::find(args.begin(), args.end(), "--export-csv") != args.end();
    const bool importing = std::find(args.begin(), args.end(), "--import-csv") != args.end();
    if (!exporting && !importing) {
        return std::nullopt;
    }
    std::vector<std::string> rest = args;
    const bool force = std::erase(rest, "--force") > 0;
    if (rest.size() != 3 || (rest[0] != "--export-csv" && rest[0] != "--import-csv") ||
        (force && exporting) || rest[1].empty() || rest[2].empty()) {
        err << kUsage;
        return kCsvExitFailed;
    }
    return exporting ? ExportCsv(rest[1], rest[2], err) : ImportCsv(rest[1], rest[2], force, err);
}

} // namespace dorv
