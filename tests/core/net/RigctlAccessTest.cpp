// What the server lets a client do: read-only clients, overlong lines, refused connections.

#include "core/net/RigctlServerFixture.h"
#include "panel/PanelDump.h"

namespace dorv::test {
namespace {

TEST_F(RigctlServerTest, readOnlyClient_readsButItsSetsAreRefusedAndReachNoRadio)
{
    const int logger = net.OpenClient(true);
    engine.clearLog();
    EXPECT_EQ(askFrom(logger, "f"), "145000000\n");
    EXPECT_EQ(askFrom(logger, "+m"), "get_mode:\nMode: FM\nPassband: 0\nRPRT 0\n");
    EXPECT_EQ(askFrom(logger, "t"), "0\n");
    EXPECT_EQ(askFrom(logger, "\\get_powerstat"), "1\n");
    EXPECT_EQ(askFrom(logger, "\\chk_vfo"), "0\n");
    EXPECT_NE(askFrom(logger, "\\dump_state").find("\ndone\n"), std::string::npos);
    pollMeter();
    EXPECT_EQ(askFrom(logger, "l RAWSTR"),
              std::to_string(static_cast<int>(p.LMeter[0].End)) + "\n");

    // Every set, in its short and long form and with the extended answer.
    for (const char *set :
         {"F 14074000", "\\set_freq 14074000", "M USB 0", "\\set_mode USB 0", "V VFOB", "S 1 VFOB",
          "I 7050000", "X USB 0", "T 1", "\\set_ptt 1", "T 3", "G TOGGLE", "\\vfo_op TOGGLE",
          "\\set_lock_mode 1", "\\set_split_vfo 1 VFOB"}) {
        EXPECT_EQ(askFrom(logger, set), "RPRT -9\n") << set;
    }
    EXPECT_EQ(askFrom(logger, "+F 14074000"), "set_freq: 14074000\nRPRT -9\n");
    EXPECT_EQ(askFrom(logger, "F"), "RPRT -9\n") << "refused before its arguments are read";
    EXPECT_TRUE(commandFrames().empty());
    EXPECT_FALSE(engine.rig().ptt);
    EXPECT_FALSE(p.lblOnAir.Visible);
    EXPECT_EQ(askFrom(logger, "v"), "VFOA\n") << "its own VFO choice is not taken either";
    EXPECT_EQ(ask("\\get_lock_mode"), "0\nRPRT 0\n") << "the shared mode lock is not set";

    // A full client beside it sets as ever, and the read-only one sees the change.
    EXPECT_EQ(ask("F 14074000"), "RPRT 0\n");
    EXPECT_EQ(askFrom(logger, "f"), "14074000\n");
    EXPECT_EQ(askFrom(logger, "q"), "RPRT 0\n");
    EXPECT_EQ(dropped, std::vector<int>{logger});
}

TEST_F(RigctlServerTest, overlongLine_endsTheConnectionAsSoonAsItIsTooLong)
{
    EXPECT_EQ(ask(std::string(RigctlServer::kMaxLine - 1, ' ') + "f"), "145000000\n");
    EXPECT_TRUE(dropped.empty()) << "a line of the longest length is still answered";

    sent[client].clear();
    net.Receive(client, "f\n" + std::string(RigctlServer::kMaxLine / 2, 'x'));
    net.Receive(client, std::string(RigctlServer::kMaxLine / 2 + 1, 'x'));
    EXPECT_EQ(dropped, std::vector<int>{client}) << "dropped before the line ends";
    EXPECT_EQ(askFrom(client, "f"), "");
}

TEST_F(RigctlServerTest, refusedConnections_areCountedOnThePanelUntilTheServerListensAnew)
{
    EXPECT_EQ(p.NetRefused, 0);
    net.CountRefused();
    net.CountRefused();
    EXPECT_EQ(p.NetClients, 1);
    EXPECT_EQ(p.NetRefused, 2);
    EXPECT_NE(DumpPanel(p).find("NetClients=1\nNetRefused=2\n"), std::string::npos);
    net.SetListening(true);
    EXPECT_EQ(p.NetRefused, 0);
}

} // namespace
} // namespace dorv::test
