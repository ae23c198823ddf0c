#pragma once

#include <QAbstractButton>
#include <QColor>

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

    QColor keyColor() const { return m_keyColor; }
    void setKeyColor(const QColor &color);
    QColor legendColor() const { return m_legendColor; }
    void setLegendColor(const QColor &color);
    QColor upperLegendColor() const { return m_upperLegendColor; }
    void setUpperLegendColor(const QColor &color);

    // The key's outline in widget coordinates (below the upper legend, if any).
    QRectF keyRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QString m_upperLegend;
    QColor m_keyColor{46, 47, 52};
    QColor m_legendColor{236, 236, 230};
    QColor m_upperLegendColor{240, 170, 60};
};

} // namespace dorv
