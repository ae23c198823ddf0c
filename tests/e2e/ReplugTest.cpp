// The radio going away under the real program: the simulator killed or hung up and
// started again on the same link path, or alive but silent. The status bar (read from the
// panel dump) must name the right culprit, and polling must come back on its own.

#include "E2eSession.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using e2e::E2eSession;

namespace {

// A strong signal on the 28 MHz band's starting frequency, where the link comes up.
constexpr const char *kSignals = "28300000 12 2400\n";

const std::string kDeviceGonePrefix = "The serial device ";
const std::string kRadioSilentPrefix = "The radio is not answering";

bool StartsWith(const std::string &text, const std::string &prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// Milliseconds since the simulator started at which it first received a status request,
// from its own frame log; -1 when there is none.
long FirstStatusRequestMs(const E2eSession &session)
{
    std::ifstream in(session.dir() / "sim.log");
    for (std::string line; std::getline(in, line);) {
        if (line.find(" RX 00 00 00 00 E7") != std::string::npos) {
            return std::stol(line);
        }
    }
    return -1;
}

// The link on against a simulator that hears a signal: BUSY lit.
void LinkOnAndBusy(E2eSession &session)
{
    ASSERT_TRUE(session.startSimulator());
    ASSERT_TRUE(session.startProgram()) << session.diagnostics();
    session.key("p");
    ASSERT_TRUE(session.waitForPanel("lblBusy", "1", 15000)) << session.diagnostics();
}

void ExpectGoneThenBack(E2eSession &session, int stopSignal, const std::string &shot)
{
    session.stopSimulator(stopSignal);
    ASSERT_TRUE(e2e::WaitFor(
        [&] { return StartsWith(session.panel("StatusMessage"), kDeviceGonePrefix); }, 3000))
        << "status: " << session.panel("StatusMessage");
    EXPECT_NE(session.panel("StatusMessage").find((session.dir() / "radio").string()),
              std::string::npos)
        << "the device is not named: " << session.panel("StatusMessage");
    EXPECT_EQ(session.panel("lblBusy"), "0");
    EXPECT_EQ(session.panel("LMeter0"), "0 0 0");
    session.screenshot(shot);

    ASSERT_TRUE(session.startSimulator());
    ASSERT_TRUE(e2e::WaitFor([&] { return FirstStatusRequestMs(session) >= 0; }, 5000))
        << "polling did not resume";
    EXPECT_LE(FirstStatusRequestMs(session), 1000) << "polling resumed too late";
    // Back to normal once a reply came: until then it would say the radio is not answering.
    EXPECT_TRUE(session.waitForPanel("StatusMessage", "", 3000)) << session.panel("StatusMessage");
}

TEST(Replug, simulatorKilledThenHungUpAndRestarted_deviceNamedAndPollingResumes)
{
    E2eSession session(kSignals);
    LinkOnAndBusy(session);
    {
        SCOPED_TRACE("killed: the link is left dangling");
        ExpectGoneThenBack(session, SIGKILL, "replug-killed.png");
    }
    {
        SCOPED_TRACE("hung up: the link is removed, a new terminal linked later");
        ExpectGoneThenBack(session, SIGHUP, "replug-hung-up.png");
    }
    EXPECT_EQ(session.stopProgram(), 0);
}

TEST(Replug, simulatorMuted_statusNamesTheRadioAndTheMeterIsBlank)
{
    E2eSession session(kSignals);
    ASSERT_TRUE(session.startSimulator({"--drop", "1"}));
    ASSERT_TRUE(session.startProgram()) << session.diagnostics();
    session.key("p");
    ASSERT_TRUE(e2e::WaitFor(
        [&] { return StartsWith(session.panel("StatusMessage"), kRadioSilentPrefix); }, 15000))
        << "status: " << session.panel("StatusMessage");
    EXPECT_EQ(session.panel("lblBusy"), "0");
    EXPECT_EQ(session.panel("LMeter0"), "0 0 0");
    session.screenshot("radio-muted.png");
    EXPECT_EQ(session.stopProgram(), 0);
}

// A NUL byte in a device name once crashed every start inside the serial library; now the
// port is refused with the reason, and the program starts the same way the next time.
TEST(Replug, nulInPortsConf_startsCleanlyTwiceWithThePortUnusable)
{
    E2eSession session(kSignals);
    std::ofstream(session.dir() / "ports.conf") << std::string("1=/dev/n\0ull\n", 13);
    for (int start = 1; start <= 2; ++start) {
        SCOPED_TRACE("start " + std::to_string(start));
        session.launchProgram();
        ASSERT_TRUE(session.answerMessage("Open Communications Port", 15000))
            << session.diagnostics();
        ASSERT_TRUE(session.waitForMainWindow()) << session.diagnostics();
        EXPECT_EQ(session.panel("SerialPort"), "None");
        EXPECT_EQ(session.stopProgram(), 0);
    }
}

} // namespace
