#pragma once

#include <QString>

namespace dorv::gui {

// The tool tip of a panel control, by its object name: what it is and the key that works
// it, e.g. "VFO/M — Ctrl+V". Empty for a name the panel does not have.
QString KeyTip(const QString &controlName);

} // namespace dorv::gui
