#include "SevenSegmentDisplay.h"

#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

namespace dorv {

namespace {

// Proportions of one digit cell, as fractions of the digit height.
constexpr qreal kDigitWidth = 0.52;  // width of the digit body
constexpr qreal kCellSpacing = 0.20; // gap to the next digit, where the point sits
constexpr qreal kThickness = 0.11;   // segment thickness
constexpr qreal kSegmentGap = 0.012; // gap between neighbouring segments
constexpr qreal kSlant = 0.10;       // forward lean: horizontal shift per unit of height
constexpr qreal kMargin = 0.12;      // outer margin, fraction of the widget height
constexpr qreal kHintHeight = 40.0;  // digit height of the size hint, in pixels

// A segment as a long hexagon from p to q (horizontal or vertical), thickness t.
QPolygonF segmentPolygon(QPointF p, QPointF q, qreal t)
{
    const qreal h = t / 2;
    if (qFuzzyCompare(p.y(), q.y()))
        return QPolygonF({p,
                          {p.x() + h, p.y() - h},
                          {q.x() - h, q.y() - h},
                          q,
                          {q.x() - h, q.y() + h},
                          {p.x() + h, p.y() + h}});
    return QPolygonF({p,
                      {p.x() + h, p.y() + h},
                      {q.x() + h, q.y() - h},
                      q,
                      {q.x() - h, q.y() - h},
                      {p.x() - h, p.y() + h}});
}

} // namespace

SevenSegmentDisplay::SevenSegmentDisplay(int digitCount, QWidget *parent)
    : QWidget(parent), digitCount_(qMax(1, digitCount))
{
    cells_ = layoutText(QString(), digitCount_);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

quint8 SevenSegmentDisplay::segmentsFor(QChar c)
{
    switch (c.toLatin1()) {
    case '0':
        return SegA | SegB | SegC | SegD | SegE | SegF;
    case '1':
        return SegB | SegC;
    case '2':
        return SegA | SegB | SegD | SegE | SegG;
    case '3':
        return SegA | SegB | SegC | SegD | SegG;
    case '4':
        return SegB | SegC | SegF | SegG;
    case '5':
        return SegA | SegC | SegD | SegF | SegG;
    case '6':
        return SegA | SegC | SegD | SegE | SegF | SegG;
    case '7':
        return SegA | SegB | SegC;
    case '8':
        return SegA | SegB | SegC | SegD | SegE | SegF | SegG;
    case '9':
        return SegA | SegB | SegC | SegD | SegF | SegG;
    case '-':
        return SegG;
    case '_':
        return SegD;
    case 'A':
        return SegA | SegB | SegC | SegE | SegF | SegG;
    case 'b':
        return SegC | SegD | SegE | SegF | SegG;
    case 'C':
        return SegA | SegD | SegE | SegF;
    case 'd':
        return SegB | SegC | SegD | SegE | SegG;
    case 'E':
        return SegA | SegD | SegE | SegF | SegG;
    case 'F':
        return SegA | SegE | SegF | SegG;
    case 'H':
        return SegB | SegC | SegE | SegF | SegG;
    case 'L':
        return SegD | SegE | SegF;
    case 'P':
        return SegA | SegB | SegE | SegF | SegG;
    case 'U':
        return SegB | SegC | SegD | SegE | SegF;
    case 'n':
        return SegC | SegE | SegG;
    case 'o':
        return SegC | SegD | SegE | SegG;
    case 'r':
        return SegE | SegG;
    case 't':
        return SegD | SegE | SegF | SegG;
    default:
        return 0;
    }
}

QList<SevenSegmentDisplay::Cell> SevenSegmentDisplay::layoutText(const QString &text,
                                                                 int digitCount)
{
    QList<Cell> cells;
    bool lastWasDigit = false;
    for (QChar c : text) {
        if (c == u'.' || c == u',') {
            // A point lights the previous cell's point; a point with no digit before it
            // (".100.00", or "..") gets a blank cell of its own.
            if (!lastWasDigit)
                cells.append(Cell{});
            cells.last().dot = true;
            lastWasDigit = false;
        } else {
            cells.append(Cell{segmentsFor(c), false});
            lastWasDigit = true;
        }
    }
    if (cells.size() > digitCount)
        cells.remove(0, cells.size() - digitCount);
    while (cells.size() < digitCount)
        cells.prepend(Cell{});
    return cells;
}

void SevenSegmentDisplay::setText(const QString &text)
{
    text_ = text;
    const QList<Cell> cells = layoutText(text, digitCount_);
    if (cells == cells_)
        return;
    updateChangedCells(cells_, cells);
    cells_ = cells;
}

// A knob step changes one or two digits: only their cells are painted again, which keeps a
// held knob cheap. The cells lean into their neighbours, so paintEvent draws every segment
// that reaches into the region.
void SevenSegmentDisplay::updateChangedCells(const QList<Cell> &before, const QList<Cell> &after)
{
    if (shapes_.size() != after.size() || before.size() != after.size()) {
        update();
        return;
    }
    for (int i = 0; i < after.size(); ++i) {
        if (before[i] != after[i])
            update(shapes_[i].bounds);
    }
}

void SevenSegmentDisplay::setDigitCount(int count)
{
    count = qMax(1, count);
    if (count == digitCount_)
        return;
    digitCount_ = count;
    cells_ = layoutText(text_, digitCount_);
    computeGeometry();
    updateGeometry();
    update();
}

void SevenSegmentDisplay::setSegmentColor(const QColor &color)
{
    if (color == segmentColor_)
        return;
    segmentColor_ = color;
    update();
}

void SevenSegmentDisplay::setUnlitColor(const QColor &color)
{
    if (color == unlitColor_)
        return;
    unlitColor_ = color;
    background_.invalidate();
    update();
}

void SevenSegmentDisplay::setBackgroundColor(const QColor &color)
{
    if (color == backgroundColor_)
        return;
    backgroundColor_ = color;
    background_.invalidate();
    update();
}

QSize SevenSegmentDisplay::sizeHint() const
{
    const qreal cell = (kDigitWidth + kCellSpacing) * kHintHeight;
    const qreal height = kHintHeight / (1 - 2 * kMargin);
    return QSize(qCeil(digitCount_ * cell + 2 * kMargin * height), qCeil(height));
}

QSize SevenSegmentDisplay::minimumSizeHint() const
{
    return sizeHint() / 3;
}

void SevenSegmentDisplay::resizeEvent(QResizeEvent *)
{
    computeGeometry();
}

void SevenSegmentDisplay::computeGeometry()
{
    background_.invalidate();
    shapes_.clear();
    const qreal margin = kMargin * height();
    const qreal availableWidth = width() - 2 * margin;
    const qreal cellRatio = kDigitWidth + kCellSpacing;
    // The digit height is set by the height or, for a narrow widget, by the width.
    const qreal digitHeight =
        qMax(0.0, qMin(height() - 2 * margin, availableWidth / (digitCount_ * cellRatio)));
    const qreal cellWidth = digitHeight * cellRatio;
    const qreal left = (width() - digitCount_ * cellWidth) / 2 + digitHeight * kCellSpacing / 2;
    const qreal top = (height() - digitHeight) / 2;
    const qreal t = kThickness * digitHeight;
    const qreal gap = kSegmentGap * digitHeight;
    const qreal w = kDigitWidth * digitHeight;

    for (int i = 0; i < digitCount_; ++i) {
        const qreal x0 = left + i * cellWidth;
        // Lean the cell forward: a point at height y moves right by its distance from the base.
        auto at = [&](qreal x, qreal y) {
            return QPointF(x0 + x + (digitHeight - y) * kSlant, top + y);
        };
        const qreal l = t / 2, r = w - t / 2, yt = t / 2, ym = digitHeight / 2,
                    yb = digitHeight - t / 2;
        CellShape shape;
        shape.segments[0] = segmentPolygon(at(l + gap, yt), at(r - gap, yt), t);
        shape.segments[1] = segmentPolygon(at(r, yt + gap), at(r, ym - gap), t);
        shape.segments[2] = segmentPolygon(at(r, ym + gap), at(r, yb - gap), t);
        shape.segments[3] = segmentPolygon(at(l + gap, yb), at(r - gap, yb), t);
        shape.segments[4] = segmentPolygon(at(l, ym + gap), at(l, yb - gap), t);
        shape.segments[5] = segmentPolygon(at(l, yt + gap), at(l, ym - gap), t);
        shape.segments[6] = segmentPolygon(at(l + gap, ym), at(r - gap, ym), t);
        const qreal dotSize = t * 1.1;
        const QPointF dotCentre = at(w + digitHeight * kCellSpacing / 2, digitHeight - dotSize / 2);
        shape.dot = QRectF(dotCentre - QPointF(dotSize / 2, dotSize / 2), QSizeF(dotSize, dotSize));
        // Antialiasing reaches into the pixels the outline crosses; one more for rounding.
        shape.bounds = shape.dot.toAlignedRect().adjusted(-1, -1, 1, 1);
        for (int s = 0; s < 7; ++s) {
            shape.segmentBounds[s] =
                shape.segments[s].boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
            shape.bounds |= shape.segmentBounds[s];
        }
        shapes_.append(shape);
    }
}

void SevenSegmentDisplay::drawBackground(QPainter &painter) const
{
    painter.fillRect(rect(), backgroundColor_);
    painter.setPen(Qt::NoPen);
    painter.setBrush(unlitColor_);
    for (const CellShape &shape : shapes_) {
        for (const QPolygonF &segment : shape.segments)
            painter.drawPolygon(segment);
        painter.drawRect(shape.dot);
    }
}

void SevenSegmentDisplay::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_.get(*this, [this](QPainter &p) { drawBackground(p); }));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(segmentColor_);
    const QRegion &region = event->region();
    for (int i = 0; i < cells_.size() && i < shapes_.size(); ++i) {
        const CellShape &shape = shapes_[i];
        if (!region.intersects(shape.bounds))
            continue;
        // A neighbour's cell leans into a repainted one: only its segments that reach in
        // are drawn.
        for (int s = 0; s < 7; ++s) {
            if ((cells_[i].segments & (1 << s)) && region.intersects(shape.segmentBounds[s]))
                painter.drawPolygon(shape.segments[s]);
        }
        if (cells_[i].dot)
            painter.drawRect(shape.dot);
    }
}

} // namespace dorv
