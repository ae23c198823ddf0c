#pragma once

#include "widgets/RadioFacePainter.h"

#include <QList>
#include <QPair>
#include <QRectF>
#include <QWidget>

namespace dorv {

class FaceWidget;

// The panel widgets placed on a face the way the main window places them: every control
// at a fixed fraction of the face (or of its display window), so the whole panel scales.
class Gallery : public QWidget {
    Q_OBJECT

public:
    Gallery(FaceStyle style, ColourSet set, QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Children placed in fractions of the display window or of the whole face.
    void onDisplay(QWidget *widget, QRectF fraction);
    void onFace(QWidget *widget, QRectF fraction);
    void buildDisplay(ColourSet set);
    void buildControls();

    FaceWidget *face_;
    QList<QPair<QWidget *, QRectF>> displayItems_;
    QList<QPair<QWidget *, QRectF>> faceItems_;
};

} // namespace dorv
