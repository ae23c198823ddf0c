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
    EXPECT_EQ(map.device(3), ""); // named empty: unusable
    EXPECT_EQ(map.device(4), "/dev/ttyACM0");
    EXPECT_EQ(map.device(0), "");
    EXPECT_EQ(map.device(10), "");
    // An existing file is never rewritten.
    EXPECT_EQ(readConf().rfind("# my ports\n", 0), 0u);
}

// Names the serial library would choke on make their port unusable, with the reason; the
// lines around them still count.
TEST_F(PortMapTest, load_badDeviceNames_makeOnlyTheirPortUnusable)
{
    writeConf(std::string("1=/dev/n\0ull\n", 13) + "2=/dev/pts/4\n" + "3=/dev/tty\x1bUSB\n" +
              "4=   \n" + "5=/" + std::string(4095, 'a') + "\n" + "6=/" + std::string(4094, 'b') +
              "\n" + "7=/dev/del\x7f\n" + "8=/dev/caf\xc3\xa9\n");

    const PortMap map = PortMap::Load(dir.string());

    const std::string control = "the device name in ports.conf holds a control character";
    const struct {
        int port;
        std::string problem;
    } unusable[] = {{1, control},
                    {3, control},
                    {4, "the device name in ports.conf is empty"},
                    {5, "the device name in ports.conf is longer than a path may be"},
                    {7, control}};
    for (const auto &row : unusable) {
        EXPECT_EQ(map.device(row.port), "") << "port " << row.port;
        EXPECT_EQ(map.problem(row.port), row.problem) << "port " << row.port;
        EXPECT_EQ(map.describe(row.port), "Unusable: " + row.problem);
    }
    EXPECT_EQ(map.device(2), "/dev/pts/4");
    EXPECT_EQ(map.device(6), "/" + std::string(4094, 'b'));
    EXPECT_EQ(map.device(8), "/dev/caf\xc3\xa9");
    EXPECT_EQ(map.device(9), "simulator");
    EXPECT_EQ(map.describe(2), "/dev/pts/4");
    EXPECT_EQ(map.problem(2), "");
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
