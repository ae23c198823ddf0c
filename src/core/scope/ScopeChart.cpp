#include "scope/ScopeChart.h"

namespace dorv {

void ChartRestart(ScopeChartState &chart, double originKHz)
{
    chart.Samples.clear();
    chart.Origin = originKHz;
}

void ChartSetPosition(ScopeChartState &chart, double kHz)
{
    if (kHz > chart.Origin + chart.Span) {
        chart.Origin = kHz - chart.Span;
    } else if (kHz < chart.Origin) {
        chart.Origin = kHz;
    }
}

void ChartAddSample(ScopeChartState &chart, const ScopeReading &reading)
{
    chart.Samples.push_back(reading);
}

} // namespace dorv
