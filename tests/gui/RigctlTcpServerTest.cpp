// The network control server's sockets on the event loop, with plain POSIX clients in the
// same thread: the server only runs while the test lets events run.

#include "net/RigctlTcpServer.h"

#include "Radio.h"
#include "net/ClientAccess.h"
#include "net/NetConfig.h"
#include "net/TcpConnection.h"
#include "support/FakeHost.h"
#include "support/RecordingPort.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace dorv::test {
namespace {

// Runs events until `done` holds or `ms` pass.
bool RunUntil(const std::function<bool()> &done, int ms = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

// A non-blocking client socket connected to port on the loopback address of `family`,
// with the receive buffer made `window` bytes small where it is not 0.
int Connect(quint16 port, int family = AF_INET, int window = 0)
{
    const int fd = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK, 0);
    if (window > 0) {
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &window, sizeof window);
    }
    sockaddr_in v4{AF_INET, htons(port), {htonl(INADDR_LOOPBACK)}, {}};
    sockaddr_in6 v6{};
    v6.sin6_family = AF_INET6;
    v6.sin6_port = htons(port);
    v6.sin6_addr = in6addr_loopback;
    const bool isV4 = family == AF_INET;
    ::connect(fd, isV4 ? reinterpret_cast<sockaddr *>(&v4) : reinterpret_cast<sockaddr *>(&v6),
              isV4 ? sizeof v4 : sizeof v6);
    return fd;
}

// A non-blocking client socket from the loopback address `source` (127.0.0.2 stands in for
// another computer) to port on 127.0.0.1.
int ConnectFrom(const char *source, quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in from{AF_INET, 0, {}, {}};
    ::inet_pton(AF_INET, source, &from.sin_addr);
    ::bind(fd, reinterpret_cast<sockaddr *>(&from), sizeof from);
    sockaddr_in to{AF_INET, htons(port), {htonl(INADDR_LOOPBACK)}, {}};
    ::connect(fd, reinterpret_cast<sockaddr *>(&to), sizeof to);
    return fd;
}

// Runs events until the client has `count` line ends, or has been closed. What it read.
std::string ReadLines(int fd, int count)
{
    std::string text;
    bool closed = false;
    RunUntil([&] {
        char chunk[4096];
        ssize_t got = 0;
        while ((got = ::recv(fd, chunk, sizeof chunk, 0)) > 0) {
            text.append(chunk, static_cast<std::size_t>(got));
        }
        closed = got == 0 || (got < 0 && errno != EAGAIN);
        return closed || std::count(text.begin(), text.end(), '\n') >= count;
    });
    return closed ? text + "<closed>" : text;
}

// A port on which nothing listens at the moment of asking.
quint16 FreePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr *>(&address), length);
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

class RigctlTcpServerTest : public ::testing::Test {
protected:
    FakeHost host;
    RecordingPort port;
    TempDir temp{"dorv-rigctl-tcp"};
    Radio radio{host, port, temp.path().string()};
    gui::RigctlTcpServer server{radio.net};
    quint16 tcpPort = FreePort();
    QString error;
};

TEST_F(RigctlTcpServerTest, listen_servesIpv4AndIpv6LiteralsAndNamesEachFailure)
{
    ASSERT_TRUE(server.listen(QStringLiteral("::"), tcpPort, error)) << error.toStdString();
    const int v6 = Connect(tcpPort, AF_INET6);
    ::send(v6, "\\chk_vfo\n", 9, 0);
    EXPECT_EQ(ReadLines(v6, 1), "0\n");
    // An IPv6 listener leaves IPv4 on the same port to others, even on the any-address.
    const int v4 = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in any{AF_INET, htons(tcpPort), {htonl(INADDR_ANY)}, {}};
    EXPECT_EQ(::bind(v4, reinterpret_cast<sockaddr *>(&any), sizeof any), 0) << errno;

    // That socket now holds the port on every IPv4 address, localhost included.
    ::listen(v4, 1);
    EXPECT_FALSE(server.listen(QStringLiteral("localhost"), tcpPort, error));
    EXPECT_EQ(error.toStdString(), "Port " + std::to_string(tcpPort) +
                                       " on localhost is already in use by another program.");
    EXPECT_FALSE(server.isListening());
    EXPECT_EQ(ReadLines(v6, 1), "<closed>"); // listening anew dropped the earlier client
    EXPECT_FALSE(server.listen(QStringLiteral("radio.local"), tcpPort, error));
    EXPECT_EQ(error, QStringLiteral("\"radio.local\" is not an IP address."));
    EXPECT_FALSE(server.listen(QStringLiteral("192.0.2.1"), tcpPort, error));
    EXPECT_EQ(error.toStdString(), "Cannot listen on port " + std::to_string(tcpPort) +
                                       " of 192.0.2.1: Cannot assign requested address.");
    ::close(v4);
    ::close(v6);
}

