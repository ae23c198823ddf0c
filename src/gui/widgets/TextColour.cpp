#include "TextColour.h"

#include <QLabel>
#include <QPalette>

namespace dorv {

// Called on every panel change: setting a palette costs as much as resolving it against the
// window's, so an unchanged colour is left alone.
void setTextColour(QLabel &label, const QColor &colour)
{
    if (!colour.isValid()) {
        if (label.testAttribute(Qt::WA_SetPalette))
            label.setPalette(QPalette());
        return;
    }
    if (label.palette().color(QPalette::WindowText) == colour)
        return;
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

} // namespace dorv
