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
    m_tiles.invalidate();
    update();
}

void FaceWidget::setFaceStyle(FaceStyle style)
{
    m_style = style;
    restyle();
}

void FaceWidget::setColourSet(ColourSet set)
{
    m_set = set;
    restyle();
}

void FaceWidget::setFaceLayout(const FaceLayout &layout)
{
    m_layout = layout;
    restyle();
}

void FaceWidget::setDisplayColor(const QColor &color)
{
    if (color == m_displayColor)
        return;
    m_displayColor = color;
    restyle();
}

QRect FaceWidget::displayRect() const
{
    return RadioFacePainter(m_style, m_set).displayRect(rect(), m_layout).toAlignedRect();
}

void FaceWidget::resizeEvent(QResizeEvent *)
{
    m_tiles.invalidate();
}

void FaceWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    m_tiles.paint(painter, *this, event->region(), [this](QPainter &p) {
        p.fillRect(rect(), Qt::black);
        RadioFacePainter(m_style, m_set).paint(p, rect(), m_layout, m_displayColor);
    });
}

} // namespace dorv
