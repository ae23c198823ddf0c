#include "cat/PortMapEdit.h"

#include "cat/PortMap.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace dorv {
namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path &path)
{
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

TEST(PortMapEdit, storePortDevice_replacesOnlyThatPortsLineAndKeepsComments)
{
    test::TempDir temp{"portmap-edit"};
    const fs::path conf = temp.path() / PortMap::kFileName;
    std::ofstream(conf) << "# my radios\n1=/dev/ttyUSB0\n 2 = /dev/old # shack\n"
                           "3=/dev/ttyUSB2\n2=/dev/older\n";
    std::string error;

    ASSERT_TRUE(StorePortDevice(temp.path().string(), 2, "/dev/serial/by-id/usb-FT897", error))
        << error;

    EXPECT_EQ(ReadText(conf), "# my radios\n1=/dev/ttyUSB0\n2=/dev/serial/by-id/usb-FT897\n"
                              "3=/dev/ttyUSB2\n");
    EXPECT_EQ(PortMap::Load(temp.path().string()).device(2), "/dev/serial/by-id/usb-FT897");
}

TEST(PortMapEdit, storePortDevice_withoutAMapWritesTheDefaultsWithTheChoice)
{
    test::TempDir temp{"portmap-edit"};
    std::string error;
    ASSERT_TRUE(StorePortDevice(temp.path().string(), 4, "/dev/ttyACM7", error)) << error;
    const PortMap map = PortMap::Load(temp.path().string());
    EXPECT_EQ(map.device(4), "/dev/ttyACM7");
    EXPECT_EQ(map.device(1), "/dev/ttyUSB0");
    EXPECT_EQ(map.device(9), "simulator");

    EXPECT_FALSE(StorePortDevice(temp.path().string(), 10, "/dev/ttyS9", error));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace dorv
