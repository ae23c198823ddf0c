#include "model/files/DataDirectory.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace dorv {

namespace fs = std::filesystem;

bool DirectoryIsWritable(const std::string &dir)
{
    std::error_code ec;
    if (dir.empty() || !fs::is_directory(dir, ec)) {
        return false;
    }
    const fs::path probe = fs::path(dir) / ".dorv-write-test";
    bool created = false;
    {
        std::ofstream out(probe, std::ios::binary | std::ios::app);
        created = out.good();
    }
    fs::remove(probe, ec);
    return created;
}

bool IsInstalledProgramDirectory(const std::string &programDir)
{
    std::error_code ec;
    return !programDir.empty() &&
           fs::is_directory(fs::path(programDir).parent_path() / "share" / "dorv-ft897", ec);
}

std::string ChooseDataDirectory(const std::string &programDir, const std::string &userDir)
{
    if (!IsInstalledProgramDirectory(programDir) && DirectoryIsWritable(programDir)) {
        return programDir;
    }
    std::error_code ec;
    fs::create_directories(userDir, ec);
    return userDir;
}

} // namespace dorv
