#pragma once

#include "model/PanelState.h"

#include <span>

namespace dorv {

// One item of a choice menu: its caption and the value choosing it puts into effect.
struct MenuChoice {
    const char *Caption;
    int Value;
};

// The update-interval menus, by item index. Timer intervals in ms, the pause in seconds;
// 0 is "OFF".
inline constexpr MenuChoice kScanSpeedChoices[] = {
    {"1000 ms.", 1000}, {"500 ms.", 500}, {"400 ms.", 400}, {"300 ms.", 300},
    {"250 ms.", 250},   {"200 ms.", 200}, {"OFF", 0}};
inline constexpr MenuChoice kMeterSpeedChoices[] = {
    {"1000 ms.", 1000}, {"500 ms.", 500}, {"400 ms.", 400}, {"300 ms.", 300},
    {"200 ms.", 200},   {"100 ms.", 100}, {"OFF", 0}};
inline constexpr MenuChoice kPriSpeedChoices[] = {
    {"15 sec.", 15000}, {"10 sec.", 10000}, {"5 sec.", 5000}, {"OFF", 0}};
inline constexpr MenuChoice kPauseIntervalChoices[] = {
    {"30 sec.", 30}, {"15 sec.", 15}, {"5 sec.", 5}, {"3 sec.", 3}, {"OFF", 0}};

// The transmit time-out menu, in minutes; 0 is "OFF".
inline constexpr MenuChoice kTxTimeOutChoices[] = {{"OFF", 0},     {"1 min.", 1}, {"2 min.", 2},
                                                   {"3 min.", 3},  {"5 min.", 5}, {"10 min.", 10},
                                                   {"15 min.", 15}};

// The item of the Settings menu that ticks TuneOnStartup.
inline constexpr int kTuneOnStartupItem = 14;
// The item of the Settings menu that opens the transmit time-out menu.
inline constexpr int kTxTimeOutItem = 15;

// Moves the check mark of a choice menu to Index and gives the choice's value; an index
// outside the choices changes nothing and returns false.
bool CheckChoice(MenuArray &menu, std::span<const MenuChoice> choices, int Index, int &value);

// Fills the Settings tree, the Memory and the Help menus of a new panel.
void AddProgramMenus(PanelState &panel);

} // namespace dorv
