#include "OnAirLamp.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace dorv {

namespace {

// Fractions of the widget's height.
constexpr qreal kGlow = 0.12;   // the glow around the lamp
constexpr qreal kRadius = 0.22; // the lamp's corners
constexpr qreal kLegend = 0.7;  // the legend's height in the lamp

const QColor kLit(255, 40, 25);
const QColor kDeep(150, 0, 0);
const QColor kRim(70, 0, 0);

} // namespace

OnAirLamp::OnAirLamp(const QString &text, QWidget *parent) : PanelLabel(text, parent) {}

void OnAirLamp::setShaded(bool shaded)
{
    if (shaded == shaded_)
        return;
    shaded_ = shaded;
    update();
}

void OnAirLamp::paintEvent(QPaintEvent *)
{
    if (!isShown())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal glow = height() * kGlow;
    const QRectF lamp = QRectF(rect()).adjusted(glow, glow, -glow, -glow);
    if (shaded_)
        paintShaded(painter, lamp);
    else
        paintFlat(painter, lamp);
    paintLegend(painter, lamp);
}

void OnAirLamp::paintShaded(QPainter &painter, const QRectF &lamp) const
{
    const qreal radius = height() * kRadius;
    // The light spilling onto the display around the lamp.
    QRadialGradient halo(lamp.center(), lamp.width() / 2 + height() * kGlow);
    halo.setColorAt(0.6, QColor(255, 30, 20, 150));
    halo.setColorAt(1, QColor(255, 30, 20, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawRoundedRect(QRectF(rect()), radius * 1.5, radius * 1.5);

    QLinearGradient body(lamp.topLeft(), lamp.bottomLeft());
    body.setColorAt(0, kLit.lighter(140));
    body.setColorAt(0.45, kLit);
    body.setColorAt(1, kDeep);
    painter.setPen(QPen(kRim, qMax(1.0, height() * 0.05)));
    painter.setBrush(body);
    painter.drawRoundedRect(lamp, radius, radius);
}

void OnAirLamp::paintFlat(QPainter &painter, const QRectF &lamp) const
{
    const qreal radius = height() * kRadius;
    painter.setPen(QPen(Qt::black, qMax(1.0, height() * 0.05)));
    painter.setBrush(QColor(Qt::red));
    painter.drawRoundedRect(lamp, radius, radius);
}

void OnAirLamp::paintLegend(QPainter &painter, const QRectF &lamp) const
{
    if (text().isEmpty())
        return;
    QFont font;
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(lamp.height() * kLegend)));
    // Squeezed rather than cut when the lamp is narrow for it.
    const qreal room = lamp.width() - lamp.height() * 0.4;
    const qreal needed = QFontMetricsF(font).horizontalAdvance(text());
    if (needed > room && room > 0)
        font.setStretch(qMax(1, int(100 * room / needed)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(lamp, Qt::AlignCenter, text());
}

} // namespace dorv
