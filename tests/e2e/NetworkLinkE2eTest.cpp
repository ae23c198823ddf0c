// The real program with its port on the network: against ft897-sim serving TCP itself, and
// against the real ser2net serving the simulator's pseudo-terminal raw and with the telnet
// com-port option. Every connection stays on this machine's loopback addresses.

#include "E2eSession.h"

#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>
#include <unistd.h>

using e2e::E2eSession;
using e2e::Process;

namespace {

// A strong signal on the 14 MHz band's starting frequency.
constexpr const char *kSignals = "14150000 12 2400\n";

const std::string kToggle = "RX 00 00 00 00 81";
const std::string kStatusRequest = "RX 00 00 00 00 E7";

// A loopback socket of the test's own, closed with it.
struct Socket {
    Socket() : fd(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {}
    ~Socket() { close(fd); }
    Socket(const Socket &) = delete;
    Socket &operator=(const Socket &) = delete;
    int fd;
};

sockaddr_in Loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    return address;
}

// Binds the socket to a free loopback port and returns the port.
int BindLoopback(const Socket &socket)
{
    sockaddr_in address = Loopback(0);
    socklen_t length = sizeof address;
    if (bind(socket.fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        getsockname(socket.fd, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        return -1;
    }
    return ntohs(address.sin_port);
}

// A loopback port nobody listens on at the moment.
int FreePort()
{
    const Socket probe;
    return BindLoopback(probe);
}

void UseLink(E2eSession &session, const std::string &link)
{
    std::ofstream(session.dir() / "ports.conf") << "1=" << link << "\n";
}

std::string ReadText(const std::filesystem::path &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool StartsWith(const std::string &text, const std::string &prefix)
{
    return text.rfind(prefix, 0) == 0;
}

// ft897-sim on the session's pseudo-terminal link, its output (the line as its client sets
// it) in sim.out.
Process StartSimulatorOnPty(E2eSession &session)
{
    const auto &dir = session.dir();
    Process sim({FT897_SIM_PROGRAM, "--link", (dir / "radio").string(), "--log",
                 (dir / "sim.log").string(), "--signals", (dir / "signals.txt").string()},
                {}, (dir / "sim.out").string());
    e2e::WaitFor([&] { return std::filesystem::exists(dir / "radio"); }, 5000);
    return sim;
}

// ser2net serving the session's pseudo-terminal on a loopback port: accepter is "tcp" for
// raw bytes or "telnet(rfc2217),tcp" for the com-port option. The device starts at a line
// the program does not use, so that a line set through the option shows.
// Unless `wait` is false, returns once the server takes connections.
Process StartSer2net(E2eSession &session, const std::string &accepter, int port, bool wait = true)
{
    const auto &dir = session.dir();
    std::ofstream(dir / "ser2net.yaml")
        << "connection: &radio\n"
        << "    accepter: " << accepter << ",127.0.0.1," << port << "\n"
        << "    connector: serialdev," << (dir / "radio").string() << ",4800n81,local\n"
        << "    options:\n"
        << "      kickolduser: true\n";
    Process server({"ser2net", "-n", "-d", "-c", (dir / "ser2net.yaml").string(), "-P",
                    (dir / "ser2net.pid").string()},
                   {}, (dir / "ser2net.out").string());
    if (!wait) {
        return server;
    }
    // Listening once a connection is taken; the probe's own connection is let go at once.
    e2e::WaitFor(
        [&] {
            const Socket probe;
            const sockaddr_in address = Loopback(port);
            return connect(probe.fd, reinterpret_cast<const sockaddr *>(&address),
                           sizeof address) == 0;
        },
        5000);
    usleep(300 * 1000); // the probe's session ends before the program connects
    return server;
}

bool HaveSer2net()
{
    int code = -1;
    e2e::Capture({"sh", "-c", "command -v ser2net"}, {}, &code);
    return code == 0;
}

// The link on from the keyboard, the power-on send of both VFOs (28 MHz band), then the
// 14 MHz band key and a knob step: each frame whole and in order at the radio, and the
// meter on the signal there.
void PowerBandKnobAndMeter(E2eSession &session)
{
    session.key("p");
    ASSERT_TRUE(session.waitForLogSequence(
        {"RX 02 83 00 00 01", kToggle, "RX 02 83 00 00 01", kToggle}, 15000))
        << "power-on sequence missing\n"
        << session.diagnostics();
    session.key("F5");
    session.key("Prior");
    ASSERT_TRUE(session.waitForLogSequence({"RX 01 41 50 00 01", "RX 01 41 50 01 01"}, 10000));
    EXPECT_TRUE(session.waitForPanel("ledFreq", "14.150.01", 5000));
    EXPECT_TRUE(session.waitForPanel("lblBusy", "1", 10000)) << session.panel("StatusMessage");
    std::istringstream meter(session.panel("LMeter0"));
    double start = -1, end = -1;
    meter >> start >> end;
    EXPECT_EQ(end, 12) << session.panel("LMeter0");
}

// Lines of the simulator's log from index `from` on.
std::vector<std::string> LogFrom(const E2eSession &session, std::size_t from)
{
    const auto log = session.simLog();
    return from < log.size() ? std::vector<std::string>(log.begin() + from, log.end())
                             : std::vector<std::string>{};
}

TEST(NetworkLink, simulatorServingTcp_framesMeterAndTheLinkInTheStatusBar)
{
    E2eSession session(kSignals);
    const int port = FreePort();
    const std::string link = "tcp://127.0.0.1:" + std::to_string(port);
    UseLink(session, link);
    const auto &dir = session.dir();
    Process sim({FT897_SIM_PROGRAM, "--tcp", "127.0.0.1:" + std::to_string(port), "--log",
                 (dir / "sim.log").string(), "--signals", (dir / "signals.txt").string()});
    ASSERT_TRUE(session.startProgram()) << session.diagnostics();
    EXPECT_TRUE(session.waitForPanel("StatusMessage", "", 5000)) << session.panel("StatusMessage");

    PowerBandKnobAndMeter(session);
    EXPECT_EQ(session.panel("LinkStatus"), link + " \u00B7 9600 \u00B7 on");
    session.screenshot("network-link-tcp.png");
    EXPECT_EQ(session.stopProgram(), 0);
}

TEST(NetworkLink, ser2netRaw_framesAndMeterThenServerKilledAndBack)
{
    if (!HaveSer2net()) {
        GTEST_SKIP() << "ser2net is not installed";
    }
    E2eSession session(kSignals);
    Process sim = StartSimulatorOnPty(session);
    const int port = FreePort();
    const std::string link = "tcp://127.0.0.1:" + std::to_string(port);
    UseLink(session, link);
    Process server = StartSer2net(session, "tcp", port);
    ASSERT_TRUE(session.startProgram()) << session.diagnostics();
    PowerBandKnobAndMeter(session);

    server.stop(SIGKILL);
    const auto killed = std::chrono::steady_clock::now();
    ASSERT_TRUE(e2e::WaitFor(
        [&] { return StartsWith(session.panel("StatusMessage"), "The link to " + link); }, 3000))
        << "status: " << session.panel("StatusMessage");
    const auto reported = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - killed);
    EXPECT_LE(reported.count(), 3000);
    EXPECT_EQ(session.panel("StatusMessage").find("plug"), std::string::npos)
        << "a network link has no cable to plug: " << session.panel("StatusMessage");
    EXPECT_EQ(session.panel("lblBusy"), "0");
    session.screenshot("network-link-lost.png");

    // The far end back: polling within a second of ser2net taking connections again.
    usleep(1200 * 1000); // a retry or two refused meanwhile
    const std::size_t mark = session.simLog().size();
    const auto restarted = std::chrono::steady_clock::now();
    server = StartSer2net(session, "tcp", port, false);
    ASSERT_TRUE(e2e::WaitFor(
        [&] { return e2e::ContainsInOrder(LogFrom(session, mark), {kStatusRequest}); }, 5000))
        << "polling did not resume; status: " << session.panel("StatusMessage");
    const auto resumed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - restarted);
    EXPECT_LE(resumed.count(), 1000) << "polling resumed too late";
    EXPECT_TRUE(session.waitForPanel("StatusMessage", "", 3000)) << session.panel("StatusMessage");
    EXPECT_TRUE(session.waitForPanel("lblBusy", "1", 5000));
    EXPECT_EQ(session.stopProgram(), 0);
}

TEST(NetworkLink, ser2netComPort_lineSetAtOpenAndAgainAfterTheRateMenu)
{
    if (!HaveSer2net()) {
        GTEST_SKIP() << "ser2net is not installed";
    }
    E2eSession session(kSignals);
    Process sim = StartSimulatorOnPty(session);
    const int port = FreePort();
    const std::string link = "rfc2217://127.0.0.1:" + std::to_string(port);
    UseLink(session, link);
    Process server = StartSer2net(session, "telnet(rfc2217),tcp", port);
    ASSERT_TRUE(session.startProgram()) << session.diagnostics();

    // ser2net opened the device at 4800 8N1; the program set it to its own rate and 8N2.
    const auto simOut = [&] { return ReadText(session.dir() / "sim.out"); };
    EXPECT_TRUE(
        e2e::WaitFor([&] { return simOut().find("line 9600 8N2") != std::string::npos; }, 5000))
        << simOut();
    PowerBandKnobAndMeter(session);
    EXPECT_EQ(session.panel("LinkStatus"), link + " \u00B7 9600 \u00B7 on");

    // Link off, CAT Rate > 38400 bps from the keyboard, link on.
    session.key("p");
    ASSERT_TRUE(session.waitForPanel("LinkStatus", link + " \u00B7 9600 \u00B7 off", 5000));
    for (const char *key : {"alt+s", "Down", "Right", "Down", "Down", "Return"}) {
        session.key(key);
    }
    ASSERT_TRUE(session.waitForPanel("LinkStatus", link + " \u00B7 38400 \u00B7 off", 5000))
        << session.panel("LinkStatus");
    EXPECT_TRUE(
        e2e::WaitFor([&] { return simOut().find("line 38400 8N2") != std::string::npos; }, 5000))
        << simOut();
    const std::size_t mark = session.simLog().size();
    session.key("p");
    EXPECT_TRUE(e2e::WaitFor(
        [&] { return e2e::ContainsInOrder(LogFrom(session, mark), {kStatusRequest}); }, 10000))
        << "no polling after the rate change";
    EXPECT_TRUE(session.waitForPanel("lblBusy", "1", 5000)) << session.panel("StatusMessage");
    EXPECT_EQ(session.panel("LinkStatus"), link + " \u00B7 38400 \u00B7 on");
    EXPECT_EQ(session.stopProgram(), 0);
}

TEST(NetworkLink, hostThatDoesNotAnswer_panelKeepsWorkingAndTheStatusSaysWhy)
{
    E2eSession session(kSignals);
    // A listener whose queue of one connection is full: a further connect stays pending.
    const Socket listener;
    const int port = BindLoopback(listener);
    ASSERT_EQ(listen(listener.fd, 0), 0);
    const Socket filler;
    const sockaddr_in address = Loopback(port);
    ASSERT_EQ(connect(filler.fd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    const std::string link = "tcp://127.0.0.1:" + std::to_string(port);
    UseLink(session, link);

    ASSERT_TRUE(session.startProgram()) << session.diagnostics();
    session.key("p");
    session.key("F5");
    session.key("Prior");
    EXPECT_TRUE(session.waitForPanel("ledFreq", "14.150.01", 3000)) << session.diagnostics();
    EXPECT_TRUE(session.waitForPanel("StatusMessage", "Connecting to " + link + "\u2026", 3000))
        << session.panel("StatusMessage");
    ASSERT_TRUE(e2e::WaitFor(
        [&] {
            return session.panel("StatusMessage").find("did not answer within 4 s") !=
                   std::string::npos;
        },
        8000))
        << session.panel("StatusMessage");
    // Still live while the next try is pending.
    session.key("Next");
    EXPECT_TRUE(session.waitForPanel("ledFreq", "14.150.00", 3000));
    session.screenshot("network-link-no-answer.png");
    EXPECT_EQ(session.stopProgram(), 0);
}

} // namespace
