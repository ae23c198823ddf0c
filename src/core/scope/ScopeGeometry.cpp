#include "scope/ScopeGeometry.h"

namespace dorv {

namespace {
// Margins as fractions of the chart's size.
constexpr double kLeftMargin = 0.07;
constexpr double kRightMargin = 0.03;
constexpr double kTopMargin = 0.05;
constexpr double kBottomMargin = 0.14;
constexpr double kWaterfallTopMargin = 0.02;
constexpr double kWaterfallBottomMargin = 0.02;
} // namespace

PlotArea ChartPlotArea(int width, int height)
{
    return {width * kLeftMargin, height * kTopMargin, width * (1 - kLeftMargin - kRightMargin),
            height * (1 - kTopMargin - kBottomMargin)};
}

PlotArea WaterfallPlotArea(int width, int height)
{
    return {width * kLeftMargin, height * kWaterfallTopMargin,
            width * (1 - kLeftMargin - kRightMargin),
            height * (1 - kWaterfallTopMargin - kWaterfallBottomMargin)};
}

double XOfKHz(const ScopeChartState &chart, const PlotArea &area, double kHz)
{
    if (chart.Span <= 0) {
        return area.Left;
    }
    return area.Left + (kHz - chart.Origin) / chart.Span * area.Width;
}

double KHzAtX(const ScopeChartState &chart, const PlotArea &area, double x)
{
    if (area.Width <= 0) {
        return chart.Origin;
    }
    return chart.Origin + (x - area.Left) / area.Width * chart.Span;
}

} // namespace dorv
