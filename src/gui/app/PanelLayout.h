#pragma once

#include "app/DisplayLayout.h"
#include "widgets/RadioFacePainter.h"

#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace dorv::gui {

// Where every control sits, as fractions of the area that holds it, so the panel scales
// with the window: face controls in fractions of the face, display items in fractions of
// the display window.
namespace PanelLayout {

// Height of the radio face as a fraction of its width, as the core designs the window.
constexpr qreal kFaceAspect = qreal(DisplayLayout::kDesignHeight) / DisplayLayout::kDesignWidth;

// The face's drawn parts: display window and knob wells.
FaceLayout face();

// A rectangle given in fractions of an area, in the area's pixels.
QRect place(const QRectF &fraction, const QRect &area);

// A control on the face; a null rectangle when the name is not a face control.
QRectF onFace(const QString &name);
// A control on the display; a null rectangle when the name is not a display control.
QRectF onDisplay(const QString &name);

// Face controls in the order Tab visits them: down the left column, row by row through the
// keys under the display, down the right column, then along the band keys.
QStringList focusOrder(QStringList names);

// The digit printed on a numbered function key ("1" for RPTbutton); empty for other keys.
QString digitOf(const QString &name);

} // namespace PanelLayout

} // namespace dorv::gui