TEST_F(RigctlTcpServerTest, quit_isAnsweredBeforeTheConnectionCloses)
{
    ASSERT_TRUE(server.listen(QStringLiteral("127.0.0.1"), tcpPort, error));
    const int client = Connect(tcpPort);
    ::send(client, "q\n", 2, 0);
    EXPECT_EQ(ReadLines(client, 2), "RPRT 0\n<closed>");
    EXPECT_TRUE(RunUntil([&] { return radio.net.ClientCount() == 0; }));
    ::close(client);
}

TEST_F(RigctlTcpServerTest, clientThatNeverReads_isCutOffWhileOthersAreServed)
{
    ASSERT_TRUE(server.listen(QStringLiteral("127.0.0.1"), tcpPort, error));
    const int reader = Connect(tcpPort);
    // A small receive window, so that the hog's answers soon fill the sockets' buffers.
    const int hog = Connect(tcpPort, AF_INET, 4096);
    ASSERT_TRUE(RunUntil([&] { return radio.net.ClientCount() == 2; }));
    ::send(reader, "f\n", 2, 0);
    const std::string frequency = ReadLines(reader, 1);

    // Bursts of 1.7 MB of answers to fewer request bytes than the server holds for a
    // client: once the sockets' buffers are full, the hog is cut off for what it leaves
    // unread. A write that blocked would hang the test here.
    std::string requests;
    for (int i = 0; i < 1000; ++i) {
        requests += "\\dump_state\n";
    }
    ASSERT_LT(requests.size(), RigctlServer::kMaxQueued);
    for (int burst = 0; burst < 20 && radio.net.ClientCount() == 2; ++burst) {
        ASSERT_EQ(::send(hog, requests.data(), requests.size(), 0), ssize_t(requests.size()));
        RunUntil([&] { return radio.net.ClientCount() == 1; }, 200);
        ::send(reader, "f\n", 2, 0);
        ASSERT_EQ(ReadLines(reader, 1), frequency) << "burst " << burst;
    }
    EXPECT_EQ(radio.net.ClientCount(), 1);
    EXPECT_EQ(radio.panel.NetClients, 1);
    ::close(hog);
    ::close(reader);
}

