#include "app/DisplayLayout.h"

#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"

#include <array>
#include <cmath>

namespace dorv {

namespace {

enum DisplayItem {
    Small = 0,
    Medium = 1,
    Large = 2,
    LcdFace = 4,
    RadioFace = 5,
    Colours16 = 7,
    Colours8 = 8
};

struct SizeRow {
    int Width;
    FontChoice LabelFont;
    int DopFontSize;
    int LcdLeft, LcdWidth, LcdMargin; // the LCD face
    int RadioLeft;                    // the display panel's left on the radio face
    std::array<int, 3> Digits;        // ledFreq digit sizes
    std::array<int, 3> ScreenDigits;  // the same when the screen forced this size
};

const std::array<SizeRow, 3> kSizes{{
    {9600, {"Small Fonts", 6}, 12, 80, 8810, 80, 820, {2, 2, 3}, {3, 3, 4}},
    {12000, {"Arial", 8}, 14, 100, 10960, 100, 1024, {3, 3, 4}, {4, 4, 4}},
    {15360, {"Arial", 11}, 16, 120, 14025, 120, 1320, {4, 4, 5}, {5, 5, 5}},
}};
const FontChoice kOtherLabelFont{"Small Fonts", 7};
constexpr int kOtherDopFontSize = 14;

// The display panel at the design width: nine tenths of the face wide, in its upper half.
constexpr double kPanelLeft = 1026, kPanelTop = 351, kPanelWidth = 10716, kPanelHeight = 2357;

int Round(double v)
{
    return static_cast<int>(std::lround(v));
}

} // namespace

Rgb DisplayLayout::DisplayLitColour(int DisplayColours)
{
    return DisplayColours == Colours8 ? Rgb{0, 255, 255} : Rgb{0, 200, 240};
}

void DisplayLayout::RecordDesignLayout()
{
    PanelState &panel = panel_;
    panel.WindowWidth = kDesignWidth;
    panel.WindowHeight = kDesignHeight;
    innerWidth_ = kDesignWidth;
    innerHeight_ = kDesignHeight;
    ratio_ = static_cast<double>(kDesignHeight) / kDesignWidth;
    panelRect_ = {kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight};
    ShowPanelRect();
}

void DisplayLayout::ShowPanelRect()
{
    panel_.SSPanel0 = {Round(panelRect_.Left), Round(panelRect_.Top), Round(panelRect_.Width),
                       Round(panelRect_.Height)};
}

void DisplayLayout::Tick(int first, int last, int Index)
{
    MenuArray &menu = panel_.mnuResizeDisplayArray;
    for (int i = first; i <= last; ++i) {
        menu[i].Checked = i == Index;
    }
}

void DisplayLayout::mnuResizeDisplayArray_Click(int Index)
{
    host_.setBusyPointer(true);
    if (Index >= Small && Index <= Large) {
        ChooseSize(Index);
    } else if (Index == LcdFace || Index == RadioFace) {
        ChooseFace(Index);
    } else if (Index == Colours16 || Index == Colours8) {
        ChooseColours(Index);
    }
    host_.setBusyPointer(false);
    host_.panelChanged();
}

// A size wider than the screen is laid out at the screen's width; when that is the width of
// another size, that size is chosen instead.
void DisplayLayout::ChooseSize(int Index)
{
    PanelState &panel = panel_;
    int chosen = Index;
    int width = kSizes[Index].Width;
    std::array<int, 3> digits = kSizes[Index].Digits;
    const int screenWidth = host_.screenSize().width * kTwipsPerPixel;
    if (width > screenWidth) {
        width = screenWidth;
        for (int i = Small; i <= Large; ++i) {
            if (kSizes[i].Width == width) {
                chosen = i;
                digits = kSizes[i].ScreenDigits;
            }
        }
    }
    ResizeDisplay(width);
    SelectInterfacePics();
    panel.ledFreqDigitSize = digits;
    panel.ledMRnumberDigitSize = {digits[0] - 1, digits[1] - 1, digits[2] - 2};
    state_.Settings.DisplaySize = static_cast<std::int16_t>(chosen);
    Tick(Small, Large, chosen);
    // The ticked face is applied again at the new size, so the display panel sits where
    // that size's face has it.
    for (int face : {LcdFace, RadioFace}) {
        if (panel.mnuResizeDisplayArray[face].Checked) {
            ChooseFace(face);
        }
    }
}

// The LCD face shows only the display panel; the radio face the whole front. A window the
// screen made narrower than its size's width keeps the LCD face in proportion to it.
void DisplayLayout::ChooseFace(int Index)
{
    PanelState &panel = panel_;
    const SizeRow &size = kSizes[state_.Settings.DisplaySize];
    const double scale = innerWidth_ / size.Width;
    if (Index == LcdFace) {
        panelRect_.Left = size.LcdLeft * scale;
        panel.WindowWidth = Round(size.LcdWidth * scale);
        panel.WindowHeight = Round(panelRect_.Top + panelRect_.Height + size.LcdMargin * scale);
    } else {
        panelRect_.Left = size.RadioLeft * scale;
        panel.WindowWidth = Round(innerWidth_);
        panel.WindowHeight = Round(innerHeight_);
    }
    ShowPanelRect();
    panel.LcdFace = Index == LcdFace;
    Tick(LcdFace, RadioFace, Index);
    state_.Settings.DisplayFace = static_cast<std::int16_t>(Index);
}

// The readouts take the colour at once; the display panel and the meter only while the
// link is on, since they are dark while it is off.
void DisplayLayout::ChooseColours(int Index)
{
    PanelState &panel = panel_;
    const Rgb colour = DisplayLitColour(Index);
    panel.ledBackColour = colour;
    if (state_.CatOn) {
        panel.DisplayPanelColour = colour;
        panel.LMeterColour = colour;
    }
    Tick(Colours16, Colours8, Index);
    state_.Settings.DisplayColours = static_cast<std::int16_t>(Index);
    SelectInterfacePics();
}

void DisplayLayout::SelectInterfacePics()
{
    panel_.ReducedColours = state_.Settings.DisplayColours == Colours8;
}

void DisplayLayout::ResizeDisplay(int Width)
{
    PanelState &panel = panel_;
    const SettingsRecord &settings = state_.Settings;
    const double height = Width * ratio_;
    panel.WindowWidth = Width;
    panel.WindowHeight = Round(height);
    panel.WindowTop = settings.WindowTop;
    panel.WindowLeft = settings.WindowLeft;

    const double x = Width / innerWidth_;
    const double y = height / innerHeight_;
    panelRect_ = {panelRect_.Left * x, panelRect_.Top * y, panelRect_.Width * x,
                  panelRect_.Height * y};
    ShowPanelRect();

    panel.LabelFont = kOtherLabelFont;
    panel.DOPFont = {"Arial", kOtherDopFontSize};
    for (const SizeRow &size : kSizes) {
        if (size.Width == Width) {
            panel.LabelFont = size.LabelFont;
            panel.DOPFont = {"Arial", size.DopFontSize};
        }
    }
    innerWidth_ = Width;
    innerHeight_ = height;
}

} // namespace dorv
