#include "model/files/ByteStream.h"

namespace dorv {

void ByteWriter::i16(std::int16_t value)
{
    const auto u = static_cast<std::uint16_t>(value);
    out_.push_back(static_cast<std::uint8_t>(u & 0xFF));
    out_.push_back(static_cast<std::uint8_t>(u >> 8));
}

void ByteWriter::i32(std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        out_.push_back(static_cast<std::uint8_t>((u >> shift) & 0xFF));
    }
}

void ByteWriter::flag(bool value)
{
    i16(value ? -1 : 0);
}

void ByteWriter::text(const std::string &value, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        out_.push_back(i < value.size() ? static_cast<std::uint8_t>(value[i]) : ' ');
    }
}

std::uint8_t ByteReader::next()
{
    const std::uint8_t byte = pos_ < data_.size() ? data_[pos_] : 0;
    ++pos_;
    return byte;
}

std::int16_t ByteReader::i16()
{
    const unsigned lo = next();
    const unsigned hi = next();
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

std::int32_t ByteReader::i32()
{
    std::uint32_t u = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        u |= static_cast<std::uint32_t>(next()) << shift;
    }
    return static_cast<std::int32_t>(u);
}

bool ByteReader::flag()
{
    return i16() != 0;
}

std::string ByteReader::text(std::size_t length)
{
    std::string value(length, '\0');
    for (auto &c : value) {
        c = static_cast<char>(next());
    }
    return value;
}

} // namespace dorv
