#include "model/StepDefaults.h"

namespace dorv {

namespace {
constexpr Freq kDialStep = 1;            // 10 Hz
constexpr Freq kNarrowChannelStep = 250; // 2.5 kHz
constexpr Freq kWideChannelStep = 500;   // 5 kHz
} // namespace

Freq DefaultDialStep(int)
{
    return kDialStep;
}

Freq DefaultChannelStep(int modeSlot)
{
    switch (modeSlot) {
    case ModeAM:
    case ModeFM:
    case ModePKT:
        return kWideChannelStep;
    default:
        return kNarrowChannelStep;
    }
}

void ResetStepDefaults(SettingsRecord &settings)
{
    for (int b = 0; b < kBandCount; ++b) {
        for (int m = 0; m < kUsedStepSlots; ++m) {
            settings.DialStep[b][m] = DefaultDialStep(m);
            settings.ChannelStep[b][m] = DefaultChannelStep(m);
        }
    }
}

bool StepIsUsable(Freq step)
{
    return step > 0 && step < kMaxStep;
}

void RepairStepTables(SettingsRecord &settings)
{
    for (int b = 0; b < kBandCount; ++b) {
        for (int m = 0; m < kUsedStepSlots; ++m) {
            if (!StepIsUsable(settings.DialStep[b][m])) {
                settings.DialStep[b][m] = DefaultDialStep(m);
            }
            if (!StepIsUsable(settings.ChannelStep[b][m])) {
                settings.ChannelStep[b][m] = DefaultChannelStep(m);
            }
        }
    }
}

} // namespace dorv
