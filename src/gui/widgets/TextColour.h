#pragma once

#include <QColor>

class QLabel;

namespace dorv {

// Shows a label's text in a colour, or again in the window's own text colour when the
// colour is invalid. Done through the palette: a style sheet would load Qt's style sheet
// engine for the whole window, which holds about half a megabyte.
void setTextColour(QLabel &label, const QColor &colour);

// The colour of warnings in the status bar and the dialogs.
inline const QColor kWarningColour(0xb0, 0x00, 0x00);

} // namespace dorv
