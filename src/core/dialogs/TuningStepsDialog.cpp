#include "dialogs/TuningStepsDialog.h"

#include "host/Host.h"
#include "model/RadioState.h"
#include "model/StepDefaults.h"

namespace dorv {

namespace {

constexpr int kDisplayBand = 1; // the main dial boxes show the 144 MHz band's steps

// Shows the step's item; a step that matches no item leaves the box as it was.
void ShowStep(int &box, std::span<const StepItem> items, Freq step)
{
    const int index = StepItemIndex(items, step);
    if (index >= 0) {
        box = index;
    }
}

template <std::size_t N>
void WriteSlots(std::array<Freq, kModeSlotCount> &row, const int (&slots)[N],
                std::span<const StepItem> items, int box)
{
    if (box < 0 || box >= static_cast<int>(items.size())) {
        return;
    }
    for (int slot : slots) {
        row[slot] = items[box].Step;
    }
}

} // namespace

// Each opening starts from a fresh form: a stored step that matches no item shows no
// choice (and SAVE keeps it), never one left from an earlier opening.
void TuningStepsDialog::Form_Load()
{
    form = TuningStepsForm{};
    DisplayStepValues();
    form.Visible = true;
    host_.panelChanged();
}

void TuningStepsDialog::DisplayStepValues()
{
    const SettingsRecord &s = state_.Settings;
    const auto &dial = s.DialStep[kDisplayBand];
    ShowStep(form.VFObox[0], DialStepItems(), dial[ModeCWR]);
    ShowStep(form.VFObox[1], DialStepItems(), dial[ModeAM]);
    ShowStep(form.VFObox[2], DialStepItems(), dial[ModeFM]);
    // Band g stands for group g; band 3 (28 MHz) for the HF group.
    for (int g = 0; g < kStepGroups; ++g) {
        const auto &channel = s.ChannelStep[g];
        ShowStep(form.CHboxSSB[g], ChannelSsbItems(), channel[ModeLSB]);
        ShowStep(form.CHboxAM[g], ChannelAmItems(), channel[ModeAM]);
        ShowStep(form.CHboxFM[g], ChannelFmItems(), channel[ModeFM]);
    }
}

void TuningStepsDialog::cmdSAVE_Click()
{
    SettingsRecord &s = state_.Settings;
    for (int b = 0; b < kBandCount; ++b) {
        WriteSlots(s.DialStep[b], kSsbSlots, DialStepItems(), form.VFObox[0]);
        WriteSlots(s.DialStep[b], kAmSlots, DialStepItems(), form.VFObox[1]);
        WriteSlots(s.DialStep[b], kFmSlots, DialStepItems(), form.VFObox[2]);
        const int g = StepGroupOfBand(b);
        WriteSlots(s.ChannelStep[b], kSsbSlots, ChannelSsbItems(), form.CHboxSSB[g]);
        WriteSlots(s.ChannelStep[b], kAmSlots, ChannelAmItems(), form.CHboxAM[g]);
        WriteSlots(s.ChannelStep[b], kFmSlots, ChannelFmItems(), form.CHboxFM[g]);
    }
    close();
}

void TuningStepsDialog::cmdDEFAULT_Click()
{
    ResetStepDefaults(state_.Settings);
    DisplayStepValues();
    host_.panelChanged();
}

void TuningStepsDialog::cmdCancel_Click()
{
    close();
}

void TuningStepsDialog::close()
{
    form.Visible = false;
    host_.panelChanged();
}

} // namespace dorv
