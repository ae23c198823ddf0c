#pragma once

#include "RadioFacePainter.h"
#include "TileCache.h"

#include <QColor>
#include <QWidget>

namespace dorv {

// The face behind the panel's controls. The window places its controls on it as children;
// displayRect() tells where the display window is at the current size.
class FaceWidget : public QWidget {
    Q_OBJECT

public:
    explicit FaceWidget(QWidget *parent = nullptr);

    void setFaceStyle(FaceStyle style);
    void setColourSet(ColourSet set);
    void setFaceLayout(const FaceLayout &layout);
    // The display's background, e.g. lit while the radio is connected.
    void setDisplayColor(const QColor &color);

    // The display window in widget coordinates.
    QRect displayRect() const;

    QSize sizeHint() const override { return QSize(800, 320); }
    QSize minimumSizeHint() const override { return QSize(160, 64); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void restyle();

    FaceStyle style_ = FaceStyle::Radio;
    ColourSet set_ = ColourSet::Full;
    FaceLayout layout_;
    QColor displayColor_ = FaceColors::displayDark(ColourSet::Full);
    // Enough tiles for the display window and the knobs at the largest size.
    TileCache tiles_{192};
};

} // namespace dorv
