#include "scope/ScopeChartWidget.h"

#include "scope/ScopeChart.h"
#include "scope/ScopeGeometry.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace dorv::gui {

namespace {

const QColor kBackground(12, 18, 28);
const QColor kPlotColour(4, 8, 16);
const QColor kAxisColour(170, 180, 190);
const QColor kGridColour(45, 60, 75);
const QColor kTraceColour(90, 230, 120);
const QColor kMarkerColour(255, 80, 60);

// A step between axis labels that gives about `count` labels over `span`.
double NiceStep(double span, int count)
{
    const double raw = span / count;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (raw <= m * magnitude) {
            return m * magnitude;
        }
    }
    return 10 * magnitude;
}

// The box of a kHz label centred under `x`, moved sideways as far as it takes to lie
// wholly inside a widget `width` pixels wide.
QRectF AxisLabelRect(const QFontMetrics &metrics, const QString &label, double x, double top,
                     int width)
{
    const double labelWidth = metrics.horizontalAdvance(label) + 2;
    const double left = std::clamp(x - labelWidth / 2, 0.0, width - labelWidth);
    return QRectF(left, top, labelWidth, metrics.height());
}

bool SameRange(const ScopeChartState &a, const ScopeChartState &b)
{
    return a.Origin == b.Origin && a.Span == b.Span && a.Handles == b.Handles;
}

// Readings are only ever added at the end, or all replaced.
bool SameReadings(const std::vector<ScopeReading> &a, const std::vector<ScopeReading> &b)
{
    return a.size() == b.size() && (a.empty() || (a.back() == b.back() && a.front() == b.front()));
}

bool SameTrace(const ScopeChartState &a, const ScopeChartState &b)
{
    return a.Marker == b.Marker && a.Fill == b.Fill && SameReadings(a.Samples, b.Samples) &&
           SameReadings(a.Previous, b.Previous);
}

} // namespace

QColor SColour(int s)
{
    const double t = std::clamp(s, 0, ScopeChartWidget::kMaxS) / double(ScopeChartWidget::kMaxS);
    // Hue from blue (240) down to red (0), brighter as it rises.
    return QColor::fromHsvF((1.0 - t) * 240.0 / 360.0, 0.9, 0.4 + 0.6 * std::sqrt(t));
}

ScopeChartWidget::ScopeChartWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("stripScope"));
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScopeChartWidget::setChart(const ScopeChartState &chart)
{
    const bool rangeChanged = !SameRange(chart, chart_);
    const bool traceChanged = !SameTrace(chart, chart_);
    if (!rangeChanged && !traceChanged) {
        return;
    }
    chart_ = chart;
    if (rangeChanged) {
        cache_.invalidate();
    }
    update();
}

void ScopeChartWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    cache_.invalidate();
}

double ScopeChartWidget::yOfS(int s) const
{
    const PlotArea area = ChartPlotArea(width(), height());
    const double t = std::clamp(s, 0, kMaxS) / double(kMaxS);
    return area.Top + area.Height * (1.0 - t);
}

