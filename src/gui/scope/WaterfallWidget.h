#pragma once

#include "model/ScopeWindowState.h"

#include <QImage>
#include <QWidget>

namespace dorv::gui {

// The finished sweeps under the chart, one band of a few pixels each, newest on top,
// coloured by S value over the chart's frequency range. Each pixel column shows the strongest
// reading that falls into it. The picture is kept as an image and redrawn when a sweep finishes,
// the range changes or the widget is resized.
class WaterfallWidget : public QWidget {
    Q_OBJECT
public:
    explicit WaterfallWidget(QWidget *parent = nullptr);

    void setSweeps(const std::vector<ScopeSweep> &sweeps, int completed,
                   const ScopeChartState &chart);

    QSize sizeHint() const override { return {632, 130}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void redraw();

    std::vector<ScopeSweep> sweeps_;
    int completed_ = -1;
    ScopeChartState range_; // only Origin and Span are used
    QImage image_;          // one pixel row per sweep, plot width wide
};

} // namespace dorv::gui
