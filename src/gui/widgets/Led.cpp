#include "Led.h"

#include <QPainter>
#include <QRadialGradient>

namespace dorv {

Led::Led(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void Led::setLit(bool lit)
{
    if (lit == lit_)
        return;
    lit_ = lit;
    update();
}

void Led::setColor(const QColor &color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void Led::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal r = qMin(width(), height()) / 2.0;
    const QPointF c(width() / 2.0, height() / 2.0);

    // Bezel: a dark ring lit from the upper left.
    QLinearGradient bezel(c - QPointF(r, r), c + QPointF(r, r));
    bezel.setColorAt(0, QColor(120, 120, 120));
    bezel.setColorAt(1, QColor(20, 20, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(bezel);
    painter.drawEllipse(c, r, r);

    const qreal lens = r * 0.75;
    QRadialGradient body(c - QPointF(lens * 0.3, lens * 0.35), lens * 1.2);
    if (lit_) {
        body.setColorAt(0, QColor(255, 255, 255));
        body.setColorAt(0.25, color_.lighter(130));
        body.setColorAt(1, color_.darker(130));
    } else {
        body.setColorAt(0, color_.darker(250));
        body.setColorAt(1, color_.darker(600));
    }
    painter.setBrush(body);
    painter.drawEllipse(c, lens, lens);
}

} // namespace dorv
