#include "widgets/SignalMeter.h"

#include "ImageHelpers.h"

#include <gtest/gtest.h>
#include <limits>

using dorv::SignalMeter;

TEST(SignalMeter, setIndicator_clampsValuesToTheRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double start, end, marker;
        double wantStart, wantEnd, wantMarker;
    } cases[] = {
        {0, 9, 11, 0, 9, 11},
        {2.25, 2.75, 0, 2.25, 2.75, 0},
        {-3, 31, 16, 0, 15, 15}, // the raw S value can reach 31 when bit 4 is set
        {nan, nan, nan, 0, 0, 0},
    };
    for (const auto &c : cases) {
        SignalMeter meter;
        meter.setIndicator(2, true, c.start, c.end, c.marker);
        const SignalMeter::Indicator i = meter.indicator(2);
        EXPECT_TRUE(i.visible);
        EXPECT_DOUBLE_EQ(i.start, c.wantStart) << c.start;
        EXPECT_DOUBLE_EQ(i.end, c.wantEnd) << c.end;
        EXPECT_DOUBLE_EQ(i.marker, c.wantMarker) << c.marker;
    }
}

TEST(SignalMeter, setIndicator_ignoresNumbersOutsideTheFour)
{
    SignalMeter meter;
    meter.setIndicator(4, true, 1, 2, 3);
    meter.setIndicator(-1, true, 1, 2, 3);
    for (int n = -1; n <= 4; ++n)
        EXPECT_FALSE(meter.indicator(n).visible) << n;
}

TEST(SignalMeter, paint_barLengthFollowsTheEndValueAndHiddenShowsNothing)
{
    SignalMeter meter;
    meter.resize(300, 60);
    const QColor bar(200, 0, 200);
    meter.setIndicatorColor(0, bar);
    auto barPixels = [&](bool visible, double end) {
        meter.setIndicator(0, visible, 0, end, 0);
        return dorv::test::countNear(dorv::test::render(meter), bar, 10);
    };
    const int s3 = barPixels(true, 3);
    const int s12 = barPixels(true, 12);
    EXPECT_GT(s3, 0);
    EXPECT_NEAR(double(s12) / s3, 4.0, 0.6);
    EXPECT_EQ(barPixels(false, 12), 0);
}
