#pragma once

#include <optional>
#include <ostream>

namespace dorv::gui {

// Answers --help and --version on `out` before any window or display is needed. Returns
// the exit status when one of them was given; other arguments are left to Qt.
std::optional<int> AnswerInfoOptions(int argc, const char *const argv[], std::ostream &out);

} // namespace dorv::gui
