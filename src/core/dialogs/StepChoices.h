#pragma once

#include "model/Units.h"

#include <span>

namespace dorv {

// One entry of a step combo box: its caption and the step it stands for, in 10 Hz units.
struct StepItem {
    const char *Caption;
    Freq Step;
};

// The main dial steps of VFObox(3), (4) and (5): ".01 KHz" .. "1.0 KHz".
std::span<const StepItem> DialStepItems();
// The channel steps of CHboxSSB, CHboxAM and CHboxFM.
std::span<const StepItem> ChannelSsbItems();
std::span<const StepItem> ChannelAmItems();
std::span<const StepItem> ChannelFmItems();

// List index of the item with this step, or -1 when no item has it.
int StepItemIndex(std::span<const StepItem> items, Freq step);

// The mode slots each column of combo boxes writes: SSB / CW / DIG, AM, FM / PKT.
constexpr int kSsbSlots[] = {ModeLSB, ModeUSB, ModeCW, ModeCWR, ModeDIG};
constexpr int kAmSlots[] = {ModeAM};
constexpr int kFmSlots[] = {ModeFM, ModePKT};

// The channel step groups: 430, 144 and 50 MHz on their own, every band from 28 MHz down
// in the HF group.
constexpr int kStepGroups = 4;
constexpr int kHfGroup = 3;
int StepGroupOfBand(int band);

} // namespace dorv
