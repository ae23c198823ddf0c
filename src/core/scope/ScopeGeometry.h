#pragma once

#include "model/ScopeWindowState.h"

namespace dorv {

// Where things sit in the band scope window, in pixels of its face (the window below its
// menu bar), so the GUI lays it out and a test can point at a frequency on the chart.
struct ScopeRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

inline constexpr int kScopeFaceWidth = 644; // 9660 twips
inline constexpr int kScopeFaceHeight = 492;
inline constexpr ScopeRect kScopeChartRect{6, 6, 632, 250};
inline constexpr ScopeRect kScopeWaterfallRect{6, 256, 632, 130};

// The part of a chart or waterfall of `width` x `height` pixels that plots, leaving room
// for the S axis on the left and the kHz axis below.
struct PlotArea {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
};
PlotArea ChartPlotArea(int width, int height);
// The waterfall has the same left and right edges as the chart, so columns line up.
PlotArea WaterfallPlotArea(int width, int height);

// Horizontal pixel of a frequency in kHz and back, over the chart's visible range.
double XOfKHz(const ScopeChartState &chart, const PlotArea &area, double kHz);
double KHzAtX(const ScopeChartState &chart, const PlotArea &area, double x);

} // namespace dorv
