#pragma once

#include "host/Host.h"
#include "model/Event.h"
#include "model/MemoryChannel.h"
#include "model/files/MemoryFileCheck.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dorv {

class Host;
struct PanelState;
struct RadioState;
struct SettingsRecord;

// The data files: band table, settings, HOME channels, the memory database and the File
// menu commands that act on it. Every procedure reports its own errors to the user and
// returns; the Save procedures tell their callers whether the file was written.
class DataFiles {
public:
    DataFiles(Host &host, const std::string &dataDir, RadioState &state, PanelState &panel)
        : host_(host), dataDir_(dataDir), state_(state), panel_(panel)
    {
    }

    void OpenBandDataFile();
    bool SaveBandDataFile();

    void OpenSettingsFile();
    bool SaveSettingsFile();

    void OpenHomeFile();
    bool SaveHomeFile();

    // What the link switching off and the exit leave behind: the band table, the settings
    // with the window's place, and the HOME channels. Each file reports its own error.
    void SaveSessionFiles();

    // Reads all memories from `filename` (a file system path, created if missing), which
    // then is the open memory file. Returns false when it fails: with no file open when
    // the file cannot be read, with everything as it was when it is no memory file.
    bool OpenMemoryFile(const std::string &filename);
    // Writes all memories into the open memory file. Leaves MemoryDirty to the caller.
    bool SaveMemoryFile();
    // The shared "Save": asks for a name when no memory file is open, writes the memories
    // and clears MemoryDirty. Returns false, with MemoryDirty kept, when nothing was saved.
    bool SaveCurrentMemoryFile();
    void CloseMemoryFile()
    {
        memoryFile_.reset();
        loadedMemories_.clear();
    }
    const std::optional<std::string> &MemoryFile() const { return memoryFile_; }

    // File menu: 0 New, 1 Open..., 3 Save, 4 Save As...
    void mnuFileArray_Click(int Index);

    // Raised with the settings just read, for the menus to take them up.
    Event<const SettingsRecord &> settingsLoaded;
    // Raised after File > New or Open... replaced every memory.
    Event<> memoriesReplaced;

    static constexpr const char *kMemoryFilter = "Memory Data (*.MEM)|*.mem|All Files (*.*)|*.*";

private:
    // The caption's name for memories not yet saved to a file.
    static constexpr const char *kUntitled = "untitled";

    std::filesystem::path DataFile(const char *name) const;
    void Complain(const std::string &text, const std::string &title, MsgButtons buttons);

    void ReopenLastMemoryFile();

    std::string LastMemoryFilePath() const;
    void StoreLastMemoryFile(const std::string &path);
    void SetCaptionFromPath(const std::string &path);
    // The window caption: the product name and the memory file's name in brackets.
    void ShowCaption(const std::string &name);

    MemoryFileRead ReadMemoryFile(const std::string &filename, Bytes &records);
    void TakeMemoryFile(const std::string &filename, const Bytes &records);
    bool SaveMemoriesAs(const std::string &path);
    bool SavePromptGoesOn(const std::string &doing, const std::string &title);
    std::optional<std::string> AskMemoryFile(bool forOpen);
    void ClearMemories();
    void FileNew();
    void FileOpen();
    void FileSaveAs();

    Host &host_;

    const std::string &dataDir_;

    RadioState &state_;

    PanelState &panel_;
    std::optional<std::string> memoryFile_; // path of the open memory file
    // The memories as read from it, before indexes past a table were clamped for use.
    std::vector<MemoryChannel> loadedMemories_;
    std::string captionName_ = kUntitled; // the memory file's name as the caption shows it
    std::string dialogFileName_;          // default of the next file dialog
};

} // namespace dorv
