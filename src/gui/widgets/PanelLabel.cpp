#include "PanelLabel.h"

#include <QPainter>
#include <QPainterPath>

namespace dorv {

namespace {

constexpr qreal kFontHeight = 0.72; // legend height as a fraction of the widget height
constexpr int kHintHeight = 14;

QFont legendFont(qreal pixelHeight)
{
    QFont font;
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(pixelHeight)));
    font.setStretch(QFont::SemiCondensed);
    return font;
}

QPolygonF arrowPolygon(const QRectF &box, Qt::ArrowType arrow)
{
    const qreal s = qMin(box.width(), box.height()) * 0.8;
    const QPointF c = box.center();
    const qreal h = s / 2;
    switch (arrow) {
    case Qt::UpArrow:
        return QPolygonF({{c.x(), c.y() - h}, {c.x() + h, c.y() + h}, {c.x() - h, c.y() + h}});
    case Qt::DownArrow:
        return QPolygonF({{c.x(), c.y() + h}, {c.x() + h, c.y() - h}, {c.x() - h, c.y() - h}});
    case Qt::LeftArrow:
        return QPolygonF({{c.x() - h, c.y()}, {c.x() + h, c.y() - h}, {c.x() + h, c.y() + h}});
    case Qt::RightArrow:
        return QPolygonF({{c.x() + h, c.y()}, {c.x() - h, c.y() - h}, {c.x() - h, c.y() + h}});
    default:
        return {};
    }
}

} // namespace

PanelLabel::PanelLabel(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void PanelLabel::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    if (m_shown)
        update();
}

void PanelLabel::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    update();
}

void PanelLabel::setArrow(Qt::ArrowType arrow)
{
    m_arrow = arrow;
    update();
}

void PanelLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void PanelLabel::setColor(const QColor &color)
{
    m_color = color;
    update();
}

QSize PanelLabel::sizeHint() const
{
    if (m_arrow != Qt::NoArrow)
        return QSize(kHintHeight, kHintHeight);
    const QFontMetrics metrics(legendFont(kHintHeight * kFontHeight));
    return QSize(metrics.horizontalAdvance(m_text) + kHintHeight / 2, kHintHeight);
}

QSize PanelLabel::minimumSizeHint() const
{
    return sizeHint() / 2;
}

void PanelLabel::paintEvent(QPaintEvent *)
{
    if (!m_shown)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = rect();
    if (m_arrow != Qt::NoArrow) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_color);
        painter.drawPolygon(arrowPolygon(box, m_arrow));
        return;
    }
    if (m_text.isEmpty())
        return;
    QFont font = legendFont(height() * kFontHeight);
    // Squeeze a text that is too long for its box rather than cut it.
    const qreal room = box.width() - height() * 0.2;
    const qreal needed = QFontMetricsF(font).horizontalAdvance(m_text);
    if (needed > room && room > 0)
        font.setStretch(qMax(1, int(font.stretch() * room / needed)));
    painter.setFont(font);
    const QRectF textBox = box.adjusted(height() * 0.1, 0, -height() * 0.1, 0);
    painter.setPen(m_color);
    painter.drawText(textBox, int(m_alignment | Qt::AlignVCenter), m_text);
}

} // namespace dorv
