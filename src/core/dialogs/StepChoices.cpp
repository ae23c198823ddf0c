#include "dialogs/StepChoices.h"

namespace dorv {

namespace {
constexpr StepItem kDial[] = {{".01 KHz", 1}, {".10 KHz", 10}, {"1.0 KHz", 100}};
constexpr StepItem kSsb[] = {{"1.0 KHz", 100}, {"2.5 KHz", 250}, {"5.0 KHz", 500}};
constexpr StepItem kAm[] = {{"2.5 KHz", 250},   {"5.0 KHz", 500},   {"9.0 KHz", 900},
                            {"10.0 KHz", 1000}, {"12.5 KHz", 1250}, {"25.0 KHz", 2500}};
constexpr StepItem kFm[] = {{"5 KHz", 500},     {"6.25 KHz", 625}, {"10 KHz", 1000},
                            {"12.5 KHz", 1250}, {"15 KHz", 1500},  {"20 KHz", 2000},
                            {"25 KHz", 2500}};
} // namespace

std::span<const StepItem> DialStepItems()
{
    return kDial;
}

std::span<const StepItem> ChannelSsbItems()
{
    return kSsb;
}

std::span<const StepItem> ChannelAmItems()
{
    return kAm;
}

std::span<const StepItem> ChannelFmItems()
{
    return kFm;
}

int StepItemIndex(std::span<const StepItem> items, Freq step)
{
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].Step == step) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int StepGroupOfBand(int band)
{
    return band < kHfGroup ? band : kHfGroup;
}

} // namespace dorv
