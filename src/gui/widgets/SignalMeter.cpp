#include "SignalMeter.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace dorv {

namespace {

// Vertical layout, fractions of the widget height from the top: S numbers, the S base
// line with its ticks down to the bar, the bar, the PO ticks up from the PO base line, and
// the PO numbers under it.
constexpr qreal kSignalTextTop = 0.01, kSignalTextBottom = 0.31, kSignalBase = 0.33;
constexpr qreal kBarTop = 0.40, kBarBottom = 0.62;
constexpr qreal kPowerBase = 0.69, kPowerTextTop = 0.71, kPowerTextBottom = 0.99;
// Horizontal layout, fractions of the widget width.
constexpr qreal kCaptionWidth = 0.07, kRightMargin = 0.06;
constexpr qreal kSegmentsPerUnit = 2; // bar segments per meter unit
constexpr qreal kSegmentGap = 0.3;    // gap between segments, fraction of a segment

// The values the radio reports, and where the S scale passes S9.
constexpr double kMinimum = 0, kMaximum = 15, kOverloadFrom = 10;
const QColor kScaleColor(20, 24, 28);
const QColor kOverloadColor(200, 20, 20);

// Marks of the upper (S) and lower (PO) scale, in meter values; a mark without text is a
// tick between numbers.
const QList<SignalMeter::ScaleMark> kSignalMarks{
    {1, "1"}, {2, {}},  {3, "3"},    {4, {}},  {5, "5"},    {6, {}},  {7, "7"},   {8, {}},
    {9, "9"}, {10, {}}, {11, "+20"}, {12, {}}, {13, "+40"}, {14, {}}, {15, "+60"}};
const QList<SignalMeter::ScaleMark> kPowerMarks{{0.5, {}}, {1, "1"}, {2.5, "2.5"}, {5, "5"}};

QFont scaleFont(qreal pixelHeight)
{
    QFont font;
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(pixelHeight)));
    return font;
}

} // namespace

SignalMeter::SignalMeter(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    // 0: the S bar; 1: centring band or power bar in a lane beneath it; 2, 3: markers.
    m_styles[0] = {QColor(20, 24, 28), 0, 0.62};
    m_styles[1] = {QColor(40, 40, 150), 0.72, 0.28};
    m_styles[2] = {QColor(200, 20, 20), 0, 1};
    m_styles[3] = {QColor(20, 110, 40), 0, 1};
}

double SignalMeter::clamp(double value) const
{
    if (std::isnan(value))
        return kMinimum;
    return qBound(kMinimum, value, kMaximum);
}

SignalMeter::Indicator SignalMeter::indicator(int n) const
{
    if (n < 0 || n >= kIndicatorCount)
        return {};
    return m_indicators[n];
}

void SignalMeter::setIndicator(int n, bool visible, double start, double end, double marker)
{
    if (n < 0 || n >= kIndicatorCount)
        return;
    changed(n, Indicator{visible, clamp(start), clamp(end), clamp(marker)});
}

void SignalMeter::changed(int n, const Indicator &indicator)
{
    m_indicators[n] = indicator;
    const Drawn drawn = drawnOf(indicator);
    if (drawn == m_drawn[n])
        return;
    m_drawn[n] = drawn;
    update();
}

void SignalMeter::setIndicatorColor(int n, const QColor &color)
{
    if (n < 0 || n >= kIndicatorCount)
        return;
    m_styles[n].color = color;
    update();
}

void SignalMeter::setBackgroundColor(const QColor &color)
{
    if (color == m_backgroundColor)
        return;
    m_backgroundColor = color;
    m_background.invalidate();
    update();
}

void SignalMeter::setUnlitColor(const QColor &color)
{
    if (color == m_unlitColor)
        return;
    m_unlitColor = color;
    m_background.invalidate();
    update();
}

QSize SignalMeter::sizeHint() const
{
    return QSize(240, 48);
}

QSize SignalMeter::minimumSizeHint() const
{
    return QSize(80, 18);
}

void SignalMeter::resizeEvent(QResizeEvent *)
{
    computeGeometry();
    for (int n = 0; n < kIndicatorCount; ++n)
        m_drawn[n] = drawnOf(m_indicators[n]);
}

void SignalMeter::computeGeometry()
{
    m_background.invalidate();
    const qreal w = width(), h = height();
    const qreal left = kCaptionWidth * w, right = w * (1 - kRightMargin);
    m_captions = QRectF(0, 0, left, h);
    m_bar = QRectF(QPointF(left, kBarTop * h), QPointF(right, kBarBottom * h));
    m_signalText = QRectF(QPointF(left, kSignalTextTop * h), QPointF(right, kSignalTextBottom * h));
    m_powerText = QRectF(QPointF(left, kPowerTextTop * h), QPointF(right, kPowerTextBottom * h));
    m_segmentShape = QPainterPath();
    const int segments = segmentCount();
    const qreal pitch = m_bar.width() / segments;
    for (int i = 0; i < segments; ++i)
        m_segmentShape.addRect(QRectF(m_bar.left() + i * pitch + pitch * kSegmentGap / 2,
                                      m_bar.top(), pitch * (1 - kSegmentGap), m_bar.height()));
}

