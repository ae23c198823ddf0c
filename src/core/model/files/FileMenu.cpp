#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/DataFiles.h"

namespace dorv {

namespace {
enum FileMenuItem { FileNewItem = 0, FileOpenItem = 1, FileSaveItem = 3, FileSaveAsItem = 4 };
} // namespace

void DataFiles::mnuFileArray_Click(int Index)
{
    switch (Index) {
    case FileNewItem:
        FileNew();
        break;
    case FileOpenItem:
        FileOpen();
        break;
    case FileSaveItem:
        SaveCurrentMemoryFile();
        break;
    case FileSaveAsItem:
        FileSaveAs();
        break;
    default:
        break;
    }
}

// Shows the file dialog for a memory file. A cancelled dialog ends the calling command;
// the next dialog then starts again at the remembered memory file.
std::optional<std::string> DataFiles::AskMemoryFile(bool forOpen)
{
    const FileDialogRequest request{forOpen ? "Open" : "Save As", kMemoryFilter, dialogFileName_,
                                    "mem"};
    auto path = forOpen ? host_.openFileDialog(request) : host_.saveFileDialog(request);
    if (!path || path->empty()) {
        dialogFileName_ = LastMemoryFilePath();
        return std::nullopt;
    }
    dialogFileName_ = *path;
    return path;
}

// Asks to save changed memories before they are replaced. Returns false when the command
// is to end: the user cancelled, or the memories could not be saved.
bool DataFiles::SavePromptGoesOn(const std::string &doing, const std::string &title)
{
    if (!state_.MemoryDirty) {
        return true;
    }
    const MsgAnswer answer = host_.messageBox("Save current memory file " + captionName_ +
                                                  " before " + doing + " a new file?",
                                              title, MsgIcon::Question, MsgButtons::YesNoCancel);
    switch (answer) {
    case MsgAnswer::Yes:
        return SaveCurrentMemoryFile();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

void DataFiles::ClearMemories()
{
    state_.Memories = NewMemoryTable();
    state_.MemoryCount = 0;
}

void DataFiles::FileNew()
{
    RadioState &s = state_;
    if (!SavePromptGoesOn("creating", "New File")) {
        return;
    }
    CloseMemoryFile();
    ClearMemories();
    s.CurrentMemory = 0;
    s.MemoryDirty = false;
    s.Settings.LastMemoryFile = std::string(kPathLength, ' ');
    ShowCaption(kUntitled);
    memoriesReplaced.Raise();
    host_.panelChanged();
}

void DataFiles::FileOpen()
{
    RadioState &s = state_;
    if (!SavePromptGoesOn("opening", "Open File")) {
        return;
    }
    const auto path = AskMemoryFile(true);
    if (!path) {
        return;
    }
    Bytes records;
    const MemoryFileRead read = ReadMemoryFile(*path, records);
    if (read == MemoryFileRead::NotAMemoryFile) {
        dialogFileName_ = LastMemoryFilePath();
        return;
    }
    StoreLastMemoryFile(*path);
    SetCaptionFromPath(*path);
    CloseMemoryFile();
    ClearMemories();
    if (read == MemoryFileRead::Read) {
        TakeMemoryFile(*path, records);
    }
    s.MemoryDirty = false;
    memoriesReplaced.Raise();
    host_.panelChanged();
}

void DataFiles::FileSaveAs()
{
    if (const auto path = AskMemoryFile(false)) {
        SaveMemoriesAs(*path);
    }
}

} // namespace dorv
