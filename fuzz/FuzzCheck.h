#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace dorv::fuzz {

// Ends the run when something that must hold does not. libFuzzer takes the abort for a
// crash: it reports it with the input that did it and keeps that input.
void Require(bool holds, const char *what);

// An empty directory of this process's own for the data files of one input: everything
// an earlier input left in it is removed first. It lies under $DORV_FUZZ_SCRATCH when
// that is set (scripts/fuzz.sh points it at a memory file system, so the flushes of
// every save cost nothing, and removes it afterwards), else in the temporary directory.
const std::filesystem::path &FreshScratchDir();

void WriteWholeFile(const std::filesystem::path &path, const std::uint8_t *data, std::size_t size);
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path &path);

// Reads the fuzzer's bytes front to back; past the end every read gives zero.
class InputReader {
public:
    InputReader(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // Up to `count` bytes, fewer at the end.
    std::vector<std::uint8_t> bytes(std::size_t count);
    // Everything left.
    std::string rest();

private:
    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace dorv::fuzz
