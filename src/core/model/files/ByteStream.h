#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace dorv {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// Appends little-endian fields with no gaps. Flags are written -1 (true) or 0 (false).
class ByteWriter {
public:
    explicit ByteWriter(Bytes &out) : out_(out) {}

    void i16(std::int16_t value);
    void i32(std::int32_t value);
    void flag(bool value);
    // Exactly `length` single-byte characters: cut, or padded with blanks.
    void text(const std::string &value, std::size_t length);

private:
    Bytes &out_;
};

// Reads little-endian fields; every byte past the end of the data reads as zero, so a
// short buffer decodes as if it had been padded with zeros.
class ByteReader {
public:
    explicit ByteReader(ByteView data) : data_(data) {}

    std::int16_t i16();
    std::int32_t i32();
    bool flag(); // any non-zero value is true
    std::string text(std::size_t length);

private:
    std::uint8_t next();

    ByteView data_;
    std::size_t pos_ = 0;
};

} // namespace dorv
