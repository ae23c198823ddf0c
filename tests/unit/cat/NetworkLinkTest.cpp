#include "cat/NetworkLink.h"

#include "cat/PortMap.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace dorv {
namespace {

TEST(NetworkLinkTest, parse_takesBothKindsAndEveryFormOfHost)
{
    struct Case {
        const char *text;
        NetworkLink::Kind kind;
        const char *host;
        int port;
    };
    const Case cases[] = {
        {"tcp://127.0.0.1:4000", NetworkLink::Kind::Raw, "127.0.0.1", 4000},
        {"rfc2217://pi.local:3001", NetworkLink::Kind::ComPort, "pi.local", 3001},
        {"tcp://radio:1", NetworkLink::Kind::Raw, "radio", 1},
        {"tcp://shack-pi.example.org.:65535", NetworkLink::Kind::Raw, "shack-pi.example.org.",
         65535},
        {"rfc2217://[::1]:7000", NetworkLink::Kind::ComPort, "::1", 7000},
        {"tcp://[2001:db8::17]:23", NetworkLink::Kind::Raw, "2001:db8::17", 23},
        {"tcp://[fe80:0:0:0:204:61ff:fe9d:f156]:23", NetworkLink::Kind::Raw,
         "fe80:0:0:0:204:61ff:fe9d:f156", 23},
        {"tcp://[::ffff:192.0.2.1]:23", NetworkLink::Kind::Raw, "::ffff:192.0.2.1", 23},
        {"tcp://10.0.0.9:4001", NetworkLink::Kind::Raw, "10.0.0.9", 4001},
    };
    for (const Case &c : cases) {
        std::string problem = "stale";
        const auto link = NetworkLink::Parse(c.text, problem);
        ASSERT_TRUE(link) << c.text << ": " << problem;
        EXPECT_TRUE(problem.empty()) << c.text;
        EXPECT_EQ(link->kind, c.kind) << c.text;
        EXPECT_EQ(link->host, c.host) << c.text;
        EXPECT_EQ(link->port, c.port) << c.text;
    }
}

TEST(NetworkLinkTest, parse_refusesWithAReasonThatPointsAtTheFault)
{
    struct Case {
        const char *text;
        const char *reasonHolds;
    };
    const Case cases[] = {
        {"telnet://pi:23", "telnet://"},
        {"TCP://pi:23", "TCP://"},
        {"tcp://:4000", "no host"},
        {"tcp://pi.local", "no port"},
        {"tcp://pi.local:", "no port"},
        {"tcp://pi.local:0", "1 to 65535"},
        {"tcp://pi.local:65536", "1 to 65535"},
        {"tcp://pi.local:+80", "1 to 65535"},
        {"tcp://pi.local:80x", "1 to 65535"},
        {"tcp://pi.local:4000/ttyUSB0", "nothing may follow"},
        {"tcp://256.1.1.1:23", "not an IPv4"},
        {"tcp://1.2.3:23", "not an IPv4"},
        {"tcp://01.2.3.4:23", "not an IPv4"},
        {"tcp://::1:23", "brackets"},
        {"tcp://pi local:23", "not a host name"},
        {"tcp://-pi:23", "not a host name"},
        {"tcp://a..b:23", "not a host name"},
        {"tcp://[::1:23", "closing ]"},
        {"tcp://[1::2::3]:23", "not an IPv6"},
        {"tcp://[12345::1]:23", "not an IPv6"},
        {"tcp://[1:2:3:4:5:6:7:8:9]:23", "not an IPv6"},
        {"tcp://[1:2:3:4:5:6:7]:23", "not an IPv6"},
        {"tcp://[1:2:3:4:5:6:7::8]:23", "not an IPv6"},
        {"tcp://[]:23", "not an IPv6"},
        {"tcp://[::1]23", "no port"},
    };
    for (const Case &c : cases) {
        std::string problem;
        EXPECT_FALSE(NetworkLink::Parse(c.text, problem)) << c.text;
        EXPECT_NE(problem.find(c.reasonHolds), std::string::npos) << c.text << " gave: " << problem;
    }
}

TEST(NetworkLinkTest, portMap_takesALinkAndMakesABadOneUnusableWithItsReason)
{
    test::TempDir temp{"netlink"};
    std::ofstream(temp.path() / PortMap::kFileName)
        << "1=tcp://127.0.0.1:4000\n2=rfc2217://[::1]:3001  # the shack\n3=tcp://pi:99999\n"
           "4=/dev/ttyUSB0\n";
    const PortMap map = PortMap::Load(temp.path().string());
    EXPECT_EQ(map.device(1), "tcp://127.0.0.1:4000");
    EXPECT_EQ(map.device(2), "rfc2217://[::1]:3001");
    EXPECT_EQ(map.device(3), "");
    EXPECT_NE(map.problem(3).find("1 to 65535"), std::string::npos) << map.problem(3);
    EXPECT_EQ(map.describe(3).rfind("Unusable: ", 0), 0u) << map.describe(3);
    EXPECT_EQ(map.device(4), "/dev/ttyUSB0");
}

} // namespace
} // namespace dorv
