// Who the real program's network server lets in. Clients connect from second loopback
// addresses, which stand in for other computers: every byte stays on this machine.

#include "E2eSession.h"
#include "TcpClient.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

using e2e::Capture;
using e2e::E2eSession;
using e2e::TcpClient;

namespace {

const std::string kSetFreq = "RX 01 40 74 00 01"; // 14.074 MHz
const std::string kPttOn = "RX 00 00 00 00 08";

bool Logged(const E2eSession &session, const std::string &frame)
{
    const std::vector<std::string> log = session.simLog();
    return std::find(log.begin(), log.end(), frame) != log.end();
}

// The program serving on every IPv4 address of this machine, letting in 127.0.0.1 with
// every command and 127.0.0.3 to read only; its link switched on.
class RigctlAccessE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        session.programArgs = {"--rigctld", "0.0.0.0:" + std::to_string(port), "--rigctld-allow",
                               "127.0.0.1", "--rigctld-readonly=127.0.0.3/32"};
        ASSERT_TRUE(session.startSimulator());
        ASSERT_TRUE(session.startProgram()) << session.diagnostics();
        session.key("p");
        ASSERT_TRUE(session.waitForLogSequence({"RX 02 83 00 00 01"}, 15000))
            << "power-on sequence missing from the simulator log";
    }

    // One request line from a client, and its answer.
    static std::string ask(TcpClient &client, const std::string &line)
    {
        client.send(line + "\n");
        return client.receiveLines(1);
    }

    E2eSession session{"14150000 12 2400\n"};
    int port = e2e::FreeLoopbackPort();
};

TEST_F(RigctlAccessE2e, unlistedClientIsClosedAndCounted_readOnlyClientReachesNoRadio)
{
    TcpClient stranger;
    ASSERT_TRUE(stranger.connectTo(port, 10000, "127.0.0.2"));
    stranger.send("F 14074000\nT 1\n");
    EXPECT_TRUE(stranger.closedByPeer(3000));
    EXPECT_TRUE(session.waitForPanel("NetRefused", "1", 3000)) << session.panel("NetRefused");
    TcpClient again;
    ASSERT_TRUE(again.connectTo(port, 10000, "127.0.0.2"));
    EXPECT_TRUE(again.closedByPeer(3000));
    EXPECT_TRUE(session.waitForPanel("NetRefused", "2", 3000)) << session.panel("NetRefused");

    TcpClient logger;
    ASSERT_TRUE(logger.connectTo(port, 10000, "127.0.0.3"));
    const std::string frequency = ask(logger, "f");
    EXPECT_EQ(frequency.back(), '\n');
    EXPECT_NE(frequency, "RPRT -9\n");
    EXPECT_EQ(ask(logger, "F 14074000"), "RPRT -9\n");
    EXPECT_EQ(ask(logger, "T 1"), "RPRT -9\n");
    EXPECT_EQ(ask(logger, "\\set_ptt 1"), "RPRT -9\n");
    EXPECT_EQ(ask(logger, "M CW 0"), "RPRT -9\n");
    EXPECT_EQ(ask(logger, "t"), "0\n");
    EXPECT_EQ(ask(logger, "f"), frequency);
    EXPECT_TRUE(session.waitForPanel("NetClients", "1", 3000)) << session.panel("NetClients");
    session.screenshot("rigctl-refused-clients.png");

    // Nothing of theirs reached the radio; the allowed client's set does, so the log is live.
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    EXPECT_FALSE(Logged(session, kSetFreq));
    EXPECT_FALSE(Logged(session, kPttOn));
    TcpClient owner;
    ASSERT_TRUE(owner.connectTo(port, 10000, "127.0.0.1"));
    EXPECT_EQ(ask(owner, "F 14074000"), "RPRT 0\n");
    EXPECT_TRUE(session.waitForLogSequence({kSetFreq}, 5000));
    EXPECT_EQ(ask(logger, "f"), "14074000\n");

    // A line longer than 1 KiB ends the connection.
    owner.send(std::string(1100, 'f'));
    EXPECT_TRUE(owner.closedByPeer(3000));
    EXPECT_TRUE(session.waitForPanel("NetClients", "1", 3000)) << session.panel("NetClients");
    EXPECT_EQ(session.panel("NetRefused"), "2");
}

TEST_F(RigctlAccessE2e, hamlibsClientFromAnAllowedAddress_worksAsBefore)
{
    int code = -1;
    Capture({"sh", "-c", "command -v rigctl"}, {}, &code);
    if (code != 0) {
        GTEST_SKIP() << "hamlib's rigctl (libhamlib-utils) is not installed";
    }
    const std::string place = "127.0.0.1:" + std::to_string(port);
    EXPECT_EQ(Capture({"timeout", "30", "rigctl", "-m", "2", "-r", place, "F", "14074000", "f", "M",
                       "USB", "0", "m"},
                      {}),
              "14074000\nUSB\n0");
    EXPECT_TRUE(session.waitForLogSequence({kSetFreq}, 5000));
    EXPECT_TRUE(session.waitForPanel("ledFreq", "14.074.00", 5000)) << session.panel("ledFreq");
    EXPECT_EQ(session.panel("NetRefused"), "0");
}

// A server beyond loopback with no list is not started, from the command line or from the
// configuration file, and the message says why.
TEST(RigctlAccessStartE2e, serverBeyondLoopbackWithoutAList_isRefusedWithTheReason)
{
    E2eSession session{""};
    const std::string place = "0.0.0.0:" + std::to_string(e2e::FreeLoopbackPort());
    session.programArgs = {"--rigctld", place};
    session.launchProgram();
    EXPECT_TRUE(e2e::WaitFor([&] { return !session.programRunning(); }, 15000));
    EXPECT_EQ(session.stopProgram(), 2);
    const std::string refusal = session.diagnostics();
    EXPECT_NE(refusal.find("--rigctld " + place +
                           ": a server on 0.0.0.0 can be reached from "
                           "other computers, so it needs a list of the client networks it "
                           "lets in: give --rigctld-allow"),
              std::string::npos)
        << refusal;

    std::ofstream(session.dir() / "rigctld.conf")
        << "enabled=1\naddress=0.0.0.0\nport=" << e2e::FreeLoopbackPort() << "\n";
    session.programArgs.clear();
    ASSERT_TRUE(session.startSimulator());
    ASSERT_TRUE(session.startProgram()) << session.diagnostics();
    EXPECT_TRUE(e2e::WaitFor(
        [&] {
            return session.diagnostics().find("Network server not started: a server on "
                                              "0.0.0.0 can be reached") != std::string::npos;
        },
        5000))
        << session.diagnostics();
    EXPECT_EQ(session.panel("NetClients"), "-1");
    session.screenshot("rigctl-needs-a-list.png");
    EXPECT_EQ(session.stopProgram(), 0);
}

} // namespace