TEST_F(RigctlTcpServerTest, clientsThatGoOrAreTooMany_areForgottenAndTheProgramLives)
{
    ASSERT_TRUE(server.listen(QStringLiteral("127.0.0.1"), tcpPort, error));
    std::vector<int> clients;
    for (int i = 0; i <= gui::RigctlTcpServer::kMaxClients; ++i) {
        clients.push_back(Connect(tcpPort));
    }
    ASSERT_TRUE(RunUntil([&] { return radio.net.ClientCount() == 32; }));
    EXPECT_EQ(ReadLines(clients.back(), 1), "<closed>");
    EXPECT_EQ(radio.panel.NetRefused, 1);

    // One half-closes after a request and still gets its answer. One resets after as many
    // request bytes as the server holds: they fill a whole read, so the read meets the
    // reset too and the answers go to a dead socket (a SIGPIPE would end the test program).
    ::send(clients[0], "f\n", 2, 0);
    ::shutdown(clients[0], SHUT_WR);
    std::string requests;
    while (requests.size() < RigctlServer::kMaxQueued) {
        requests += "f\n";
    }
    ASSERT_EQ(::send(clients[1], requests.data(), requests.size(), 0), ssize_t(requests.size()));
    const linger reset{1, 0};
    ::setsockopt(clients[1], SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    ::close(clients[1]);
    const std::string answer = ReadLines(clients[0], 2);
    EXPECT_EQ(answer.substr(answer.find('\n') + 1), "<closed>") << answer;
    EXPECT_TRUE(RunUntil([&] { return radio.net.ClientCount() == 30; }));

    server.close();
    EXPECT_EQ(radio.net.ClientCount(), 0);
    EXPECT_EQ(radio.panel.NetClients, -1);
    EXPECT_EQ(ReadLines(clients[2], 1), "<closed>");
    const int late = Connect(tcpPort);
    EXPECT_EQ(ReadLines(late, 1), "<closed>"); // refused
    for (std::size_t i = 2; i < clients.size(); ++i) {
        ::close(clients[i]);
    }
    ::close(clients[0]);
    ::close(late);
}

TEST_F(RigctlTcpServerTest, outOfDescriptors_waitsWithoutSpinningThenAccepts)
{
    ASSERT_TRUE(server.listen(QStringLiteral("127.0.0.1"), tcpPort, error));
    const int client = Connect(tcpPort);
    // No descriptor can be opened: the limit is the lowest free one.
    rlimit limit{};
    ::getrlimit(RLIMIT_NOFILE, &limit);
    const int lowestFree = ::dup(0);
    ::close(lowestFree);
    const rlimit none{static_cast<rlim_t>(lowestFree), limit.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);

    // Half a second of waiting events: the waiting connection must not keep the loop busy.
    timespec start{}, end{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
    ::setrlimit(RLIMIT_NOFILE, &limit);
    const double cpuMs = (end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6;
    EXPECT_LT(cpuMs, 100) << "processor time while the accept failed";

    EXPECT_TRUE(RunUntil([&] { return radio.net.ClientCount() == 1; }));
    ::send(client, "f\n", 2, 0);
    EXPECT_NE(ReadLines(client, 1).find('\n'), std::string::npos);
    ::close(client);
}

// A client whose computer vanishes without a word (crashed, unplugged) never closes its
// connection. The server probes the idle connection and drops it, so that the transmitter
// the client held lets go. The vanishing: a socket put in repair mode closes silently.
TEST_F(RigctlTcpServerTest, clientThatVanishesSilently_isFoundOutByProbes)
{
    ASSERT_TRUE(server.listen(QStringLiteral("127.0.0.1"), tcpPort, error));
    const int client = Connect(tcpPort);
    ASSERT_TRUE(RunUntil([&] { return radio.net.ClientCount() == 1; }));
    radio.state.CatOn = true;
    radio.enablement.ToggleFunctionButtons();
    ::send(client, "T 1\n", 4, 0);
    ASSERT_EQ(ReadLines(client, 1), "RPRT 0\n");
    ASSERT_TRUE(radio.panel.lblOnAir.Visible);

    const int repair = 1;
    if (::setsockopt(client, IPPROTO_TCP, TCP_REPAIR, &repair, sizeof repair) != 0) {
        ::close(client);
        GTEST_SKIP() << "a socket cannot vanish silently here (needs CAP_NET_ADMIN)";
    }
    ::close(client);
    const int probing = (gui::TcpConnection::kProbeIdleSeconds + 2) * 1000;
    EXPECT_TRUE(RunUntil([&] { return radio.net.ClientCount() == 0; }, probing));
    EXPECT_FALSE(radio.panel.lblOnAir.Visible);
}

// The lists decide by the address a client comes from: 127.0.0.1 may set, 127.0.0.3 only
// read, and 127.0.0.2, on no list, is closed at once and counted.
TEST_F(RigctlTcpServerTest, accessRules_refuseUnlistedClientsAndKeepReadOnlyOnesFromSetting)
{
    NetConfig config;
    config.Allow = {"127.0.0.1"};
    config.ReadOnly = {"127.0.0.3/32"};
    std::string problem;
    server.setRules(*AccessRulesFor(config, problem), 0);
    ASSERT_TRUE(server.listen(QStringLiteral("127.0.0.1"), tcpPort, error));
    radio.state.CatOn = true;
    radio.enablement.ToggleFunctionButtons();

    const int stranger = ConnectFrom("127.0.0.2", tcpPort);
    ::send(stranger, "T 1\n", 4, 0);
    EXPECT_EQ(ReadLines(stranger, 1), "<closed>");
    EXPECT_EQ(radio.panel.NetRefused, 1);
    EXPECT_EQ(radio.panel.NetClients, 0);

    const int logger = ConnectFrom("127.0.0.3", tcpPort);
    ::send(logger, "T 1\nV VFOB\nv\n", 13, 0);
    EXPECT_EQ(ReadLines(logger, 3), "RPRT -9\nRPRT -9\nVFOA\n");
    EXPECT_FALSE(radio.panel.lblOnAir.Visible);
    EXPECT_TRUE(port.written.empty()) << "a read-only client sent something to the radio";

    const int owner = Connect(tcpPort);
    ::send(owner, "V VFOB\nv\n", 9, 0);
    EXPECT_EQ(ReadLines(owner, 2), "RPRT 0\nVFOB\n");
    EXPECT_EQ(radio.panel.NetClients, 2);
    EXPECT_EQ(radio.panel.NetRefused, 1);
    for (const int fd : {stranger, logger, owner}) {
        ::close(fd);
    }
}

// A client that sends nothing for the idle limit is dropped; one that keeps asking stays.
TEST_F(RigctlTcpServerTest, idleClient_isDroppedAfterTheIdleLimit)
{
    server.setRules(AccessRules(), 1);
    ASSERT_TRUE(server.listen(QStringLiteral("127.0.0.1"), tcpPort, error));
    const int silent = Connect(tcpPort);
    const int busy = Connect(tcpPort);
    ASSERT_TRUE(RunUntil([&] { return radio.net.ClientCount() == 2; }));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1800) {
        ::send(busy, "v\n", 2, 0);
        ASSERT_EQ(ReadLines(busy, 1), "VFOA\n") << "after " << clock.elapsed() << " ms";
        RunUntil([] { return false; }, 300);
    }
    EXPECT_EQ(ReadLines(silent, 1), "<closed>");
    EXPECT_EQ(radio.net.ClientCount(), 1);
    EXPECT_EQ(radio.panel.NetRefused, 0) << "an idle client is no refused one";
    ::close(silent);
    ::close(busy);
}

} // namespace
} // namespace dorv::test
