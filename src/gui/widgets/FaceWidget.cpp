#include "FaceWidget.h"

#include <QPaintEvent>
#include <QPainter>

namespace dorv {

FaceWidget::FaceWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FaceWidget::restyle()
{
    tiles_.invalidate();
    update();
}

void FaceWidget::setFaceStyle(FaceStyle style)
{
    style_ = style;
    restyle();
}

void FaceWidget::setColourSet(ColourSet set)
{
    set_ = set;
    restyle();
}

void FaceWidget::setFaceLayout(const FaceLayout &layout)
{
    layout_ = layout;
    restyle();
}

void FaceWidget::setDisplayColor(const QColor &color)
{
    if (color == displayColor_)
        return;
    displayColor_ = color;
    restyle();
}

QRect FaceWidget::displayRect() const
{
    return RadioFacePainter(style_, set_).displayRect(rect(), layout_).toAlignedRect();
}

void FaceWidget::resizeEvent(QResizeEvent *)
{
    tiles_.invalidate();
}

void FaceWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    tiles_.paint(painter, *this, event->region(), [this](QPainter &p) {
        p.fillRect(rect(), Qt::black);
        RadioFacePainter(style_, set_).paint(p, rect(), layout_, displayColor_);
    });
}

} // namespace dorv
