#pragma once

#include <filesystem>
#include <string>

namespace dorv::test {

// A fresh directory under the system's temporary directory, named prefix-XXXXXX and
// removed with everything in it when the object goes.
class TempDir {
public:
    explicit TempDir(const std::string &prefix);
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace dorv::test
