#include "model/files/SettingsDefaults.h"

#include "model/StepDefaults.h"

namespace dorv {

namespace {

struct MenuField {
    std::int16_t SettingsRecord::*field;
    std::int16_t first, last, fallback;
};

// Each menu index with the items of its menu and its default.
constexpr MenuField kMenuFields[] = {
    {&SettingsRecord::MeterSpeed, 0, 6, 1},    {&SettingsRecord::ScanSpeed, 0, 6, 0},
    {&SettingsRecord::PriSpeed, 0, 3, 2},      {&SettingsRecord::CommPort, 1, 10, kNoCommPort},
    {&SettingsRecord::CatRate, 0, 2, 1},       {&SettingsRecord::DisplaySize, 0, 2, 2},
    {&SettingsRecord::DisplayFace, 4, 5, 5},   {&SettingsRecord::DisplayColours, 7, 8, 7},
    {&SettingsRecord::PauseInterval, 0, 4, 2},
};

} // namespace

bool SettingsAreValid(const SettingsRecord &settings)
{
    // 0 marks a missing, empty or invalid file; any other port outside the menu is
    // repaired to "None" with the rest of the record kept.
    return settings.CommPort != 0;
}

SettingsRecord DefaultSettings()
{
    SettingsRecord s;
    for (const MenuField &menu : kMenuFields) {
        s.*menu.field = menu.fallback;
    }
    s.TuneOnStartup = true;
    ResetStepDefaults(s);
    s.Ars144 = true;
    s.Ars430 = true;
    s.LastMemoryFile = std::string(kPathLength, ' ');
    return s;
}

void RepairSettings(SettingsRecord &settings)
{
    for (const MenuField &menu : kMenuFields) {
        std::int16_t &value = settings.*menu.field;
        if (value < menu.first || value > menu.last) {
            value = menu.fallback;
        }
    }
    RepairStepTables(settings);
}

} // namespace dorv
