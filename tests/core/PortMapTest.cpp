#include "cat/PortMap.h"

#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace dorv {
namespace {

namespace fs = std::filesystem;

class PortMapTest : public ::testing::Test {
protected:
    void writeConf(const std::string &text) { std::ofstream(dir / PortMap::kFileName) << text; }
    std::string readConf()
    {
        std::ostringstream text;
        text << std::ifstream(dir / PortMap::kFileName).rdbuf();
        return text.str();
    }

    test::TempDir temp{"portmap"};
    const fs::path dir = temp.path();
};

TEST_F(PortMapTest, load_writesDefaultsWhenFileIsMissing)
{
    const PortMap map = PortMap::Load(dir.string());

    const char *expected[] = {"",
                              "/dev/ttyUSB0",
                              "/dev/ttyUSB1",
                              "/dev/ttyUSB2",
                              "/dev/ttyACM0",
                              "/dev/ttyACM1",
                              "/dev/ttyS0",
                              "/dev/ttyS1",
                              "/dev/ttyS2",
                              "simulator"};
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(map.device(n), expected[n]) << "port " << n;
    }
    ASSERT_TRUE(fs::exists(dir / PortMap::kFileName));
    const std::string written = readConf();
    EXPECT_NE(written.find("\n1=/dev/ttyUSB0\n"), std::string::npos);
    EXPECT_NE(written.find("\n9=simulator\n"), std::string::npos);

    // The written file reads back to the same map.
    const PortMap again = PortMap::Load(dir.string());
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(again.device(n), expected[n]) << "port " << n;
    }
}

TEST_F(PortMapTest, load_takesListedDevicesAndKeepsDefaultsForTheRest)
{
    writeConf("# my ports\n"
              "\n"
              "  2 = /dev/pts/7   # the simulator's link\n"
              "9=/tmp/radio\r\n"
              "garbage line\n"
              "0=/dev/zero\n"
              "10=/dev/ten\n"
              "x=/dev/x\n"
              "3=\n"
              "4x=/dev/bad\n"
              "=/dev/nothing\n");

    const PortMap map = PortMap::Load(dir.string());

    EXPECT_EQ(map.device(2), "/dev/pts/7");
    EXPECT_EQ(map.device(9), "/tmp/radio");
    EXPECT_EQ(map.device(1), "/dev/ttyUSB0");
    EXPECT_EQ(map.device(3), "/dev/ttyUSB2");
    EXPECT_EQ(map.device(4), "/dev/ttyACM0");
    EXPECT_EQ(map.device(0), "");
    EXPECT_EQ(map.device(10), "");
    // An existing file is never rewritten.
    EXPECT_EQ(readConf().rfind("# my ports\n", 0), 0u);
}

TEST_F(PortMapTest, load_laterLineForTheSamePortWins)
{
    writeConf("5=/dev/first\n5=/dev/second\n");

    EXPECT_EQ(PortMap::Load(dir.string()).device(5), "/dev/second");
}

TEST_F(PortMapTest, load_givesDefaultsWhenDirectoryIsNotWritable)
{
    const PortMap map = PortMap::Load((dir / "missing" / "deeper").string());

    EXPECT_EQ(map.device(6), "/dev/ttyS0");
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

} // namespace
} // namespace dorv
