#include "TextColour.h"

#include <QLabel>
#include <QPalette>

namespace dorv {

void setTextColour(QLabel &label, const QColor &colour)
{
    if (!colour.isValid()) {
        label.setPalette(QPalette());
        return;
    }
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

} // namespace dorv
