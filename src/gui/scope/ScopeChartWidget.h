#pragma once

#include "model/ScopeWindowState.h"
#include "widgets/BackgroundCache.h"

#include <QWidget>

namespace dorv::gui {

// The band scope's strip chart: a kHz axis below, an S axis on the left, the trace of the
// sweep's readings (filled down to the axis when asked), and a marker line at the current
// frequency. The grid lines follow the Scale Handles choice (none, horizontal, vertical,
// both). The frame, the axes and the grid are cached in a pixmap, redrawn only when the
// range, the grid or the size changes.
//
// Contract: a left click inside the plotting area reports the frequency under the mouse,
// in kHz, once per press; the chart itself changes nothing.
class ScopeChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ScopeChartWidget(QWidget *parent = nullptr);

    // Shows this state; repaints only what changed.
    void setChart(const ScopeChartState &chart);

    QSize sizeHint() const override { return {632, 250}; }
    QSize minimumSizeHint() const override { return {240, 120}; }

    // The highest S value the axis shows; larger readings are drawn at the top.
    static constexpr int kMaxS = 15;

signals:
    void pointSelected(double kHz);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void drawStatic(QPainter &painter) const;
    void drawTrace(QPainter &painter) const;
    double yOfS(int s) const;

    ScopeChartState chart_;
    BackgroundCache cache_;
};

// The colour of an S value in the waterfall and the trace fill: dark blue when quiet,
// through cyan and yellow to red at the top of the scale.
QColor SColour(int s);

} // namespace dorv::gui