int SignalMeter::segmentCount() const
{
    return qMax(1, qRound((kMaximum - kMinimum) * kSegmentsPerUnit));
}

qreal SignalMeter::xOf(double value) const
{
    return m_bar.left() + (value - kMinimum) / (kMaximum - kMinimum) * m_bar.width();
}

SignalMeter::Drawn SignalMeter::drawnOf(const Indicator &indicator) const
{
    if (!indicator.visible)
        return {};
    return {true, qRound(xOf(qMin(indicator.start, indicator.end))),
            qRound(xOf(qMax(indicator.start, indicator.end))), qRound(xOf(indicator.marker))};
}

void SignalMeter::drawScale(QPainter &painter, const QList<ScaleMark> &marks, qreal base,
                            qreal barEdge, const QRectF &textRow, bool overloadColoured) const
{
    const qreal lineWidth = qMax(1.0, height() * 0.025);
    auto colourAt = [&](double value) {
        return overloadColoured && value >= kOverloadFrom ? kOverloadColor : kScaleColor;
    };
    // Numbers fit their row and, on a narrow meter, the room of about two scale units.
    const qreal unitWidth = m_bar.width() / (kMaximum - kMinimum);
    painter.setFont(scaleFont(qMin(textRow.height() * 0.95, unitWidth * 1.1)));
    const QFontMetricsF metrics(painter.font());
    double last = kMinimum;
    for (const ScaleMark &mark : marks) {
        if (mark.value < kMinimum || mark.value > kMaximum)
            continue;
        last = qMax(last, mark.value);
        const qreal x = xOf(mark.value);
        // A numbered tick reaches the bar; the ticks between numbers go half way.
        const qreal tickEnd = mark.text.isEmpty() ? (base + barEdge) / 2 : barEdge;
        painter.setPen(QPen(colourAt(mark.value), lineWidth));
        painter.drawLine(QPointF(x, base), QPointF(x, tickEnd));
        if (mark.text.isEmpty())
            continue;
        // Centre the number on its tick, but keep it inside the widget.
        const qreal textWidth = metrics.horizontalAdvance(mark.text);
        const qreal textLeft = qMin(x - textWidth / 2, width() - textWidth);
        painter.drawText(QRectF(textLeft, textRow.top(), textWidth, textRow.height()),
                         Qt::AlignCenter, mark.text);
    }
    // The base line the ticks stand on, in the overload colour (and bolder) above S9.
    const double split = overloadColoured ? qBound(kMinimum, kOverloadFrom, last) : last;
    painter.setPen(QPen(kScaleColor, lineWidth));
    painter.drawLine(QPointF(xOf(kMinimum), base), QPointF(xOf(split), base));
    if (split < last) {
        painter.setPen(QPen(kOverloadColor, lineWidth * 1.6));
        painter.drawLine(QPointF(xOf(split), base), QPointF(xOf(last), base));
    }
}

void SignalMeter::drawBackground(QPainter &painter) const
{
    if (m_backgroundColor.alpha() > 0)
        painter.fillRect(rect(), m_backgroundColor);
    const qreal h = height();

    // Unlit segments of the bar.
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_unlitColor);
    painter.drawPath(m_segmentShape);

    drawScale(painter, kSignalMarks, kSignalBase * h, m_bar.top(), m_signalText, true);
    drawScale(painter, kPowerMarks, kPowerBase * h, m_bar.bottom(), m_powerText, false);

    painter.setPen(kScaleColor);
    const qreal captionFont = qMin(m_signalText.height() * 0.95, m_captions.width() * 0.5);
    painter.setFont(scaleFont(captionFont));
    painter.drawText(QRectF(0, m_signalText.top(), m_captions.width(), m_signalText.height()),
                     Qt::AlignCenter, QStringLiteral("S"));
    painter.setFont(scaleFont(qMin(m_powerText.height(), captionFont) * 0.85));
    painter.drawText(QRectF(0, m_powerText.top(), m_captions.width(), m_powerText.height()),
                     Qt::AlignCenter, QStringLiteral("PO"));
}

void SignalMeter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background.get(*this, [this](QPainter &p) { drawBackground(p); }));
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal pitch = m_bar.width() / segmentCount();
    for (int n = 0; n < kIndicatorCount; ++n) {
        const Indicator &indicator = m_indicators[n];
        if (!indicator.visible)
            continue;
        const Style &style = m_styles[n];
        const qreal top = m_bar.top() + style.laneTop * m_bar.height();
        const qreal laneHeight = style.laneHeight * m_bar.height();
        const qreal from = xOf(qMin(indicator.start, indicator.end));
        const qreal to = xOf(qMax(indicator.start, indicator.end));
        if (to > from) {
            painter.save();
            // Bars are cut into the segments of the scale: fill only where segments are.
            painter.setClipPath(m_segmentShape);
            painter.fillRect(QRectF(from, top, to - from, laneHeight), style.color);
            painter.restore();
        }
        if (indicator.marker > kMinimum) {
            const qreal x = xOf(indicator.marker);
            painter.setPen(QPen(style.color, qMax(1.5, pitch * 0.5)));
            painter.drawLine(QPointF(x, m_bar.top() - height() * 0.03),
                             QPointF(x, m_bar.bottom() + height() * 0.03));
        }
    }
}

} // namespace dorv
