#pragma once

#include <QStringList>

namespace dorv::gui {

// Turns a filter of the form "Memory Files (*.mem)|*.mem|All Files (*.*)|*.*"
// (description and pattern in turn) into the name filters of a QFileDialog.
QStringList qtNameFilters(const QString &filter);

} // namespace dorv::gui
