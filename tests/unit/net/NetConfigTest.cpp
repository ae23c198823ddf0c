#include "net/NetConfig.h"

#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace dorv::test {
namespace {

NetConfig Place(bool enabled, const std::string &address, int port)
{
    NetConfig config;
    config.Enabled = enabled;
    config.Address = address;
    config.Port = port;
    return config;
}

TEST(NetConfigTest, file_keepsItsValuesAndFallsBackToTheDefaultsOnNonsense)
{
    TempDir temp{"dorv-net"};
    const std::string dir = temp.path().string();
    EXPECT_EQ(LoadNetConfig(dir), NetConfig{}) << "a missing file is the defaults";
    EXPECT_FALSE(NetConfig{}.Enabled);

    const NetConfig shared = Place(true, "192.168.1.20", 4600);
    ASSERT_TRUE(SaveNetConfig(dir, shared));
    EXPECT_EQ(LoadNetConfig(dir), shared);

    std::ofstream(temp.path() / NetConfig::kFileName)
        << "enabled=yes\naddress=\nport=70000\njunk\n# port=1\n";
    EXPECT_EQ(LoadNetConfig(dir), NetConfig{});
    EXPECT_FALSE(SaveNetConfig((temp.path() / "missing" / "dir").string(), shared));
}

TEST(NetConfigTest, file_keepsTheClientListsAndTheIdleTime)
{
    TempDir temp{"dorv-net"};
    const std::string dir = temp.path().string();
    // A file written before the lists existed loads as it did, with no list.
    std::ofstream(temp.path() / NetConfig::kFileName)
        << "enabled=1\naddress=127.0.0.1\nport=4600\n";
    const NetConfig old = LoadNetConfig(dir);
    EXPECT_EQ(old, Place(true, "127.0.0.1", 4600));
    EXPECT_TRUE(old.Allow.empty() && old.ReadOnly.empty());
    EXPECT_EQ(old.IdleSeconds, 300);

    NetConfig shared = Place(true, "0.0.0.0", 4532);
    shared.Allow = {"192.168.1.0/24", "2001:db8::/32"};
    shared.ReadOnly = {"10.0.0.9"};
    shared.IdleSeconds = 0;
    ASSERT_TRUE(SaveNetConfig(dir, shared));
    EXPECT_EQ(LoadNetConfig(dir), shared);
    // Entries are kept as written, good or bad, and checked when the server starts.
    std::ofstream(temp.path() / NetConfig::kFileName, std::ios::app)
        << "allow=10.0.0.0/8, nonsense  ::1\nreadonly=\nidle_seconds=86401\n";
    const NetConfig edited = LoadNetConfig(dir);
    EXPECT_EQ(edited.Allow, (std::vector<std::string>{"10.0.0.0/8", "nonsense", "::1"}));
    EXPECT_TRUE(edited.ReadOnly.empty());
    EXPECT_EQ(edited.IdleSeconds, 0) << "an idle time out of range leaves the one before";
}

TEST(NetConfigTest, listenPlace_takesPortOrAddressAndPort)
{
    struct Row {
        const char *text;
        bool valid;
        const char *address = "";
        int port = 0;
    };
    for (const Row &row :
         {Row{"4532", true, "127.0.0.1", 4532}, Row{"0.0.0.0:4533", true, "0.0.0.0", 4533},
          Row{"[::1]:65535", true, "::1", 65535}, Row{"localhost:1", true, "localhost", 1},
          Row{"0", false}, Row{"65536", false}, Row{"host:", false}, Row{":4532", false},
          Row{"45x2", false}, Row{"", false}, Row{"99999999999999", false}}) {
        const std::optional<NetConfig> place = ParseListenPlace(row.text);
        ASSERT_EQ(place.has_value(), row.valid) << row.text;
        if (place) {
            EXPECT_EQ(place->Address, row.address) << row.text;
            EXPECT_EQ(place->Port, row.port) << row.text;
            EXPECT_TRUE(place->Enabled);
        }
    }
    EXPECT_TRUE(IsLoopbackAddress("127.0.0.1"));
    EXPECT_TRUE(IsLoopbackAddress("::1"));
    EXPECT_FALSE(IsLoopbackAddress("0.0.0.0"));
    EXPECT_FALSE(IsLoopbackAddress("192.168.1.20"));
}

} // namespace
} // namespace dorv::test
