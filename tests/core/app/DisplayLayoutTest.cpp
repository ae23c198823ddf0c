#include "core/files/FilesFixture.h"

#include <gtest/gtest.h>

namespace dorv::test {
namespace {

class DisplayLayoutTest : public FilesTest {
protected:
    DisplayLayoutTest()
    {
        host.screen = {1280, 1024};
        s.Settings.DisplayColours = 7;
        radio.display.RecordDesignLayout();
    }
    void click(int index) { radio.display.mnuResizeDisplayArray_Click(index); }
    const PanelState &p = radio.panel;
};

struct SizeCase {
    int index;
    int width;
    FontChoice label;
    int dopSize;
    std::array<int, 3> digits;
    int radioLeft;
    int lcdWidth, lcdLeft, lcdMargin;
};

TEST_F(DisplayLayoutTest, mnuResizeDisplayArray_Click_sizeAndFaceGiveTheWindowWidths)
{
    const SizeCase cases[] = {
        {0, 9600, {"Small Fonts", 6}, 12, {2, 2, 3}, 820, 8810, 80, 80},
        {1, 12000, {"Arial", 8}, 14, {3, 3, 4}, 1024, 10960, 100, 100},
        {2, 15360, {"Arial", 11}, 16, {4, 4, 5}, 1320, 14025, 120, 120},
    };
    for (const SizeCase &c : cases) {
        SCOPED_TRACE(c.index);
        click(5);
        click(c.index);
        EXPECT_EQ(p.WindowWidth, c.width);
        // The face keeps its design proportions: 11940 wide, 5015 high.
        EXPECT_NEAR(p.WindowHeight, c.width * 5015.0 / 11940.0, 1.0);
        EXPECT_EQ(p.LabelFont, c.label);
        EXPECT_EQ(p.DOPFont, (FontChoice{"Arial", c.dopSize}));
        EXPECT_EQ(p.ledFreqDigitSize, c.digits);
        EXPECT_EQ(p.SSPanel0.Left, c.radioLeft);
        EXPECT_EQ(s.Settings.DisplaySize, c.index);

        click(4);
        EXPECT_TRUE(p.LcdFace);
        EXPECT_EQ(p.WindowWidth, c.lcdWidth);
        EXPECT_EQ(p.SSPanel0.Left, c.lcdLeft);
        EXPECT_EQ(p.WindowHeight, p.SSPanel0.Top + p.SSPanel0.Height + c.lcdMargin);
        EXPECT_LE(p.SSPanel0.Left + p.SSPanel0.Width, p.WindowWidth);
    }
    // A new size keeps the LCD face.
    click(1);
    EXPECT_TRUE(p.LcdFace);
    EXPECT_EQ(p.WindowWidth, 10960);
    EXPECT_TRUE(p.mnuResizeDisplayArray[1].Checked && !p.mnuResizeDisplayArray[0].Checked &&
                !p.mnuResizeDisplayArray[2].Checked);
}

struct ScreenCase {
    int screenPixels;
    int width;
    int chosen;
    FontChoice label;
    std::array<int, 3> digits;
};

// Large on a narrower screen is laid out at the screen's width; a screen exactly as wide
// as another size chooses that size.
TEST_F(DisplayLayoutTest, mnuResizeDisplayArray_Click_sizeWiderThanScreenTakesScreenWidth)
{
    const ScreenCase cases[] = {
        {800, 12000, 1, {"Arial", 8}, {4, 4, 4}},
        {640, 9600, 0, {"Small Fonts", 6}, {3, 3, 4}},
        {700, 10500, 2, {"Small Fonts", 7}, {4, 4, 5}},
    };
    for (const ScreenCase &c : cases) {
        SCOPED_TRACE(c.screenPixels);
        host.screen.width = c.screenPixels;
        click(2);
        EXPECT_EQ(p.WindowWidth, c.width);
        EXPECT_EQ(s.Settings.DisplaySize, c.chosen);
        EXPECT_TRUE(p.mnuResizeDisplayArray[c.chosen].Checked);
        EXPECT_EQ(p.LabelFont, c.label);
        EXPECT_EQ(p.ledFreqDigitSize, c.digits);
        click(4);
        EXPECT_LE(p.WindowWidth, c.width);
        click(5);
        EXPECT_EQ(p.WindowWidth, c.width);
    }
}

TEST_F(DisplayLayoutTest, mnuResizeDisplayArray_Click_colourSetsPaintDisplayOnlyWhileLinkOn)
{
    const Rgb full{0, 200, 240}, reduced{0, 255, 255};
    click(8);
    EXPECT_EQ(p.ledBackColour, reduced);
    EXPECT_EQ(p.DisplayPanelColour, kPanelDark);
    EXPECT_TRUE(p.ReducedColours);

    s.CatOn = true;
    click(7);
    EXPECT_EQ(p.ledBackColour, full);
    EXPECT_EQ(p.DisplayPanelColour, full);
    EXPECT_FALSE(p.ReducedColours);
    EXPECT_TRUE(p.mnuResizeDisplayArray[7].Checked && !p.mnuResizeDisplayArray[8].Checked);
}

} // namespace
} // namespace dorv::test
