#pragma once

#include "Radio.h"
#include "support/FakeHost.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace dorv::test {

// A serial port that never opens: these tests run with the port menu on "None".
class ClosedPort : public SerialPort {
public:
    bool open(const SerialSettings &) override { return false; }
    void close() override {}
    bool isOpen() const override { return false; }
    std::string errorString() const override { return "no such port"; }
    void write(const Bytes &) override {}
    int bytesAvailable() override { return 0; }
    Bytes read(int) override { return {}; }
    void discardInput() override {}
};

// Little-endian helpers for building and checking files independently of the code.
void PutI16(Bytes &bytes, std::size_t offset, std::int16_t value);
void PutI32(Bytes &bytes, std::size_t offset, std::int32_t value);
void PutText(Bytes &bytes, std::size_t offset, const std::string &text);
std::int16_t I16(const Bytes &bytes, std::size_t offset);
std::int32_t I32(const Bytes &bytes, std::size_t offset);
std::string Text(const Bytes &bytes, std::size_t offset, std::size_t length);

Bytes ReadFileBytes(const std::filesystem::path &path);
void WriteFileBytes(const std::filesystem::path &path, const Bytes &bytes);

// A fresh data directory and a radio working in it.
class FilesTest : public ::testing::Test {
protected:
    std::filesystem::path file(const std::string &name) const { return dir / name; }
    // A settings file that is valid: port "None", rate 9600, the given memory file.
    Bytes validSettings(const std::string &memoryFile = "") const;

    TempDir temp{"dorv-files"};
    const std::filesystem::path dir = temp.path();
    FakeHost host;
    ClosedPort port;
    Radio radio{host, port, dir.string()};
    RadioState &s = radio.state;
};

} // namespace dorv::test
