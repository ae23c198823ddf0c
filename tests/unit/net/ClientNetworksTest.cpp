#include "net/ClientNetworks.h"

#include "net/ClientAccess.h"
#include "net/NetConfig.h"

#include <gtest/gtest.h>

namespace dorv::test {
namespace {

std::string Normalised(const std::string &text)
{
    std::string error;
    const std::optional<ClientNetwork> network = ParseClientNetwork(text, error);
    return network ? FormatClientNetwork(*network) : "error: " + error;
}

TEST(ClientNetworksTest, networks_areReadInEveryWrittenFormAndWrittenBackPlainly)
{
    struct Row {
        const char *written;
        const char *read;
    };
    for (const Row &row : {
             Row{"192.168.1.0/24", "192.168.1.0/24"},
             Row{"10.0.0.7", "10.0.0.7"},
             Row{"10.0.0.7/32", "10.0.0.7"},
             Row{"0.0.0.0/0", "0.0.0.0/0"},
             Row{"2001:DB8::/32", "2001:db8::/32"},
             Row{"2001:0db8:0000:0000:0000:0000:0000:0001", "2001:db8::1"},
             Row{"::1", "::1"},
             Row{"::/0", "::/0"},
             Row{"fe80::/10", "fe80::/10"},
             Row{"1:0:0:2:0:0:0:3", "1:0:0:2::3"},
             Row{"1:2:3:4:5:6:7:8", "1:2:3:4:5:6:7:8"},
             Row{"1::", "1::"},
             Row{"64:ff9b::192.0.2.33", "64:ff9b::c000:221"},
             // IPv4-mapped IPv6 is the IPv4 address, its prefix counted after the first 96.
             Row{"::ffff:127.0.0.2", "127.0.0.2"},
             Row{"::ffff:192.168.0.0/112", "192.168.0.0/16"},
         }) {
        EXPECT_EQ(Normalised(row.written), row.read) << row.written;
    }
}

TEST(ClientNetworksTest, nonsense_isRefusedWithAReasonThatNamesIt)
{
    for (const char *wrong : {"",
                              "radio.local",
                              "localhost",
                              "192.168.1",
                              "192.168.1.256",
                              "192.168.01.1",
                              "1.2.3.4.5",
                              "-1.2.3.4",
                              "1.2.3.4/",
                              "1.2.3.4/x",
                              "1.2.3.4/33",
                              "1.2.3.4/-1",
                              "/24",
                              "::1/129",
                              "1:2:3:4:5:6:7:8:9",
                              "1::2::3",
                              "12345::",
                              ":1",
                              "1:",
                              "fe80::1%eth0",
                              "::g",
                              "1:2:3:4:5:6:7::8:9",
                              "1.2.3.4::",
                              " 1.2.3.4"}) {
        std::string error;
        EXPECT_FALSE(ParseClientNetwork(wrong, error).has_value()) << wrong;
        EXPECT_NE(error.find(std::string("\"") + wrong + "\""), std::string::npos)
            << wrong << ": " << error;
    }
    // A host address with a prefix names no network: the reason gives the network meant.
    std::string error;
    EXPECT_FALSE(ParseClientNetwork("192.168.1.5/24", error));
    EXPECT_NE(error.find("192.168.1.0/24"), std::string::npos) << error;
    EXPECT_FALSE(ParseClientNetwork("2001:db8::1/32", error));
    EXPECT_NE(error.find("2001:db8::/32"), std::string::npos) << error;
}

TEST(ClientNetworksTest, contains_holdsExactlyTheAddressesUnderThePrefix)
{
    struct Row {
        const char *network;
        const char *address;
        bool inside;
    };
    for (const Row &row : {
             Row{"192.168.1.0/24", "192.168.1.0", true},
             Row{"192.168.1.0/24", "192.168.1.255", true},
             Row{"192.168.1.0/24", "192.168.2.0", false},
             Row{"192.168.1.0/24", "192.168.0.255", false},
             Row{"10.0.0.0/9", "10.127.255.255", true},
             Row{"10.0.0.0/9", "10.128.0.0", false},
             Row{"127.0.0.1", "127.0.0.1", true},
             Row{"127.0.0.1", "127.0.0.2", false},
             Row{"0.0.0.0/0", "203.0.113.9", true},
             Row{"127.0.0.0/8", "::ffff:127.0.0.2", true},
             Row{"127.0.0.0/8", "::1", false},
             Row{"2001:db8::/32", "2001:db8:ffff::1", true},
             Row{"2001:db8::/32", "2001:db9::1", false},
             Row{"::/0", "::1", true},
             // The families never mix: all IPv6 is not IPv4, nor the other way round.
             Row{"::/0", "10.0.0.1", false},
             Row{"0.0.0.0/0", "::1", false},
             Row{"::ffff:10.0.0.0/104", "10.1.2.3", true},
         }) {
        std::string error;
        const std::optional<ClientNetwork> network = ParseClientNetwork(row.network, error);
        const std::optional<IpAddress> address = ParseIpAddress(row.address);
        ASSERT_TRUE(network && address) << row.network << " " << row.address << " " << error;
        EXPECT_EQ(network->Contains(*address), row.inside) << row.network << " " << row.address;
    }
}

TEST(ClientNetworksTest, lists_splitOnCommasAndSpacesAndNameTheirFirstBadEntry)
{
    const std::vector<std::string> entries =
        SplitNetworkList(" 192.168.1.0/24,2001:db8::/32 ,, 10.0.0.1\t::1 ");
    EXPECT_EQ(entries,
              (std::vector<std::string>{"192.168.1.0/24", "2001:db8::/32", "10.0.0.1", "::1"}));
    EXPECT_EQ(SplitNetworkList(JoinNetworkList(entries)), entries);
    EXPECT_TRUE(SplitNetworkList(" , ").empty());

    std::string error;
    const auto networks = ParseClientNetworks(entries, error);
    ASSERT_TRUE(networks) << error;
    EXPECT_EQ(networks->size(), 4u);
    EXPECT_FALSE(ParseClientNetworks({"10.0.0.0/8", "10.0.0.300", "nonsense"}, error));
    EXPECT_NE(error.find("\"10.0.0.300\""), std::string::npos) << error;
}

ClientAccess AccessOf(const NetConfig &config, const std::string &peer)
{
    std::string problem;
    const std::optional<AccessRules> rules = AccessRulesFor(config, problem);
    EXPECT_TRUE(rules) << problem;
    return rules ? rules->For(*ParseIpAddress(peer)) : ClientAccess::Refused;
}

TEST(ClientAccessTest, listsDecideWhoGetsInAndWhoOnlyReads)
{
    NetConfig config;
    // On loopback with no list, as before lists existed: every client, every command.
    EXPECT_EQ(AccessOf(config, "127.0.0.1"), ClientAccess::Full);
    EXPECT_EQ(AccessOf(config, "::1"), ClientAccess::Full);

    config.Address = "0.0.0.0";
    config.Allow = {"192.168.1.0/24", "127.0.0.1"};
    config.ReadOnly = {"192.168.1.50", "10.1.0.0/16", "::ffff:127.0.0.3"};
    struct Row {
        const char *peer;
        ClientAccess access;
    };
    for (const Row &row : {
             Row{"192.168.1.20", ClientAccess::Full},
             Row{"127.0.0.1", ClientAccess::Full},
             Row{"::ffff:127.0.0.1", ClientAccess::Full},
             // The read-only list wins where both hold the client.
             Row{"192.168.1.50", ClientAccess::ReadOnly},
             Row{"10.1.200.3", ClientAccess::ReadOnly},
             Row{"127.0.0.3", ClientAccess::ReadOnly},
             Row{"127.0.0.2", ClientAccess::Refused},
             Row{"::ffff:127.0.0.2", ClientAccess::Refused},
             Row{"192.168.2.20", ClientAccess::Refused},
             Row{"::1", ClientAccess::Refused},
         }) {
        EXPECT_EQ(AccessOf(config, row.peer), row.access) << row.peer;
    }
    // A read-only list alone lets in its own clients only.
    config.Allow.clear();
    EXPECT_EQ(AccessOf(config, "10.1.0.1"), ClientAccess::ReadOnly);
    EXPECT_EQ(AccessOf(config, "192.168.1.20"), ClientAccess::Refused);
    // A list on a loopback server is kept too.
    config.Address = "127.0.0.1";
    EXPECT_EQ(AccessOf(config, "127.0.0.1"), ClientAccess::Refused);
}

TEST(ClientAccessTest, serverBeyondLoopback_needsAListAndEveryEntryMustBeANetwork)
{
    NetConfig config;
    std::string problem;
    for (const char *open : {"0.0.0.0", "::", "192.168.1.2"}) {
        config.Address = open;
        EXPECT_FALSE(AccessRulesFor(config, problem)) << open;
        EXPECT_NE(problem.find("list"), std::string::npos) << problem;
        EXPECT_NE(problem.find(open), std::string::npos) << problem;
    }
    config.ReadOnly = {"192.168.1.0/24"};
    EXPECT_TRUE(AccessRulesFor(config, problem)) << problem;

    config.Allow = {"192.168.1.0/33"};
    EXPECT_FALSE(AccessRulesFor(config, problem));
    EXPECT_EQ(problem.rfind("allowed clients: \"192.168.1.0/33\"", 0), 0u) << problem;
    config.Allow.clear();
    config.ReadOnly = {"logger.local"};
    EXPECT_FALSE(AccessRulesFor(config, problem));
    EXPECT_EQ(problem.rfind("read-only clients: \"logger.local\"", 0), 0u) << problem;
    config.Address = "127.0.0.1";
    EXPECT_FALSE(AccessRulesFor(config, problem)) << "a bad entry is refused on loopback too";
}

} // namespace
} // namespace dorv::test
