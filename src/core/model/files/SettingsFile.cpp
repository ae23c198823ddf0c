#include "app/DisplayLayout.h"
#include "app/UpdateIntervals.h"
#include "cat/CatLink.h"
#include "host/Host.h"
#include "model/MenuCaptions.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/DataFiles.h"
#include "model/files/FileStore.h"
#include "model/files/RecordCodec.h"
#include "model/files/SettingsDefaults.h"
#include "panel/MemoryMode.h"

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
    constexpr int kTwipsPerPixel = DisplayLayout::kTwipsPerPixel;
    if (settings.WindowTop < 0 || settings.WindowLeft < 0 ||
        screen.height * kTwipsPerPixel <= settings.WindowTop ||
        screen.width * kTwipsPerPixel <= settings.WindowLeft) {
        settings.WindowTop = 0;
        settings.WindowLeft = 0;
    }

    ApplySettingsMenus();
    ReopenLastMemoryFile();
    host_.panelChanged();
}

// Each stored menu choice is applied through its menu's own click handler, in this order:
// serial port, CAT rate, scan speed, meter speed, PRI speed, display size, display face,
// display colours, pause interval; then "Tune to Radio on Start-up" is ticked from
// TuneOnStartup. The handlers read the settings they store into, so each gets a copy.
void DataFiles::ApplySettingsMenus()
{
    const SettingsRecord settings = state_.Settings;
    link_.mnuCommPortArray_Click(settings.CommPort);
    link_.mnuCatRate_Click(settings.CatRate);
    intervals_.mnuScanSpeed_Click(settings.ScanSpeed);
    intervals_.mnuMeterSpeed_Click(settings.MeterSpeed);
    intervals_.mnuPRIspeed_Click(settings.PriSpeed);
    display_.mnuResizeDisplayArray_Click(settings.DisplaySize);
    display_.mnuResizeDisplayArray_Click(settings.DisplayFace);
    display_.mnuResizeDisplayArray_Click(settings.DisplayColours);
    intervals_.mnuPauseInterval_Click(settings.PauseInterval);
    panel_.mnuSettingsArray[kTuneOnStartupItem].Checked = settings.TuneOnStartup;
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
