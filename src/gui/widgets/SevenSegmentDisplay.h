#pragma once

#include "BackgroundCache.h"

#include <QColor>
#include <QList>
#include <QPolygonF>
#include <QWidget>
#include <array>

namespace dorv {

// A row of seven-segment LCD digit cells. Points in the text light the decimal point of the
// cell before them instead of taking a cell, as on the radio's own display: "144.200.00"
// fills eight cells. Short texts are right-aligned and the leading cells stay blank; of a
// text with more digits than cells, the rightmost digits are shown so the points keep
// their places.
class SevenSegmentDisplay : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    // Segment bits, named as usual: a top, b upper right, c lower right, d bottom,
    // e lower left, f upper left, g middle.
    enum Segment : quint8 {
        SegA = 0x01,
        SegB = 0x02,
        SegC = 0x04,
        SegD = 0x08,
        SegE = 0x10,
        SegF = 0x20,
        SegG = 0x40,
    };

    struct Cell {
        quint8 segments = 0;
        bool dot = false;
        bool operator==(const Cell &) const = default;
    };

    explicit SevenSegmentDisplay(int digitCount = 8, QWidget *parent = nullptr);

    // The segments lit for one character; characters without a seven-segment form are blank.
    static quint8 segmentsFor(QChar c);
    // The cells a text fills on a display of digitCount cells.
    static QList<Cell> layoutText(const QString &text, int digitCount);

    QString text() const { return text_; }
    QList<Cell> cells() const { return cells_; }

    int digitCount() const { return digitCount_; }
    void setDigitCount(int count);

    void setSegmentColor(const QColor &color);
    // Colour of the segments that are off, faintly visible like on a real LCD.
    void setUnlitColor(const QColor &color);
    // Transparent lets the face behind show through.
    void setBackgroundColor(const QColor &color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct CellShape {
        std::array<QPolygonF, 7> segments;
        std::array<QRect, 7> segmentBounds; // every pixel each segment can touch
        QRectF dot;
        QRect bounds; // every pixel the cell's segments and point can touch
    };

    void computeGeometry();
    void drawBackground(QPainter &painter) const;
    // Repaints the cells that differ between the two layouts, or the whole widget while
    // the cells have no geometry yet.
    void updateChangedCells(const QList<Cell> &before, const QList<Cell> &after);

    int digitCount_;
    QString text_;
    QList<Cell> cells_;
    QList<CellShape> shapes_;
    QColor segmentColor_{20, 24, 28};
    QColor unlitColor_{0, 170, 205};
    QColor backgroundColor_{0, 200, 240};
    BackgroundCache background_;
};

} // namespace dorv
