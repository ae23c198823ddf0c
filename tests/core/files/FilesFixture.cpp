#include "FilesFixture.h"

#include <fstream>
#include <iterator>

namespace dorv::test {

namespace fs = std::filesystem;

void PutI16(Bytes &bytes, std::size_t offset, std::int16_t value)
{
    bytes.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
    bytes.at(offset + 1) = static_cast<std::uint8_t>((static_cast<std::uint16_t>(value) >> 8));
}

void PutI32(Bytes &bytes, std::size_t offset, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (int k = 0; k < 4; ++k) {
        bytes.at(offset + k) = static_cast<std::uint8_t>(u >> (8 * k));
    }
}

void PutText(Bytes &bytes, std::size_t offset, const std::string &text)
{
    for (std::size_t k = 0; k < text.size(); ++k) {
        bytes.at(offset + k) = static_cast<std::uint8_t>(text[k]);
    }
}

std::int16_t I16(const Bytes &bytes, std::size_t offset)
{
    return static_cast<std::int16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

std::int32_t I32(const Bytes &bytes, std::size_t offset)
{
    std::uint32_t u = 0;
    for (int k = 0; k < 4; ++k) {
        u |= static_cast<std::uint32_t>(bytes.at(offset + k)) << (8 * k);
    }
    return static_cast<std::int32_t>(u);
}

std::string Text(const Bytes &bytes, std::size_t offset, std::size_t length)
{
    return std::string(bytes.begin() + offset, bytes.begin() + offset + length);
}

Bytes ReadFileBytes(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const fs::path &path, const Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

Bytes FilesTest::validSettings(const std::string &memoryFile) const
{
    Bytes bytes(1248, 0);
    PutI16(bytes, 14, 10); // CommPort "None"
    PutI16(bytes, 16, 1);  // 9600 bps
    for (int b = 0; b < 12; ++b) {
        for (int m = 0; m < 8; ++m) {
            PutI32(bytes, 28 + 4 * (b + 12 * m), 10);
            PutI32(bytes, 508 + 4 * (b + 12 * m), 1000);
        }
    }
    PutText(bytes, 992, std::string(256, ' '));
    PutText(bytes, 992, memoryFile);
    return bytes;
}

} // namespace dorv::test
