#pragma once

#include "panel/ScopeWindowState.h"

namespace dorv {

// The strip chart's operations as the sweep uses them; horizontal values in kHz.

// Empties the chart and puts its left edge at `originKHz`.
void ChartRestart(ScopeChartState &chart, double originKHz);
// Moves the current position; in Pan mode a position past an edge pans the chart.
void ChartSetPosition(ScopeChartState &chart, double kHz);
void ChartAddSample(ScopeChartState &chart, const ScopeReading &reading);

// The reading place of a sweep from `start` to `end` by `step` nearest to `kHz`: start
// plus a whole number of steps, not past the end. Frequencies in 10 Hz units.
Freq NearestReading(Freq start, Freq end, Freq step, double kHz);

} // namespace dorv
