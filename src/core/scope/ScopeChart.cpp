#include "scope/ScopeChart.h"

#include <algorithm>
#include <cmath>

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

Freq NearestReading(Freq start, Freq end, Freq step, double kHz)
{
    if (step <= 0 || end <= start) {
        return start;
    }
    const double steps = std::round((kHz * 100.0 - start) / step);
    const double last = std::floor(double(end - start) / step);
    return start + static_cast<Freq>(std::clamp(steps, 0.0, last)) * step;
}

} // namespace dorv
