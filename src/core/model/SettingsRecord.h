#pragma once

#include "model/Units.h"

#include <array>
#include <string>

namespace dorv {

constexpr int kPathLength = 256;

// Step table indexed [band][mode slot]; the file stores it band-fastest.
using StepTable = std::array<std::array<Freq, kModeSlotCount>, kBandCount>;

// The user's settings. The menu fields hold the index of the ticked item of their menu.
struct SettingsRecord {
    std::int32_t WindowTop = 0;  // twips
    std::int32_t WindowLeft = 0; // twips
    std::int16_t MeterSpeed = 0;
    std::int16_t ScanSpeed = 0;
    std::int16_t PriSpeed = 0;
    std::int16_t CommPort = 0;
    std::int16_t CatRate = 0;
    std::int16_t DisplaySize = 0;
    std::int16_t DisplayFace = 0;
    std::int16_t DisplayColours = 0;
    std::int16_t PauseInterval = 0;
    bool TuneOnStartup = false;
    StepTable DialStep{};
    StepTable ChannelStep{};
    bool Ars144 = false;
    bool Ars430 = false;
    // Single-byte text, exactly 256 bytes, blank-padded on the right.
    std::string LastMemoryFile = std::string(kPathLength, ' ');

    bool operator==(const SettingsRecord &) const = default;
};

} // namespace dorv
