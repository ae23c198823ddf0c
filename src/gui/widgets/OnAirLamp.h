#pragma once

#include "PanelLabel.h"

namespace dorv {

// The transmit legend as a radio shows it: while shown, a lit red lamp with the legend in
// white, glowing over the display around it; while not shown, nothing, like any legend.
// Shaded draws the lamp with depth and a glow; flat keeps to plain fills of a 16-colour
// palette.
class OnAirLamp : public PanelLabel {
    Q_OBJECT

public:
    explicit OnAirLamp(const QString &text = QString(), QWidget *parent = nullptr);

    bool isShaded() const { return shaded_; }
    void setShaded(bool shaded);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintShaded(QPainter &painter, const QRectF &lamp) const;
    void paintFlat(QPainter &painter, const QRectF &lamp) const;
    void paintLegend(QPainter &painter, const QRectF &lamp) const;

    bool shaded_ = true;
};

} // namespace dorv
