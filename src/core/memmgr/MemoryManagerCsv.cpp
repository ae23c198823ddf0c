#include "host/Host.h"
#include "memmgr/CsvMemoryList.h"
#include "memmgr/MemoryManager.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/ReadoutFormat.h"
#include "model/files/FileStore.h"
#include "panel/MemoryMode.h"

namespace dorv {

namespace {

constexpr const char *kCsvFilter = "CSV Channel Lists (*.csv)|*.csv|All Files (*.*)|*.*";
constexpr std::size_t kRefusalsShown = 15;

// Positions in use that an import would overwrite with something else.
std::vector<int> Replaced(const MemoryTable &table, const CsvMemoryList &list)
{
    std::vector<int> replaced;
    for (const auto &row : list.taken) {
        MemoryChannel incoming = row.channel;
        incoming.BankSelected = table[row.location].BankSelected;
        if (table[row.location].inUse() && !(table[row.location] == incoming)) {
            replaced.push_back(row.location);
        }
    }
    return replaced;
}

std::string PositionList(const std::vector<int> &positions)
{
    std::string text;
    for (std::size_t i = 0; i < positions.size() && i < 10; ++i) {
        text += (i == 0 ? "" : ", ") + FormatChannel(positions[i]);
    }
    return positions.size() > 10 ? text + " ..." : text;
}

} // namespace

void MemoryManager::mnuImportCsv_Click()
{
    const auto path = host_.openFileDialog({"Import CSV", kCsvFilter, "", "csv"});
    if (path) {
        ImportRows(*path);
    }
}

// Reads every row first; only after the user's answer does anything reach the working copy.
void MemoryManager::ImportRows(const std::string &path)
{
    Host &host = host_;
    host.setBusyPointer(true);
    const CsvMemoryList list = ReadCsvMemoryFile(path, state_.BandTable);
    host.setBusyPointer(false);
    if (!list.fault.empty()) {
        host.messageBox("The file " + path + " cannot be imported: " + list.fault +
                            ". Nothing was changed.",
                        "Import CSV", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (list.taken.empty()) {
        host.messageBox("No row of " + path + " can be imported:\n\n" +
                            RefusalLines(list, kRefusalsShown) + "\nNothing was changed.",
                        "Import CSV", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    const std::vector<int> replaced = Replaced(work_, list);
    std::string question;
    if (!list.refused.empty()) {
        question += "These rows of " + path + " cannot be imported:\n\n" +
                    RefusalLines(list, kRefusalsShown) + "\n";
    }
    if (!replaced.empty()) {
        question += std::to_string(replaced.size()) +
                    " channels in use will be replaced (positions " + PositionList(replaced) +
                    ").\n\n";
    }
    if (!question.empty() &&
        host.messageBox(question + "Import the other " + std::to_string(list.taken.size()) +
                            " channels?",
                        "Import CSV", MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes) {
        return;
    }
    PlaceTaken(work_, list);
    editVisible_ = false;
    row_ = rowSel_ = list.taken.front().location;
    host.messageBox(std::to_string(list.taken.size()) +
                        " channels imported. SAVE keeps them in the memory database.",
                    "Import CSV", MsgIcon::Information, MsgButtons::Ok);
}

void MemoryManager::mnuExportCsv_Click()
{
    Host &host = host_;
    const int count = CountInUse(work_);
    if (count == 0) {
        host.messageBox("There are no channels in use to export.", "Export CSV",
                        MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    const auto path = host.saveFileDialog({"Export CSV", kCsvFilter, "", "csv"});
    if (!path) {
        return;
    }
    const std::string text = WriteCsvMemoryList(work_);
    std::string error;
    if (!ReplaceWholeFile(*path, Bytes(text.begin(), text.end()), error)) {
        host.messageBox("Error encountered while trying to save file " + *path + ". " + error + ".",
                        "Export CSV", MsgIcon::Exclamation, MsgButtons::Ok);
    }
}

} // namespace dorv
