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

PanelLabel::PanelLabel(const QString &text, QWidget *parent) : QWidget(parent), text_(text)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void PanelLabel::setText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    updateGeometry();
    if (shown_)
        update();
}

void PanelLabel::setShown(bool shown)
{
    if (shown == shown_)
        return;
    shown_ = shown;
    update();
}

void PanelLabel::setArrow(Qt::ArrowType arrow)
{
    arrow_ = arrow;
    update();
}

void PanelLabel::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void PanelLabel::setColor(const QColor &color)
{
    color_ = color;
    update();
}

QSize PanelLabel::sizeHint() const
{
    if (arrow_ != Qt::NoArrow)
        return QSize(kHintHeight, kHintHeight);
    const QFontMetrics metrics(legendFont(kHintHeight * kFontHeight));
    return QSize(metrics.horizontalAdvance(text_) + kHintHeight / 2, kHintHeight);
}

QSize PanelLabel::minimumSizeHint() const
{
    return sizeHint() / 2;
}

void PanelLabel::paintEvent(QPaintEvent *)
{
    if (!shown_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = rect();
    if (arrow_ != Qt::NoArrow) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(color_);
        painter.drawPolygon(arrowPolygon(box, arrow_));
        return;
    }
    if (text_.isEmpty())
        return;
    QFont font = legendFont(height() * kFontHeight);
    // Squeeze a text that is too long for its box rather than cut it.
    const qreal room = box.width() - height() * 0.2;
    const qreal needed = QFontMetricsF(font).horizontalAdvance(text_);
    if (needed > room && room > 0)
        font.setStretch(qMax(1, int(font.stretch() * room / needed)));
    painter.setFont(font);
    const QRectF textBox = box.adjusted(height() * 0.1, 0, -height() * 0.1, 0);
    painter.setPen(color_);
    painter.drawText(textBox, int(alignment_ | Qt::AlignVCenter), text_);
}

} // namespace dorv
