#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace dorv::gui {

// Answers --help and --version on `out` before any window or display is needed. Returns
// the exit status when one of them was given; other arguments are left to Qt.
std::optional<int> AnswerInfoOptions(int argc, const char *const argv[], std::ostream &out);

// What is wrong with the arguments left once Qt has taken its own (without the program
// name): an option the panel does not take, or a stray argument. Empty when none is.
std::string CommandLineFault(const std::vector<std::string> &args);

} // namespace dorv::gui
