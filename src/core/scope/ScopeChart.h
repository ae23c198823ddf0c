#pragma once

#include "model/ScopeWindowState.h"

namespace dorv {

// The strip chart's operations as the sweep uses them; horizontal values in kHz.

// Starts a new trace with the chart's left edge at `originKHz`. The picture shown so far
// stays as the previous one until the new readings pass over it.
void ChartRestart(ScopeChartState &chart, double originKHz);
// What the chart shows, in frequency order: the readings of the sweep under way, and the
// previous picture's readings outside the range the sweep has covered so far.
std::vector<ScopeReading> ChartPicture(const ScopeChartState &chart);
// Moves the current position; in Pan mode a position past an edge pans the chart.
void ChartSetPosition(ScopeChartState &chart, double kHz);
void ChartAddSample(ScopeChartState &chart, const ScopeReading &reading);

} // namespace dorv
