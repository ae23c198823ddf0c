#pragma once

#include <string>

namespace dorv {

// Where the data files live: the program's directory when files can be created in it,
// otherwise the given per-user directory, created if needed.
std::string ChooseDataDirectory(const std::string &programDir, const std::string &userDir);

// Whether a file can be created and removed in the directory.
bool DirectoryIsWritable(const std::string &dir);

} // namespace dorv
