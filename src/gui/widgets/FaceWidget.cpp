#include "FaceWidget.h"

#include <QPainter>

namespace dorv {

FaceWidget::FaceWidget(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FaceWidget::restyle()
{
    m_background.invalidate();
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
    m_background.invalidate();
}

void FaceWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(0, 0, m_background.get(*this, [this](QPainter &p) {
        RadioFacePainter(m_style, m_set).paint(p, rect(), m_layout, m_displayColor);
    }));
}

} // namespace dorv
