#pragma once

#include "model/Units.h"

#include <iterator>

namespace dorv {

// One entry of a band scope list: its caption and its value in 10 Hz units.
struct ScopeListEntry {
    const char *Caption;
    Freq Value;
};

// listSteps: the value is the step of one reading, and each caption names the step it
// makes. The stored choice is the entry's index.
inline constexpr ScopeListEntry kScopeSteps[] = {
    {"100 Hz", 10}, {"500 Hz", 50}, {"1 KHz", 100}, {"5 KHz", 500}, {"10 KHz", 1000}};
inline constexpr int kScopeStepAtLoad = 0;

// listScanWidth: the value is half the swept span.
inline constexpr ScopeListEntry kScopeWidths[] = {
    {"500 KHz", 50000}, {"400 KHz", 40000}, {"300 KHz", 30000},
    {"200 KHz", 20000}, {"100 KHz", 10000}, {"50 KHz", 5000},
    {"25 KHz", 2500},   {"10 KHz", 1000},   {"5 KHz", 500}};
inline constexpr int kScopeWidthAtLoad = 6;

// Settings > Scan Speed: caption and TimerScope interval in ms.
struct ScopeSpeedChoice {
    const char *Caption;
    int IntervalMs;
};
inline constexpr ScopeSpeedChoice kScopeSpeedChoices[] = {
    {"1000 ms.", 1000}, {"500 ms.", 500}, {"400 ms.", 400}, {"300 ms.", 300}, {"250 ms.", 250}};

inline constexpr int kActiveSearchItems = 10; // "S0".."S9"
inline constexpr int kHandleItems = 4;        // None, Horizontal, Vertical, Both
inline constexpr int kWrapWidthItems = 4;     // "1".."4" at indexes 1..4

// The scope's File menu items by index.
enum ScopeFileItem { ScopeFileExit = 0, ScopeFileSavePicture = 1, ScopeFileExportReadings = 2 };
// Its Help menu.
enum ScopeHelpItem { ScopeHelpContents = 0, ScopeHelpAbout = 2 };

} // namespace dorv
