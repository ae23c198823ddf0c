#pragma once

#include "model/PanelState.h"

#include <QColor>

namespace dorv::gui {

// A colour of the panel state as a QColor.
inline QColor toQColor(const Rgb &rgb)
{
    return QColor(rgb.Red, rgb.Green, rgb.Blue);
}

} // namespace dorv::gui
