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

    QString upperLegend() const { return m_upperLegend; }
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
    qreal legendSize() const { return m_legendSize > 0 ? m_legendSize : fittedLegendSize(); }
    qreal upperLegendSize() const
    {
        return m_upperLegendSize > 0 ? m_upperLegendSize : fittedUpperLegendSize();
    }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QString m_upperLegend;
    qreal m_legendSize = 0;
    qreal m_upperLegendSize = 0;
};

} // namespace dorv
