#include "scope/ScopeChart.h"

#include <algorithm>

namespace dorv {

void ChartRestart(ScopeChartState &chart, double originKHz)
{
    chart.Previous = ChartPicture(chart);
    chart.Samples.clear();
    chart.Origin = originKHz;
}

std::vector<ScopeReading> ChartPicture(const ScopeChartState &chart)
{
    std::vector<ScopeReading> picture = chart.Samples;
    const auto [lowest, highest] = std::minmax_element(
        chart.Samples.begin(), chart.Samples.end(),
        [](const ScopeReading &a, const ScopeReading &b) { return a.Frequency < b.Frequency; });
    for (const ScopeReading &old : chart.Previous) {
        if (chart.Samples.empty() || old.Frequency < lowest->Frequency ||
            old.Frequency > highest->Frequency) {
            picture.push_back(old);
        }
    }
    std::stable_sort(
        picture.begin(), picture.end(),
        [](const ScopeReading &a, const ScopeReading &b) { return a.Frequency < b.Frequency; });
    return picture;
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
