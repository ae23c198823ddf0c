#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/Cp1252.h"
#include "model/files/DataFiles.h"
#include "model/files/FileStore.h"
#include "model/files/IndexRanges.h"
#include "model/files/MemoryFileCheck.h"
#include "model/files/OldModeNumbering.h"
#include "model/files/RecordCodec.h"

namespace dorv {

namespace {

// A channel still as it was loaded is written back with the values it was read with: an
// index clamped only so that it never points past a table keeps what the file held.
std::vector<MemoryChannel> WithLoadedValues(const std::vector<MemoryChannel> &loaded,
                                            std::vector<MemoryChannel> memories)
{
    for (std::size_t n = 0; n < memories.size() && n < loaded.size(); ++n) {
        MemoryChannel clamped = loaded[n];
        KeepIndexesInRange(clamped);
        if (memories[n] == clamped) {
            memories[n] = loaded[n];
        }
    }
    return memories;
}

} // namespace

bool DataFiles::OpenMemoryFile(const std::string &filename)
{
    Bytes records;
    switch (ReadMemoryFile(filename, records)) {
    case MemoryFileRead::Read:
        TakeMemoryFile(filename, records);
        return true;
    case MemoryFileRead::Unreadable:
        CloseMemoryFile();
        state_.MemoryCount = 0;
        return false;
    case MemoryFileRead::NotAMemoryFile:
        return false;
    }
    return false;
}

// Reads a memory file and reports to the user why it cannot be taken.
MemoryFileRead DataFiles::ReadMemoryFile(const std::string &filename, Bytes &records)
{
    std::string why;
    const MemoryFileRead read = ReadMemoryDatabase(filename, records, why);
    if (read == MemoryFileRead::Unreadable) {
        Complain("Error encountered while trying to open file " + LowerAscii(filename) + ". " +
                     why + ".",
                 "Open Memory File", MsgButtons::Ok);
    } else if (read == MemoryFileRead::NotAMemoryFile) {
        // Text or other data read as memories would show nonsense and, once saved,
        // destroy the file: it is refused and the memories in use stay as they were.
        Complain("The file " + filename + " is not a memory file: " + why +
                     ". It was not opened; the memories in use are unchanged.",
                 "Open Memory File", MsgButtons::Ok);
    }
    return read;
}

// Makes the records read from `filename` the memories in use and the file the open one.
void DataFiles::TakeMemoryFile(const std::string &filename, const Bytes &records)
{
    RadioState &s = state_;
    CloseMemoryFile();
    memoryFile_ = filename;
    DecodeMemoryChannels(records, s.Memories);
    s.MemoryCount = 0;
    for (const MemoryChannel &memory : s.Memories) {
        s.MemoryCount += memory.inUse() ? 1 : 0;
    }
    if (ConvertOldModeNumbering(s.Memories)) {
        s.MemoryDirty = true;
        Complain("The format of the DORV FT-897 Memory Database has been recently updated. The "
                 "Memory Database that you just opened will be automatically updated to reflect "
                 "these changes. To complete the update process please save the new Memory "
                 "Database before you exit DORV.",
                 "Memory Database Update", MsgButtons::Ok);
    }
    loadedMemories_.assign(s.Memories.begin(), s.Memories.end());
    for (MemoryChannel &memory : s.Memories) {
        KeepIndexesInRange(memory);
    }
}

bool DataFiles::SaveMemoryFile()
{
    if (!memoryFile_) {
        return false;
    }
    std::string error;
    const std::vector<MemoryChannel> memories =
        WithLoadedValues(loadedMemories_, {state_.Memories.begin(), state_.Memories.end()});
    if (!ReplaceRecords(*memoryFile_, EncodeMemoryChannels(memories), error)) {
        Complain("Error encountered while trying to save file " + LowerAscii(*memoryFile_) + ". " +
                     error + ". The memory changes have NOT been saved.",
                 "Save Memory File", MsgButtons::OkCancel);
        return false;
    }
    return true;
}

bool DataFiles::SaveCurrentMemoryFile()
{
    if (!memoryFile_) {
        const auto path = AskMemoryFile(false);
        return path && SaveMemoriesAs(*path);
    }
    if (!SaveMemoryFile()) {
        return false;
    }
    state_.MemoryDirty = false;
    return true;
}

// Writes the memories to `path`, which then becomes the open and remembered memory file.
// When the write fails, the file that was open stays open and remembered.
bool DataFiles::SaveMemoriesAs(const std::string &path)
{
    const auto previous = memoryFile_;
    memoryFile_ = path;
    if (!SaveMemoryFile()) {
        memoryFile_ = previous;
        return false;
    }
    state_.MemoryDirty = false;
    StoreLastMemoryFile(path);
    SetCaptionFromPath(path);
    host_.panelChanged();
    return true;
}

} // namespace dorv
