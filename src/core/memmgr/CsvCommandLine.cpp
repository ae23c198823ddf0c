#include "memmgr/CsvCommandLine.h"

#include "memmgr/CsvMemoryList.h"
#include "model/files/BandDefaults.h"
#include "model/files/FileStore.h"
#include "model/files/IndexRanges.h"
#include "model/files/MemoryFileCheck.h"
#include "model/files/OldModeNumbering.h"
#include "model/files/RecordCodec.h"

#include <algorithm>
#include <filesystem>

namespace dorv {

namespace {

namespace fs = std::filesystem;

constexpr const char *kUsage = "usage: dorv-ft897 --export-csv MEMFILE CSVFILE\n"
                               "       dorv-ft897 --import-csv CSVFILE MEMFILE [--force]\n";

// Reads a memory file as File > Open does, old mode numbering included. A missing file,
// or one that is no memory file, is refused.
bool LoadMemoryFile(const std::string &path, MemoryTable &table, std::ostream &err)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        err << path << ": " << (fs::exists(path, ec) ? "not a regular file" : "no such file")
            << "; nothing written\n";
        return false;
    }
    Bytes bytes;
    std::string why;
    const MemoryFileRead read = ReadMemoryDatabase(path, bytes, why);
    if (read != MemoryFileRead::Read) {
        err << path << ": " << (read == MemoryFileRead::NotAMemoryFile ? "not a memory file: " : "")
            << why << "; nothing written\n";
        return false;
    }
    DecodeMemoryChannels(bytes, table);
    ConvertOldModeNumbering(table);
    for (MemoryChannel &memory : table) {
        KeepIndexesInRange(memory);
    }
    return true;
}

// Whether `path` is a memory file that holds records: an export must not write over one,
// nor an import read one as its channel list (the arguments were swapped).
bool HoldsMemories(const std::string &path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || fs::is_empty(path, ec) || ec) {
        return false;
    }
    Bytes bytes;
    std::string why;
    return ReadMemoryDatabase(path, bytes, why) == MemoryFileRead::Read;
}

// The same file under two names (links included), or the same name for a new file.
bool SameFile(const std::string &a, const std::string &b)
{
    std::error_code ea, eb;
    if (fs::equivalent(a, b, ea)) {
        return true;
    }
    const fs::path canonicalA = fs::weakly_canonical(a, ea);
    const fs::path canonicalB = fs::weakly_canonical(b, eb);
    return !ea && !eb && canonicalA == canonicalB;
}

int ExportCsv(const std::string &memPath, const std::string &csvPath, std::ostream &err)
{
    if (HoldsMemories(csvPath)) {
        err << csvPath
            << ": a memory file, not written over with a channel list; nothing written\n";
        return kCsvExitFailed;
    }
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
    if (HoldsMemories(csvPath)) {
        err << csvPath << ": a memory file, not a channel list; nothing written\n";
        return kCsvExitFailed;
    }
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
    MemoryTable table = NewMemoryTable();
    std::error_code ec;
    const bool existing = fs::exists(memPath, ec);
    if (existing && !LoadMemoryFile(memPath, table, err)) {
        return kCsvExitFailed;
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
    if (SameFile(rest[1], rest[2])) {
        err << rest[1] << ": the same file as source and target; nothing written\n";
        return kCsvExitFailed;
    }
    return exporting ? ExportCsv(rest[1], rest[2], err) : ImportCsv(rest[1], rest[2], force, err);
}

} // namespace dorv
