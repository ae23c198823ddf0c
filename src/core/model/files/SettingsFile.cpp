#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/DataFiles.h"
#include "model/files/FileStore.h"
#include "model/files/RecordCodec.h"
#include "model/files/SettingsDefaults.h"

namespace dorv {

namespace {
constexpr const char *kSettingsFileName = "ft897.dorv";
constexpr const char *kSettingsFileTitle = "Open Settings File";
} // namespace

void DataFiles::OpenSettingsFile()
{
    SettingsRecord &settings = state_.Settings;
    Bytes bytes;
    std::string error;
    if (!ReadRecords(DataFile(kSettingsFileName), kSettingsRecordSize, bytes, error)) {
        Complain("Error encountered while trying to open file FT897.DORV. " + error + ".",
                 kSettingsFileTitle, MsgButtons::Ok);
        return;
    }
    settings = DecodeSettingsRecord(bytes);
    if (!SettingsAreValid(settings)) {
        settings = DefaultSettings();
        Complain("The settings file does NOT exist in the program directory, or it is "
                 "corrupted. A default settings file will be created. Check the new settings "
                 "in the Settings Menu before you continue.",
                 kSettingsFileTitle, MsgButtons::Ok);
        SaveSettingsFile();
    }
    RepairSettings(settings);

    // A position saved on a larger screen would put the window out of sight.
    const ScreenSize screen = host_.screenSize();
    if (settings.WindowTop < 0 || settings.WindowLeft < 0 ||
        screen.height * kTwipsPerPixel <= settings.WindowTop ||
        screen.width * kTwipsPerPixel <= settings.WindowLeft) {
        settings.WindowTop = 0;
        settings.WindowLeft = 0;
    }

    settingsLoaded.Raise(state_.Settings);
    ReopenLastMemoryFile();
    host_.panelChanged();
}

void DataFiles::ReopenLastMemoryFile()
{
    const std::string path = LastMemoryFilePath();
    if (path.empty()) {
        return;
    }
    Bytes records;
    const MemoryFileRead read = ReadMemoryFile(path, records);
    if (read == MemoryFileRead::Read) {
        TakeMemoryFile(path, records);
    }
    // A file that is no memory file is not named in the caption: none was opened.
    if (read != MemoryFileRead::NotAMemoryFile) {
        SetCaptionFromPath(path);
    }
}

bool DataFiles::SaveSettingsFile()
{
    std::string error;
    if (!ReplaceRecords(DataFile(kSettingsFileName), EncodeSettingsRecord(state_.Settings),
                        error)) {
        Complain("Error encountered while trying to save file FT897.DORV." + error + ".",
                 "Save FT-897 Settings File", MsgButtons::OkCancel);
        return false;
    }
    return true;
}

} // namespace dorv
