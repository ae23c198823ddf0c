#include "app/SettingsMenus.h"

#include "app/DisplayLayout.h"
#include "app/UpdateIntervals.h"
#include "cat/CatLink.h"
#include "model/MenuCaptions.h"
#include "model/PanelState.h"
#include "model/SettingsRecord.h"
#include "model/files/DataFiles.h"

namespace dorv {

SettingsMenus::SettingsMenus(PanelState &panel, CatLink &link, DataFiles &files,
                             UpdateIntervals &intervals, DisplayLayout &display)
    : panel_(panel), link_(link), intervals_(intervals), display_(display)
{
    files.settingsLoaded.Subscribe([this](const SettingsRecord &settings) { Apply(settings); });
}

// Each stored menu choice is applied through its menu's own click handler, in this order:
// serial port, CAT rate, scan speed, meter speed, PRI speed, display size, display face,
// display colours, pause interval; then "Tune to Radio on Start-up" is ticked from
// TuneOnStartup.
void SettingsMenus::Apply(SettingsRecord settings)
{
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

} // namespace dorv
