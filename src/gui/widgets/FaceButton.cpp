#include "FaceButton.h"

#include <QPainter>
#include <QPainterPath>

namespace dorv {

namespace {

constexpr qreal kUpperShare = 0.32; // share of the height taken by the upper legend
constexpr qreal kCorner = 0.22;     // corner radius, fraction of the key height
constexpr qreal kLegend = 0.42;     // legend line height, fraction of the key height
constexpr qreal kTravel = 0.04;     // how far a pressed key sinks, fraction of its height
const QColor kKeyColor(46, 47, 52);
const QColor kLegendColor(236, 236, 230);
const QColor kUpperLegendColor(240, 170, 60);

QFont legendFont(qreal pixelHeight, bool bold)
{
    QFont font;
    font.setBold(bold);
    font.setPixelSize(qMax(1, qRound(pixelHeight)));
    return font;
}

} // namespace

FaceButton::FaceButton(const QString &legend, QWidget *parent) : QAbstractButton(parent)
{
    setText(legend);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void FaceButton::setUpperLegend(const QString &legend)
{
    if (legend == upperLegend_)
        return;
    upperLegend_ = legend;
    updateGeometry();
    update();
}

QRectF FaceButton::keyRect() const
{
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (!upperLegend_.isEmpty())
        r.setTop(r.top() + r.height() * kUpperShare);
    return r;
}

QSize FaceButton::sizeHint() const
{
    const int keyHeight = 24;
    const QFontMetrics metrics(legendFont(keyHeight * kLegend, true));
    int width = keyHeight * 3 / 2;
    for (const QString &line : text().split(u'\n'))
        width = qMax(width, metrics.horizontalAdvance(line) + keyHeight / 2);
    const int height = upperLegend_.isEmpty() ? keyHeight : int(keyHeight / (1 - kUpperShare));
    return QSize(width, height);
}

QSize FaceButton::minimumSizeHint() const
{
    return sizeHint() / 2;
}

qreal FaceButton::fittedLegendSize() const
{
    const QRectF key = keyRect();
    const QStringList lines = text().split(u'\n');
    const QFont font =
        legendFont(key.height() * kLegend / qMax<qsizetype>(1, lines.size()) * 1.1, true);
    qreal widest = 0;
    for (const QString &line : lines)
        widest = qMax(widest, QFontMetricsF(font).horizontalAdvance(line));
    const qreal room = key.width() * 0.88;
    return widest > room ? qMax(1, int(font.pixelSize() * room / widest)) : font.pixelSize();
}

qreal FaceButton::fittedUpperLegendSize() const
{
    if (upperLegend_.isEmpty())
        return 0;
    const QRectF upper(0, 0, width(), height() * kUpperShare);
    const QFont font = legendFont(upper.height() * 0.8, true);
    const qreal needed = QFontMetricsF(font).horizontalAdvance(upperLegend_);
    return needed > upper.width() ? qMax(1, int(font.pixelSize() * upper.width() / needed))
                                  : font.pixelSize();
}

void FaceButton::setLegendSizes(qreal legend, qreal upperLegend)
{
    if (legend == legendSize_ && upperLegend == upperLegendSize_)
        return;
    legendSize_ = legend;
    upperLegendSize_ = upperLegend;
    update();
}

bool FaceButton::hitButton(const QPoint &pos) const
{
    return keyRect().contains(pos);
}

void FaceButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool enabled = isEnabled();
    const bool down = isDown() || isChecked();

    if (!upperLegend_.isEmpty()) {
        const QRectF upper(0, 0, width(), height() * kUpperShare);
        painter.setFont(legendFont(upperLegendSize(), true));
        painter.setPen(enabled ? kUpperLegendColor : kUpperLegendColor.darker(180));
        painter.drawText(upper, Qt::AlignCenter, upperLegend_);
    }

    QRectF key = keyRect();
    const qreal h = key.height();
    const qreal corner = kCorner * h;
    // Shadow under the key; a pressed key sits lower and casts less of it.
    QRectF shadow = key.adjusted(0, h * 0.06, 0, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 140));
    painter.drawRoundedRect(shadow, corner, corner);
    key.setBottom(key.bottom() - h * 0.06);
    if (down)
        key.translate(0, h * kTravel);

    const QColor base = enabled ? kKeyColor : kKeyColor.darker(140);
    QLinearGradient body(key.topLeft(), key.bottomLeft());
    body.setColorAt(0, down ? base.darker(120) : base.lighter(150));
    body.setColorAt(0.5, down ? base.darker(130) : base);
    body.setColorAt(1, base.darker(160));
    painter.setPen(QPen(QColor(10, 10, 12), qMax(1.0, h * 0.03)));
    painter.setBrush(body);
    painter.drawRoundedRect(key, corner, corner);

    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), qMax(1.0, h * 0.05)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(key.adjusted(h * 0.05, h * 0.05, -h * 0.05, -h * 0.05), corner,
                                corner);
    }

    painter.setFont(legendFont(legendSize(), true));
    painter.setPen(enabled ? kLegendColor : kLegendColor.darker(220));
    painter.drawText(key, Qt::AlignCenter, text());
}

} // namespace dorv
