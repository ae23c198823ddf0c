#include "RadioFacePainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace dorv {

namespace {

// Lengths as fractions of the face height ("unit").
constexpr qreal kCorner = 0.04;
constexpr qreal kBevel = 0.012;
constexpr qreal kDisplayFrame = 0.018;
constexpr qreal kLcdMargin = 0.035; // margin around the display of the LCD face

QRectF scaled(const QRectF &fraction, const QRectF &area)
{
    return QRectF(area.left() + fraction.left() * area.width(),
                  area.top() + fraction.top() * area.height(), fraction.width() * area.width(),
                  fraction.height() * area.height());
}

} // namespace

FaceColors FaceColors::forSet(ColourSet set)
{
    if (set == ColourSet::Reduced)
        return {QColor(0, 0, 0),
                QColor(128, 128, 128),
                QColor(0, 0, 0),
                QColor(128, 128, 128),
                QColor(128, 128, 128),
                QColor(0, 0, 0),
                false};
    return {QColor(46, 48, 52),
            QColor(120, 124, 130),
            QColor(10, 10, 12),
            QColor(16, 17, 19),
            QColor(8, 8, 9),
            QColor(24, 25, 27),
            true};
}

QColor FaceColors::displayLit(ColourSet set)
{
    return set == ColourSet::Reduced ? QColor(0, 255, 255) : QColor(0, 200, 240);
}

QColor FaceColors::displayDark(ColourSet set)
{
    return set == ColourSet::Reduced ? QColor(0, 128, 128) : QColor(22, 44, 52);
}

RadioFacePainter::RadioFacePainter(FaceStyle style, ColourSet set)
    : style_(style), colors_(FaceColors::forSet(set))
{
}

QRectF RadioFacePainter::displayRect(const QRectF &area, const FaceLayout &layout) const
{
    if (style_ == FaceStyle::Lcd) {
        const qreal m = kLcdMargin * area.height();
        return area.adjusted(m, m, -m, -m);
    }
    return scaled(layout.display, area);
}

void RadioFacePainter::paint(QPainter &painter, const QRectF &area, const FaceLayout &layout,
                             const QColor &displayColor) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = area.height();
    paintBody(painter, area);
    if (style_ == FaceStyle::Radio) {
        paintGrille(painter, scaled(layout.speaker, area), unit);
        for (const QRectF &well : layout.knobWells)
            paintWell(painter, scaled(well, area), unit);
    }
    paintDisplayWindow(painter, displayRect(area, layout), displayColor, unit);
    painter.restore();
}

void RadioFacePainter::paintBody(QPainter &painter, const QRectF &area) const
{
    const qreal unit = area.height();
    const qreal corner = style_ == FaceStyle::Radio ? kCorner * unit : kCorner * unit / 2;
    const qreal bevel = kBevel * unit;
    painter.setPen(Qt::NoPen);
    // Bevel: light along the top and left, dark along the bottom and right.
    QPainterPath outline;
    outline.addRoundedRect(area, corner, corner);
    painter.setBrush(colors_.bevelLight);
    painter.drawPath(outline);
    painter.save();
    painter.setClipPath(outline);
    painter.setBrush(colors_.bevelDark);
    painter.drawRoundedRect(area.translated(bevel, bevel), corner, corner);
    painter.restore();

    const QRectF panel = area.adjusted(bevel, bevel, -bevel, -bevel);
    if (colors_.shaded) {
        QLinearGradient face(panel.topLeft(), panel.bottomLeft());
        face.setColorAt(0, colors_.body.lighter(125));
        face.setColorAt(0.25, colors_.body);
        face.setColorAt(1, colors_.body.darker(140));
        painter.setBrush(face);
    } else {
        painter.setBrush(colors_.body);
    }
    painter.drawRoundedRect(panel, corner * 0.8, corner * 0.8);

    if (style_ == FaceStyle::Radio) {
        // A thin groove across the face below the display, as on the moulded front.
        const qreal y = panel.top() + panel.height() * 0.60;
        painter.setPen(QPen(colors_.bevelDark, qMax(1.0, unit * 0.004)));
        painter.drawLine(QPointF(panel.left() + bevel, y), QPointF(panel.right() - bevel, y));
        painter.setPen(QPen(colors_.bevelLight.darker(150), qMax(1.0, unit * 0.003)));
        painter.drawLine(QPointF(panel.left() + bevel, y + qMax(1.0, unit * 0.004)),
                         QPointF(panel.right() - bevel, y + qMax(1.0, unit * 0.004)));
    }
}

void RadioFacePainter::paintDisplayWindow(QPainter &painter, const QRectF &window,
                                          const QColor &fill, qreal unit) const
{
    const qreal frame = kDisplayFrame * unit;
    const QRectF outer = window.adjusted(-frame, -frame, frame, frame);
    painter.setPen(Qt::NoPen);
    // The recess: dark at the top and left where the face overhangs, lighter below.
    QLinearGradient recess(outer.topLeft(), outer.bottomRight());
    recess.setColorAt(0, colors_.bevelDark);
    recess.setColorAt(1, colors_.shaded ? colors_.bevelLight.darker(130) : colors_.bevelLight);
    painter.setBrush(recess);
    painter.drawRoundedRect(outer, frame, frame);
    painter.setBrush(colors_.displayFrame);
    painter.drawRoundedRect(outer.adjusted(frame * 0.3, frame * 0.3, -frame * 0.3, -frame * 0.3),
                            frame * 0.7, frame * 0.7);
    if (colors_.shaded) {
        // Slight vignette, as a backlight is brighter in the middle.
        QRadialGradient glass(window.center(), qMax(window.width(), window.height()) * 0.7);
        glass.setColorAt(0, fill.lighter(108));
        glass.setColorAt(1, fill.darker(115));
        painter.setBrush(glass);
    } else {
        painter.setBrush(fill);
    }
    painter.drawRect(window);
}

void RadioFacePainter::paintGrille(QPainter &painter, const QRectF &grille, qreal unit) const
{
    // Rows of slots, as in a moulded speaker grille.
    painter.setPen(Qt::NoPen);
    const qreal pitch = 0.035 * unit;
    const qreal slot = pitch * 0.45;
    const int rows = qMax(1, int(grille.height() / pitch));
    const qreal top = grille.center().y() - (rows - 1) * pitch / 2;
    for (int i = 0; i < rows; ++i) {
        const QRectF r(grille.left(), top + i * pitch - slot / 2, grille.width(), slot);
        if (colors_.shaded) {
            painter.setBrush(colors_.bevelLight.darker(170));
            painter.drawRoundedRect(r.translated(0, slot * 0.25), slot / 2, slot / 2);
        }
        painter.setBrush(colors_.grilleHole);
        painter.drawRoundedRect(r, slot / 2, slot / 2);
    }
}

void RadioFacePainter::paintWell(QPainter &painter, const QRectF &well, qreal unit) const
{
    const qreal r = qMin(well.width(), well.height()) / 2;
    const QPointF c = well.center();
    painter.setPen(colors_.shaded ? Qt::NoPen : QPen(colors_.bevelLight, qMax(1.0, unit * 0.004)));
    if (colors_.shaded) {
        QLinearGradient rim(c - QPointF(r, r), c + QPointF(r, r));
        rim.setColorAt(0, colors_.bevelDark);
        rim.setColorAt(1, colors_.bevelLight.darker(120));
        painter.setBrush(rim);
    } else {
        painter.setBrush(colors_.well);
    }
    painter.drawEllipse(c, r, r);
    painter.setBrush(colors_.well);
    painter.drawEllipse(c, r * 0.93, r * 0.93);
}

} // namespace dorv
