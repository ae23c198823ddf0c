#pragma once

#include <span>

namespace dorv {

struct PanelState;

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

// The item of the Settings menu that ticks TuneOnStartup.
inline constexpr int kTuneOnStartupItem = 14;

// Fills the Settings tree, the Memory and the Help menus of a new panel.
void AddProgramMenus(PanelState &panel);

} // namespace dorv
