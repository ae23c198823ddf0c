#pragma once

#include <QAbstractButton>

namespace dorv {

// A rubber key of the radio's face: a rounded dark key with a light legend, optionally a
// small second legend printed on the panel above it ("RPT" over "1"). Click, focus, Space
// and checkable behaviour come from QAbstractButton. Line breaks in the legend are kept.
class FaceButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QString upperLegend READ upperLegend WRITE setUpperLegend)

public:
    explicit FaceButton(const QString &legend = QString(), QWidget *parent = nullptr);

    QString upperLegend() const { return upperLegend_; }
    // The small legend above the key; empty gives the whole height to the key.
    void setUpperLegend(const QString &legend);

    // The key's outline in widget coordinates (below the upper legend, if any).
    QRectF keyRect() const;

    // The pixel sizes the legends take on this key alone: as large as the key allows,
    // shrunk until the widest line fits.
    qreal fittedLegendSize() const;
    qreal fittedUpperLegendSize() const;
    // Gives the legends a size shared with keys of the same kind; 0 returns to the fitted
    // size.
    void setLegendSizes(qreal legend, qreal upperLegend);
    // The pixel sizes the legends are printed at.
    qreal legendSize() const { return legendSize_ > 0 ? legendSize_ : fittedLegendSize(); }
    qreal upperLegendSize() const
    {
        return upperLegendSize_ > 0 ? upperLegendSize_ : fittedUpperLegendSize();
    }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QString upperLegend_;
    qreal legendSize_ = 0;
    qreal upperLegendSize_ = 0;
};

} // namespace dorv
