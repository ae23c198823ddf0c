#include "model/MenuCaptions.h"

#include "model/PanelState.h"

#include <initializer_list>
#include <utility>

namespace dorv {

namespace {

// A menu array from (index, caption) pairs; indexes left out stay as invisible items.
MenuArray Indexed(std::initializer_list<std::pair<int, const char *>> items)
{
    MenuArray menu;
    for (const auto &[index, caption] : items) {
        if (static_cast<int>(menu.size()) <= index) {
            menu.resize(index + 1, MenuItem{"", false, true, false});
        }
        menu[index] = MenuItem{caption};
    }
    return menu;
}

MenuArray FromChoices(std::span<const MenuChoice> choices)
{
    MenuArray menu;
    for (const MenuChoice &choice : choices) {
        menu.push_back(MenuItem{choice.Caption});
    }
    return menu;
}

} // namespace

bool CheckChoice(MenuArray &menu, std::span<const MenuChoice> choices, int Index, int &value)
{
    if (Index < 0 || Index >= static_cast<int>(choices.size())) {
        return false;
    }
    for (MenuItem &item : menu) {
        item.Checked = false;
    }
    menu[Index].Checked = true;
    value = choices[Index].Value;
    return true;
}

void AddProgramMenus(PanelState &panel)
{
    panel.mnuSettingsArray = Indexed({{0, "Serial Port"},
                                      {1, "CAT Rate"},
                                      {2, "Update Intervals"},
                                      {3, "Display"},
                                      {4, "-"},
                                      {8, "Tuning Steps..."},
                                      {9, "Repeater Shifts..."},
                                      {10, "-"},
                                      {11, "CTCSS Tones..."},
                                      {12, "DCS Codes..."},
                                      {13, "-"},
                                      {kTuneOnStartupItem, "Tune to Radio on Start-up"},
                                      {kTxTimeOutItem, "Transmit Time-out"}});
    panel.mnuDelayArray =
        Indexed({{0, "Scanning"}, {1, "Meter"}, {2, "PRI Monitor"}, {4, "Pause"}});
    panel.mnuScanSpeed = FromChoices(kScanSpeedChoices);
    panel.mnuMeterSpeed = FromChoices(kMeterSpeedChoices);
    panel.mnuPRIspeed = FromChoices(kPriSpeedChoices);
    panel.mnuPauseInterval = FromChoices(kPauseIntervalChoices);
    panel.mnuTxTimeOut = FromChoices(kTxTimeOutChoices);
    panel.mnuResizeDisplayArray = Indexed({{0, "Small"},
                                           {1, "Medium"},
                                           {2, "Large"},
                                           {3, "-"},
                                           {4, "LCD"},
                                           {5, "Radio"},
                                           {6, "-"},
                                           {7, "16 Bit Colors"},
                                           {8, "8 Bit Colors"}});
    panel.mnuMemoryArray = Indexed({{0, "Manager..."}});
    panel.mnuHelpArray = Indexed({{0, "Contents"}, {1, "-"}, {2, "About DORV FT-897"}});
}

} // namespace dorv
