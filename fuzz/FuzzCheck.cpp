#include "FuzzCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>

namespace dorv::fuzz {

namespace fs = std::filesystem;

namespace {

// Made on first use and removed, with what it holds, when the process ends normally.
class ScratchDir {
public:
    ScratchDir()
    {
        const char *base = std::getenv("DORV_FUZZ_SCRATCH");
        const fs::path parent =
            base != nullptr && *base != '\0' ? fs::path(base) : fs::temp_directory_path();
        std::string pattern = (parent / "dorv-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a scratch directory in " + parent.string());
        }
        path_ = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;

    const fs::path &emptied() const
    {
        for (const auto &entry : fs::directory_iterator(path_)) {
            fs::remove_all(entry.path());
        }
        return path_;
    }

private:
    fs::path path_;
};

} // namespace

void Require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "==FUZZ CHECK FAILED== %s\n", what);
        std::abort();
    }
}

const fs::path &FreshScratchDir()
{
    static const ScratchDir dir;
    return dir.emptied();
}

void WriteWholeFile(const fs::path &path, const std::uint8_t *data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    Require(static_cast<bool>(out), "the scratch file is written");
}

std::vector<std::uint8_t> ReadWholeFile(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::uint8_t> InputReader::bytes(std::size_t count)
{
    const std::size_t take = std::min(count, size_ - std::min(pos_, size_));
    std::vector<std::uint8_t> out(data_ + pos_, data_ + pos_ + take);
    pos_ += take;
    return out;
}

std::string InputReader::rest()
{
    const std::vector<std::uint8_t> left = bytes(size_);
    return {left.begin(), left.end()};
}

} // namespace dorv::fuzz
