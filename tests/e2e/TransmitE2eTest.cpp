// Transmitting against ft897-sim: the transmitter unkeys whenever what keyed it lets go (the
// space bar when the window loses the keyboard, a network client when its connection ends),
// the transmit time-out ends what nobody ends, and the face and title show the transmission.

#include "E2eSession.h"
#include "TcpClient.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using e2e::E2eSession;
using e2e::TcpClient;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char *kSignals = "14150000 12 2400\n";
const std::string kPttOn = "RX 00 00 00 00 08";
const std::string kPttOff = "RX 00 00 00 00 88";

void StartLinked(E2eSession &session)
{
    ASSERT_TRUE(session.startSimulator());
    ASSERT_TRUE(session.startProgram()) << session.diagnostics();
    session.key("p");
    ASSERT_TRUE(session.waitForLogSequence({"RX 02 83 00 00 01", "RX 00 00 00 00 81"}, 15000))
        << "link did not come on";
}

// How many times the radio was told PTT off so far.
long PttOffCount(const E2eSession &session)
{
    const std::vector<std::string> log = session.simLog();
    return std::count(log.begin(), log.end(), kPttOff);
}

// Milliseconds from `start` until the radio has received one more PTT off than it had; -1
// when none comes within timeoutMs.
long MsUntilPttOff(const E2eSession &session, long offsBefore, Clock::time_point start,
                   int timeoutMs)
{
    while (Clock::now() - start < std::chrono::milliseconds(timeoutMs)) {
        if (PttOffCount(session) > offsBefore) {
            return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start)
                .count();
        }
        usleep(10 * 1000);
    }
    return -1;
}

TEST(TransmitE2e, spaceHeldAndTheFocusMovedToTheHelpWindow_unkeysWithinHalfASecond)
{
    E2eSession session(kSignals);
    // The help page lies beside the program, as the build and the installation put it.
    fs::copy_file(fs::path(DORV_PROGRAM).parent_path() / "dorvft897.html",
                  session.dir() / "dorvft897.html");
    StartLinked(session);
    session.key("alt+h");
    session.key("Return");
    const std::string help = session.findWindow("DORV FT-897 Help", 10000);
    ASSERT_FALSE(help.empty()) << session.diagnostics();
    session.onDisplay({"xdotool", "windowactivate", "--sync", session.mainWindow()});

    session.keyDown("space");
    ASSERT_TRUE(session.waitForLogSequence({kPttOn}, 5000)) << "space did not key up";
    ASSERT_TRUE(session.waitForPanel("lblOnAir", "1", 5000));
    const long offs = PttOffCount(session);
    const Clock::time_point moved = Clock::now();
    session.onDisplay({"xdotool", "windowactivate", "--sync", help});
    const long ms = MsUntilPttOff(session, offs, moved, 3000);
    session.keyUp("space"); // reaches the help window
    EXPECT_GE(ms, 0) << "still transmitting with the focus elsewhere";
    EXPECT_LE(ms, 500);
    EXPECT_TRUE(session.waitForPanel("lblOnAir", "0", 2000));
}

class NetworkClientE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        session.programArgs = {"--rigctld", "127.0.0.1:" + std::to_string(port)};
        StartLinked(session);
    }

    // A client that sends T 1 and sees it taken.
    void keyFrom(TcpClient &client)
    {
        ASSERT_TRUE(client.connectTo(port));
        ASSERT_TRUE(client.send("T 1\n"));
        ASSERT_EQ(client.receiveLines(1), "RPRT 0\n");
        ASSERT_TRUE(session.waitForPanel("lblOnAir", "1", 5000));
    }

    E2eSession session{kSignals};
    int port = e2e::FreeLoopbackPort();
};

TEST_F(NetworkClientE2e, clientKeysAndItsConnectionEnds_unkeysWithinASecond)
{
    TcpClient closing;
    keyFrom(closing);
    long offs = PttOffCount(session);
    closing.close();
    long ms = MsUntilPttOff(session, offs, Clock::now(), 3000);
    EXPECT_GE(ms, 0) << "still transmitting after the client closed its connection";
    EXPECT_LE(ms, 1000);

    TcpClient resetting;
    keyFrom(resetting);
    offs = PttOffCount(session);
    resetting.reset();
    ms = MsUntilPttOff(session, offs, Clock::now(), 3000);
    EXPECT_GE(ms, 0) << "still transmitting after the client's connection was reset";
    EXPECT_LE(ms, 1000);
    EXPECT_TRUE(session.waitForPanel("NetClients", "0", 5000));
}

TEST_F(NetworkClientE2e, anotherClientStillHolding_keepsTheTransmitterKeyed)
{
    TcpClient first;
    TcpClient second;
    keyFrom(first);
    keyFrom(second);
    const long offs = PttOffCount(session);
    first.close();
    EXPECT_EQ(MsUntilPttOff(session, offs, Clock::now(), 1500), -1)
        << "unkeyed under the second client";
    EXPECT_EQ(session.panel("lblOnAir"), "1");
    second.close();
    EXPECT_GE(MsUntilPttOff(session, offs, Clock::now(), 3000), 0);
}

// The time-out set to one minute in the program's own file; MOX latched with a click.
TEST(TransmitE2e, oneMinuteTimeOut_endsALatchedMoxWithItsMessage)
{
    E2eSession session(kSignals);
    std::ofstream(session.dir() / "transmit.conf") << "timeout_minutes=1\n";
    StartLinked(session);
    ASSERT_TRUE(session.clickOnFace("MOXbutton"));
    ASSERT_TRUE(session.waitForLogSequence({kPttOn}, 5000)) << "MOX did not key up";
    const Clock::time_point keyed = Clock::now();

    // On the air, the face lights its lamp and the title says so.
    EXPECT_TRUE(session.waitForPanel("OnAirLamp", "1", 5000));
    EXPECT_EQ(session.panel("WindowTitle"), "ON AIR - DORV FT-897");
    EXPECT_EQ(session.onDisplay({"xdotool", "getwindowname", session.mainWindow()}),
              "ON AIR - DORV FT-897");
    session.screenshot("transmit-on-air.png");

    const long ms = MsUntilPttOff(session, 0, Clock::now(), 75000);
    ASSERT_GE(ms, 0) << "the time-out did not end the transmission";
    const auto onAir = std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - keyed);
    EXPECT_GE(onAir.count(), 59);
    EXPECT_LE(onAir.count(), 63);
    ASSERT_FALSE(session.findWindow("Transmit Time-out", 5000).empty()) << "no message";
    session.screenshot("transmit-time-out.png");
    EXPECT_TRUE(session.answerMessage("Transmit Time-out", 1000));
    EXPECT_EQ(session.panel("lblOnAir"), "0");
    EXPECT_EQ(session.panel("OnAirLamp"), "0");
    EXPECT_EQ(session.onDisplay({"xdotool", "getwindowname", session.mainWindow()}), "DORV FT-897");
}

} // namespace
