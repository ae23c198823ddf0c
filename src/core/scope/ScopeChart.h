#pragma once

#include "panel/ScopeWindowState.h"

namespace dorv {

// The strip chart's operations as the sweep uses them; horizontal values in kHz.

// Empties the chart and puts its left edge at `originKHz`.
void ChartRestart(ScopeChartState &chart, double originKHz);
// Moves the current position; in Pan mode a position past an edge pans the chart.
void ChartSetPosition(ScopeChartState &chart, double kHz);
void ChartAddSample(ScopeChartState &chart, const ScopeReading &reading);

} // namespace dorv