void ScopeChartWidget::drawStatic(QPainter &painter) const
{
    const PlotArea area = ChartPlotArea(width(), height());
    const QRectF plot(area.Left, area.Top, area.Width, area.Height);
    painter.fillRect(rect(), kBackground);
    painter.fillRect(plot, kPlotColour);

    QFont font = painter.font();
    font.setPixelSize(std::max(9, int(height() * 0.045)));
    painter.setFont(font);
    const bool horizontalGrid = chart_.Handles == 1 || chart_.Handles == 3;
    const bool verticalGrid = chart_.Handles == 2 || chart_.Handles == 3;

    // S axis: every third S value.
    for (int s = 0; s <= kMaxS; s += 3) {
        const double y = yOfS(s);
        painter.setPen(kAxisColour);
        painter.drawLine(QPointF(area.Left - 4, y), QPointF(area.Left, y));
        painter.drawText(QRectF(0, y - 8, area.Left - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(s));
        if (horizontalGrid && s > 0) {
            painter.setPen(kGridColour);
            painter.drawLine(QPointF(area.Left, y), QPointF(area.Left + area.Width, y));
        }
    }
    painter.setPen(kAxisColour);
    painter.drawText(QRectF(2, area.Top + area.Height / 2 - 8, 12, 16),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("S"));

    // kHz axis: about six labels on round values.
    if (chart_.Span > 0) {
        const double step = NiceStep(chart_.Span, 6);
        const double bottom = area.Top + area.Height;
        for (double f = std::ceil(chart_.Origin / step) * step;
             f <= chart_.Origin + chart_.Span + 1e-9; f += step) {
            const double x = XOfKHz(chart_, area, f);
            painter.setPen(kAxisColour);
            painter.drawLine(QPointF(x, bottom), QPointF(x, bottom + 4));
            const QString label = QString::number(f, 'f', step < 1 ? 1 : 0);
            painter.drawText(AxisLabelRect(painter.fontMetrics(), label, x, bottom + 4, width()),
                             Qt::AlignHCenter | Qt::AlignTop, label);
            if (verticalGrid) {
                painter.setPen(kGridColour);
                painter.drawLine(QPointF(x, area.Top), QPointF(x, bottom));
            }
        }
        painter.setPen(kAxisColour);
        painter.drawText(QRectF(area.Left + area.Width - 40, bottom + 18, 40, 16),
                         Qt::AlignRight | Qt::AlignTop, QStringLiteral("kHz"));
    }
    painter.setPen(kAxisColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
}

void ScopeChartWidget::drawTrace(QPainter &painter) const
{
    const PlotArea area = ChartPlotArea(width(), height());
    painter.setClipRect(QRectF(area.Left, area.Top, area.Width, area.Height));
    painter.setRenderHint(QPainter::Antialiasing);
    const std::vector<ScopeReading> picture = ChartPicture(chart_);
    if (!picture.empty()) {
        QPainterPath trace;
        for (const ScopeReading &r : picture) {
            const QPointF point(XOfKHz(chart_, area, r.Frequency / 100.0), yOfS(r.S));
            if (trace.elementCount() == 0) {
                trace.moveTo(point);
            } else {
                trace.lineTo(point);
            }
        }
        if (chart_.Fill) {
            QPainterPath filled = trace;
            const double bottom = area.Top + area.Height;
            filled.lineTo(trace.currentPosition().x(), bottom);
            filled.lineTo(trace.elementAt(0).x, bottom);
            filled.closeSubpath();
            QLinearGradient gradient(0, area.Top, 0, bottom);
            gradient.setColorAt(0, SColour(kMaxS));
            gradient.setColorAt(0.5, SColour(kMaxS / 2));
            gradient.setColorAt(1, SColour(0));
            painter.fillPath(filled, gradient);
        }
        painter.setPen(QPen(kTraceColour, 1.5));
        painter.drawPath(trace);
    }
    const double x = XOfKHz(chart_, area, chart_.Marker);
    painter.setPen(QPen(kMarkerColour, 1, Qt::DashLine));
    painter.drawLine(QPointF(x, area.Top), QPointF(x, area.Top + area.Height));
}

void ScopeChartWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, cache_.get(*this, [this](QPainter &p) { drawStatic(p); }));
    drawTrace(painter);
}

void ScopeChartWidget::mousePressEvent(QMouseEvent *event)
{
    const PlotArea area = ChartPlotArea(width(), height());
    const QPointF pos = event->position();
    const bool inside = pos.x() >= area.Left && pos.x() <= area.Left + area.Width &&
                        pos.y() >= area.Top && pos.y() <= area.Top + area.Height;
    if (event->button() == Qt::LeftButton && inside && chart_.Span > 0) {
        emit pointSelected(KHzAtX(chart_, area, pos.x()));
    }
    QWidget::mousePressEvent(event);
}

} // namespace dorv::gui
