#pragma once

#include "BackgroundCache.h"

#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QWidget>
#include <array>

namespace dorv {

// The radio's bar meter: a segmented bar under an S scale (S1 … S9, +20 … +60 over the
// values 0..15 the radio reports) with a power (PO) scale beneath. It shows four numbered
// indicators; each draws, while visible, a bar from its start to its end value in its own
// lane and colour, and a marker line at its marker value (a peak hold, say). Values are
// clamped to the meter's range.
class SignalMeter : public QWidget {
    Q_OBJECT

public:
    static constexpr int kIndicatorCount = 4;

    struct Indicator {
        bool visible = false;
        double start = 0;
        double end = 0;
        double marker = 0;
    };

    struct ScaleMark {
        double value = 0;
        QString text; // empty: a tick without a number
    };

    explicit SignalMeter(QWidget *parent = nullptr);

    // Indicator n (0..3) as stored, after clamping; other n give an empty indicator.
    Indicator indicator(int n) const;
    void setIndicator(int n, bool visible, double start, double end, double marker);
    void setIndicatorColor(int n, const QColor &color);

    // Transparent lets the display behind show through.
    void setBackgroundColor(const QColor &color);
    // Colour of the bar's segments where no indicator lights them.
    void setUnlitColor(const QColor &color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Style {
        QColor color;
        qreal laneTop = 0;
        qreal laneHeight = 1;
    };
    // What an indicator looks like in pixels; a change that leaves it equal needs no repaint.
    struct Drawn {
        bool visible = false;
        int from = 0, to = 0, marker = 0;
        bool operator==(const Drawn &) const = default;
    };

    double clamp(double value) const;
    qreal xOf(double value) const;
    Drawn drawnOf(const Indicator &indicator) const;
    void changed(int n, const Indicator &indicator);
    void computeGeometry();
    int segmentCount() const;
    void drawBackground(QPainter &painter) const;
    // Ticks from the base line at y = base towards the bar edge at y = barEdge, numbers in
    // textRow.
    void drawScale(QPainter &painter, const QList<ScaleMark> &marks, qreal base, qreal barEdge,
                   const QRectF &textRow, bool overloadColoured) const;

    std::array<Indicator, kIndicatorCount> indicators_{};
    std::array<Style, kIndicatorCount> styles_;
    std::array<Drawn, kIndicatorCount> drawn_{};
    QColor backgroundColor_{0, 200, 240};
    QColor unlitColor_{0, 178, 214};
    QRectF bar_;        // the segmented bar area
    QRectF signalText_; // row of S numbers
    QRectF powerText_;  // row of PO numbers
    QRectF captions_;   // column of the "S" and "PO" captions
    QPainterPath segmentShape_;
    BackgroundCache background_;
};

} // namespace dorv
