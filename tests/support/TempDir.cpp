#include "support/TempDir.h"

#include <stdexcept>
#include <stdlib.h>
#include <system_error>

namespace dorv::test {

namespace fs = std::filesystem;

TempDir::TempDir(const std::string &prefix)
{
    std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

} // namespace dorv::test
