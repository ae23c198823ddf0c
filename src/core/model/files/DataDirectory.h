#pragma once

#include <string>

namespace dorv {

// Where the data files live. An installed program (see IsInstalledProgramDirectory) keeps
// them in the given per-user directory. Otherwise they live in the program's directory when
// files can be created in it, so a copy of the program in any directory keeps its own files,
// and in the per-user directory when not. The per-user directory is created when chosen.
std::string ChooseDataDirectory(const std::string &programDir, const std::string &userDir);

// Whether the program in this directory was installed: its shared files lie in
// share/dorv-ft897 beside the directory, as the package and `cmake --install` lay them out.
// The system's directories are no place for one user's files, even when root may write there.
bool IsInstalledProgramDirectory(const std::string &programDir);

// Whether a file can be created and removed in the directory.
bool DirectoryIsWritable(const std::string &dir);

} // namespace dorv
