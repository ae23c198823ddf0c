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
    styles_[0] = {QColor(20, 24, 28), 0, 0.62};
    styles_[1] = {QColor(40, 40, 150), 0.72, 0.28};
    styles_[2] = {QColor(200, 20, 20), 0, 1};
    styles_[3] = {QColor(20, 110, 40), 0, 1};
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
    return indicators_[n];
}

void SignalMeter::setIndicator(int n, bool visible, double start, double end, double marker)
{
    if (n < 0 || n >= kIndicatorCount)
        return;
    changed(n, Indicator{visible, clamp(start), clamp(end), clamp(marker)});
}

void SignalMeter::changed(int n, const Indicator &indicator)
{
    indicators_[n] = indicator;
    const Drawn drawn = drawnOf(indicator);
    if (drawn == drawn_[n])
        return;
    drawn_[n] = drawn;
    update();
}

void SignalMeter::setIndicatorColor(int n, const QColor &color)
{
    if (n < 0 || n >= kIndicatorCount)
        return;
    styles_[n].color = color;
    update();
}

void SignalMeter::setBackgroundColor(const QColor &color)
{
    if (color == backgroundColor_)
        return;
    backgroundColor_ = color;
    background_.invalidate();
    update();
}

void SignalMeter::setUnlitColor(const QColor &color)
{
    if (color == unlitColor_)
        return;
    unlitColor_ = color;
    background_.invalidate();
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
        drawn_[n] = drawnOf(indicators_[n]);
}

void SignalMeter::computeGeometry()
{
    background_.invalidate();
    const qreal w = width(), h = height();
    const qreal left = kCaptionWidth * w, right = w * (1 - kRightMargin);
    captions_ = QRectF(0, 0, left, h);
    bar_ = QRectF(QPointF(left, kBarTop * h), QPointF(right, kBarBottom * h));
    signalText_ = QRectF(QPointF(left, kSignalTextTop * h), QPointF(right, kSignalTextBottom * h));
    powerText_ = QRectF(QPointF(left, kPowerTextTop * h), QPointF(right, kPowerTextBottom * h));
    segmentShape_ = QPainterPath();
    const int segments = segmentCount();
    const qreal pitch = bar_.width() / segments;
    for (int i = 0; i < segments; ++i)
        segmentShape_.addRect(QRectF(bar_.left() + i * pitch + pitch * kSegmentGap / 2, bar_.top(),
                                     pitch * (1 - kSegmentGap), bar_.height()));
}

int SignalMeter::segmentCount() const
{
    return qMax(1, qRound((kMaximum - kMinimum) * kSegmentsPerUnit));
}

qreal SignalMeter::xOf(double value) const
{
    return bar_.left() + (value - kMinimum) / (kMaximum - kMinimum) * bar_.width();
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
    const qreal unitWidth = bar_.width() / (kMaximum - kMinimum);
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
    if (backgroundColor_.alpha() > 0)
        painter.fillRect(rect(), backgroundColor_);
    const qreal h = height();

    // Unlit segments of the bar.
    painter.setPen(Qt::NoPen);
    painter.setBrush(unlitColor_);
    painter.drawPath(segmentShape_);

    drawScale(painter, kSignalMarks, kSignalBase * h, bar_.top(), signalText_, true);
    drawScale(painter, kPowerMarks, kPowerBase * h, bar_.bottom(), powerText_, false);

    painter.setPen(kScaleColor);
    const qreal captionFont = qMin(signalText_.height() * 0.95, captions_.width() * 0.5);
    painter.setFont(scaleFont(captionFont));
    painter.drawText(QRectF(0, signalText_.top(), captions_.width(), signalText_.height()),
                     Qt::AlignCenter, QStringLiteral("S"));
    painter.setFont(scaleFont(qMin(powerText_.height(), captionFont) * 0.85));
    painter.drawText(QRectF(0, powerText_.top(), captions_.width(), powerText_.height()),
                     Qt::AlignCenter, QStringLiteral("PO"));
}

void SignalMeter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_.get(*this, [this](QPainter &p) { drawBackground(p); }));
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal pitch = bar_.width() / segmentCount();
    for (int n = 0; n < kIndicatorCount; ++n) {
        const Indicator &indicator = indicators_[n];
        if (!indicator.visible)
            continue;
        const Style &style = styles_[n];
        const qreal top = bar_.top() + style.laneTop * bar_.height();
        const qreal laneHeight = style.laneHeight * bar_.height();
        const qreal from = xOf(qMin(indicator.start, indicator.end));
        const qreal to = xOf(qMax(indicator.start, indicator.end));
        if (to > from) {
            painter.save();
            // Bars are cut into the segments of the scale: fill only where segments are.
            painter.setClipPath(segmentShape_);
            painter.fillRect(QRectF(from, top, to - from, laneHeight), style.color);
            painter.restore();
        }
        if (indicator.marker > kMinimum) {
            const qreal x = xOf(indicator.marker);
            painter.setPen(QPen(style.color, qMax(1.5, pitch * 0.5)));
            painter.drawLine(QPointF(x, bar_.top() - height() * 0.03),
                             QPointF(x, bar_.bottom() + height() * 0.03));
        }
    }
}

} // namespace dorv
