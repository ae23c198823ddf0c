#pragma once

namespace dorv {

class CatLink;
class DataFiles;
class DisplayLayout;
struct PanelState;
struct SettingsRecord;
class UpdateIntervals;

// Takes the settings file's choices up into the menus each time it is read.
class SettingsMenus {
public:
    SettingsMenus(PanelState &panel, CatLink &link, DataFiles &files, UpdateIntervals &intervals,
                  DisplayLayout &display);

private:
    // The handlers store into the settings they read from, so each works from a copy.
    void Apply(SettingsRecord settings);

    PanelState &panel_;
    CatLink &link_;
    UpdateIntervals &intervals_;
    DisplayLayout &display_;
};

} // namespace dorv
