#include "cat/CatCommands.h"
#include "cat/CatLink.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "host/PortTypes.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "model/files/FileStore.h"
#include "scope/BandScope.h"
#include "scope/ScopeMenuChoices.h"

#include <initializer_list>
#include <string>

namespace dorv {

namespace {

constexpr const char *kScopeFileName = "bandscope.dorv";
constexpr const char *kHelpFile = "dorvft897.html";

MenuArray Captions(std::initializer_list<const char *> captions)
{
    MenuArray menu;
    for (const char *caption : captions) {
        menu.push_back(MenuItem{caption});
    }
    return menu;
}

} // namespace

void BandScope::BuildMenus()
{
    ScopeWindowState &v = view();
    v.mnuFileArray = Captions({"&Exit", "Save &Picture...", "E&xport Readings..."});
    v.mnuActiveSearchArray = Captions({"S0", "S1", "S2", "S3", "S4", "S5", "S6", "S7", "S8", "S9"});
    v.mnuScopeScanSpeedArray.clear();
    for (const ScopeSpeedChoice &choice : kScopeSpeedChoices) {
        v.mnuScopeScanSpeedArray.push_back(MenuItem{choice.Caption});
    }
    v.mnuContinuousScan = Captions({"On", "Off"});
    v.mnuDisplayModeArray = Captions({"Pan", "Wrap"});
    v.mnuHandleArray = Captions({"None", "Horizontal", "Vertical", "Both"});
    v.mnuWrapWidthArray = Captions({"", "1", "2", "3", "4"});
    v.mnuWrapWidthArray[0].Visible = false;
    v.mnuColorFillArray = Captions({"On", "Off"});
    v.mnuHelpArray = Captions({"&Contents", "-", "&About DORV FT-897..."});
    // Until a settings file is read, the menus show the default choices.
    const ScopeSettingsRecord defaults;
    UntickAndTick(v.mnuActiveSearchArray, defaults.ActiveSearch);
    UntickAndTick(v.mnuScopeScanSpeedArray, defaults.ScopeSpeed);
    UntickAndTick(v.mnuContinuousScan, defaults.ContinuousScan);
    UntickAndTick(v.mnuDisplayModeArray, defaults.DisplayMode);
    UntickAndTick(v.mnuHandleArray, defaults.Handles);
    UntickAndTick(v.mnuWrapWidthArray, defaults.WrapWidth);
    UntickAndTick(v.mnuColorFillArray, defaults.ColorFill);
}

void BandScope::UntickAndTick(MenuArray &menu, int Index)
{
    for (std::size_t i = 0; i < menu.size(); ++i) {
        menu[i].Checked = static_cast<int>(i) == Index;
    }
}

void BandScope::mnuFileArray_Click(int Index)
{
    if (Index == ScopeFileExit) {
        if (Sweeping()) {
            StopSweep();
        }
        SaveScopeSettingsFile();
        Form_Unload();
    } else if (Index == ScopeFileExportReadings) {
        const auto path = host_.saveFileDialog(
            {"Export Readings", "CSV Files (*.csv)|*.csv|All Files (*.*)|*.*", "", "csv"});
        if (path) {
            ExportReadings(*path);
        }
    }
}

void BandScope::mnuActiveSearchArray_Click(int Index)
{
    if (Index < 0 || Index >= kActiveSearchItems) {
        return;
    }
    UntickAndTick(view().mnuActiveSearchArray, Index);
    ScopeSettings.ActiveSearch = static_cast<std::int16_t>(Index);
}

void BandScope::mnuScopeScanSpeedArray_Click(int Index)
{
    if (Index < 0 || Index >= static_cast<int>(std::size(kScopeSpeedChoices))) {
        return;
    }
    UntickAndTick(view().mnuScopeScanSpeedArray, Index);
    TimerScope.setInterval(kScopeSpeedChoices[Index].IntervalMs);
    ScopeSettings.ScopeSpeed = static_cast<std::int16_t>(Index);
}

void BandScope::mnuContinuousScan_Click(int Index)
{
    if (Index < 0 || Index > 1) {
        return;
    }
    UntickAndTick(view().mnuContinuousScan, Index);
    ScopeSettings.ContinuousScan = static_cast<std::int16_t>(Index);
}

void BandScope::mnuDisplayModeArray_Click(int)
{
    UntickAndTick(view().mnuDisplayModeArray, 0);
    view().stripScope.DisplayMode = 0;
    ScopeSettings.DisplayMode = 0;
}

void BandScope::mnuHandleArray_Click(int Index)
{
    if (Index < 0 || Index >= kHandleItems) {
        return;
    }
    UntickAndTick(view().mnuHandleArray, Index);
    view().stripScope.Handles = Index;
    ScopeSettings.Handles = static_cast<std::int16_t>(Index);
}

void BandScope::mnuWrapWidthArray_Click(int Index)
{
    if (Index < 1 || Index > kWrapWidthItems) {
        return;
    }
    UntickAndTick(view().mnuWrapWidthArray, Index);
    view().stripScope.WrapWidth = Index;
    ScopeSettings.WrapWidth = static_cast<std::int16_t>(Index);
}

void BandScope::mnuColorFillArray_Click(int Index)
{
    if (Index < 0 || Index > 1) {
        return;
    }
    UntickAndTick(view().mnuColorFillArray, Index);
    view().stripScope.Fill = Index == 0;
    ScopeSettings.ColorFill = static_cast<std::int16_t>(Index);
}

void BandScope::mnuHelpArray_Click(int Index)
{
    if (Index == ScopeHelpContents) {
        if (!host_.showHelp(kHelpFile)) {
            host_.messageBox(std::string("The help file ") + kHelpFile +
                                 " could not be shown. It is kept in the program's "
                                 "directory; open it there with a web browser.",
                             "Help", MsgIcon::Exclamation, MsgButtons::Ok);
        }
    } else if (Index == ScopeHelpAbout) {
        panel_.frmAboutVisible = true;
    }
    host_.panelChanged();
}

std::filesystem::path BandScope::SettingsFile() const
{
    return std::filesystem::path(dataDir_) / kScopeFileName;
}

void BandScope::OpenScopeSettingsFile()
{
    Bytes bytes;
    std::string error;
    if (!ReadRecords(SettingsFile(), kScopeSettingsRecordSize, bytes, error)) {
        host_.messageBox("Error encountered while trying to open file BANDSCOPE.DORV. " + error +
                             ".",
                         "Open Band Scope Settings File", MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    ScopeSettings = DecodeScopeSettings(bytes);
    if (ScopeSettings.Valid == 0) {
        ScopeSettings = ScopeSettingsRecord{};
        host_.messageBox("The band scope settings file does NOT exist in the program "
                         "directory, or it is corrupted. A default settings file will be "
                         "created.",
                         "Open Scope Settings File", MsgIcon::Exclamation, MsgButtons::Ok);
        SaveScopeSettingsFile();
    }
    ClampScopeSettings(ScopeSettings);
    // Each handler stores into ScopeSettings, so they are fed from a copy.
    const ScopeSettingsRecord stored = ScopeSettings;
    mnuActiveSearchArray_Click(stored.ActiveSearch);
    mnuContinuousScan_Click(stored.ContinuousScan);
    mnuDisplayModeArray_Click(stored.DisplayMode);
    mnuHandleArray_Click(stored.Handles);
    mnuWrapWidthArray_Click(stored.WrapWidth);
    mnuColorFillArray_Click(stored.ColorFill);
    mnuScopeScanSpeedArray_Click(stored.ScopeSpeed);
}

bool BandScope::SaveScopeSettingsFile()
{
    std::string error;
    if (!ReplaceRecords(SettingsFile(), EncodeScopeSettings(ScopeSettings), error)) {
        host_.messageBox(
            "Error encountered while trying to save file BANDSCOPE.DORV." + error + ".",
            "Save Band Scope Settings File", MsgIcon::Exclamation, MsgButtons::OkCancel);
        return false;
    }
    return true;
}

} // namespace dorv
