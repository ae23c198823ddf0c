#include "scope/WaterfallWidget.h"

#include "scope/ScopeChartWidget.h"
#include "scope/ScopeGeometry.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace dorv::gui {

namespace {
const QColor kBackground(12, 18, 28);
const QColor kNoSweep(4, 6, 10); // rows no sweep has filled yet
constexpr int kRows = 100;
// The height of one sweep's band, in pixels at least: a sweep stays visible however many
// rows the area would share out. The oldest bands then fall off the bottom.
constexpr double kMinBand = 4.0;
} // namespace

WaterfallWidget::WaterfallWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("waterfall"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WaterfallWidget::setSweeps(const std::vector<ScopeSweep> &sweeps, int completed,
                                const ScopeChartState &chart)
{
    if (completed == completed_ && chart.Origin == range_.Origin && chart.Span == range_.Span) {
        return;
    }
    completed_ = completed;
    sweeps_ = sweeps;
    range_.Origin = chart.Origin;
    range_.Span = chart.Span;
    redraw();
    update();
}

void WaterfallWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    redraw();
}

void WaterfallWidget::redraw()
{
    const PlotArea area = WaterfallPlotArea(width(), height());
    const int columns = std::max(1, int(area.Width));
    image_ = QImage(columns, kRows, QImage::Format_RGB32);
    image_.fill(kNoSweep);
    const PlotArea unit{0, 0, double(columns), 1};
    for (int row = 0; row < kRows && row < int(sweeps_.size()); ++row) {
        std::vector<int> strongest(columns, -1);
        for (const ScopeReading &r : sweeps_[row].Readings) {
            const int x = int(std::floor(XOfKHz(range_, unit, r.Frequency / 100.0)));
            if (x >= 0 && x < columns) {
                strongest[x] = std::max(strongest[x], r.S);
            }
        }
        // Columns between readings take the reading to their left, so a coarse step still
        // paints a full row.
        int last = -1;
        for (int x = 0; x < columns; ++x) {
            if (strongest[x] >= 0) {
                last = strongest[x];
            }
            if (last >= 0) {
                image_.setPixelColor(x, row, SColour(last));
            }
        }
    }
}

void WaterfallWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    const PlotArea area = WaterfallPlotArea(width(), height());
    const QRectF target(area.Left, area.Top, area.Width, area.Height);
    const double band = std::max(kMinBand, area.Height / kRows);
    painter.save();
    painter.setClipRect(target);
    painter.drawImage(QRectF(area.Left, area.Top, area.Width, band * kRows), image_);
    painter.restore();
    painter.setPen(QColor(170, 180, 190));
    painter.drawRect(target);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    painter.drawText(QRectF(0, area.Top, area.Left - 4, 14), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("new"));
    painter.drawText(QRectF(0, area.Top + area.Height - 14, area.Left - 4, 14),
                     Qt::AlignRight | Qt::AlignBottom, QStringLiteral("old"));
}

} // namespace dorv::gui
