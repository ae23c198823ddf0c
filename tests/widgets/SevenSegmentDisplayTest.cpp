#include "widgets/SevenSegmentDisplay.h"

#include "ImageHelpers.h"

#include <gtest/gtest.h>

using dorv::SevenSegmentDisplay;
using Cell = SevenSegmentDisplay::Cell;

namespace {

// Segments written as letters a..g, the usual names.
quint8 segments(const char *letters)
{
    quint8 bits = 0;
    for (const char *p = letters; *p; ++p)
        bits |= quint8(1 << (*p - 'a'));
    return bits;
}

} // namespace

TEST(SevenSegmentDisplay, segmentsFor_digitsLightTheSegmentsOfTheirShape)
{
    const struct {
        char c;
        const char *lit;
    } cases[] = {{'0', "abcdef"},  {'1', "bc"},     {'2', "abdeg"},  {'3', "abcdg"},
                 {'4', "bcfg"},    {'5', "acdfg"},  {'6', "acdefg"}, {'7', "abc"},
                 {'8', "abcdefg"}, {'9', "abcdfg"}, {'-', "g"},      {' ', ""},
                 {'#', ""}};
    for (const auto &c : cases)
        EXPECT_EQ(SevenSegmentDisplay::segmentsFor(QChar(c.c)), segments(c.lit)) << c.c;
}

TEST(SevenSegmentDisplay, layoutText_pointsLightTheCellBeforeThemWithoutTakingACell)
{
    const QList<Cell> cells = SevenSegmentDisplay::layoutText("144.200.00", 8);
    ASSERT_EQ(cells.size(), 8);
    const QString digits = "14420000";
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(cells[i].segments, SevenSegmentDisplay::segmentsFor(digits[i])) << i;
        EXPECT_EQ(cells[i].dot, i == 2 || i == 5) << i;
    }
}

TEST(SevenSegmentDisplay, layoutText_shortTextsAreRightAlignedBehindBlankCells)
{
    const struct {
        QString text;
        int digits;
        int blanks;        // leading cells with no segment lit
        QList<int> dotsAt; // cells whose point is lit
    } cases[] = {
        {"14.200.00", 8, 1, {2, 5}},
        {"1.800.00", 8, 2, {2, 5}},
        // No digit before the first point: the point gets a blank cell of its own.
        {".100.00", 8, 3, {2, 5}},
        {"007", 3, 0, {}},
        {"7", 3, 2, {}},
        {"", 3, 3, {}},
    };
    for (const auto &c : cases) {
        const QList<Cell> cells = SevenSegmentDisplay::layoutText(c.text, c.digits);
        ASSERT_EQ(cells.size(), c.digits) << c.text.toStdString();
        for (int i = 0; i < c.digits; ++i) {
            EXPECT_EQ(cells[i].segments == 0, i < c.blanks) << c.text.toStdString() << " " << i;
            EXPECT_EQ(cells[i].dot, c.dotsAt.contains(i)) << c.text.toStdString() << " " << i;
        }
    }
}

TEST(SevenSegmentDisplay, layoutText_tooLongKeepsTheRightmostDigitsAndTheirPoints)
{
    const QList<Cell> cells = SevenSegmentDisplay::layoutText("1234.567.89", 8);
    ASSERT_EQ(cells.size(), 8);
    EXPECT_EQ(cells[0].segments, SevenSegmentDisplay::segmentsFor('2'));
    EXPECT_EQ(cells[7].segments, SevenSegmentDisplay::segmentsFor('9'));
    EXPECT_TRUE(cells[2].dot);
    EXPECT_TRUE(cells[5].dot);
}

TEST(SevenSegmentDisplay, paint_litAreaGrowsWithTheSegmentsAndPoints)
{
    SevenSegmentDisplay display(1);
    display.resize(60, 100);
    const QColor ink(10, 10, 10);
    display.setSegmentColor(ink);
    display.setUnlitColor(QColor(0, 180, 220));
    display.setBackgroundColor(QColor(0, 200, 240));
    auto litPixels = [&](const QString &text) {
        display.setText(text);
        return dorv::test::countNear(dorv::test::render(display), ink);
    };
    const int blank = litPixels(" ");
    const int one = litPixels("1");
    const int oneWithPoint = litPixels("1.");
    const int eight = litPixels("8");
    EXPECT_EQ(blank, 0);
    EXPECT_GT(one, 0);
    EXPECT_GT(oneWithPoint, one);
    // Seven segments against two: well over three times the ink.
    EXPECT_GT(eight, 3 * one);
}

TEST(SevenSegmentDisplay, setDigitCount_relaysTheTextOnTheNewCells)
{
    SevenSegmentDisplay display(3);
    display.setText("42");
    display.setDigitCount(5);
    ASSERT_EQ(display.cells().size(), 5);
    EXPECT_EQ(display.cells()[4].segments, SevenSegmentDisplay::segmentsFor('2'));
    EXPECT_EQ(display.cells()[2].segments, 0);
}
