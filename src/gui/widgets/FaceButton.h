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

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QString m_upperLegend;
};

} // namespace dorv
