#include "link/NetworkPort.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <condition_variable>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <netdb.h>

namespace dorv::gui {
namespace {

constexpr unsigned char IAC = 255, SB = 250, SE = 240, WILL = 251, DO = 253, DONT = 254, ECHO = 1,
                        COMPORT = 44;

// Runs the event loop until the condition holds or two seconds pass.
template <typename Condition> bool EventsUntil(Condition condition)
{
    QElapsedTimer waited;
    waited.start();
    while (!condition() && waited.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return condition();
}

// Runs the event loop for a while, for what must not happen.
void EventsFor(int milliseconds)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

QByteArray Wire(std::initializer_list<unsigned char> bytes)
{
    QByteArray out;
    for (const unsigned char b : bytes) {
        out.append(static_cast<char>(b));
    }
    return out;
}

// A name server under the test's hand: every lookup waits until released, then answers
// with the addresses given for the port asked (nothing: the name is not known).
class HeldNameServer {
public:
    HostLookup::Resolver resolver() const
    {
        return [state = state_](const std::string &, int port) {
            std::unique_lock lock(state->mutex);
            ++state->asked;
            state->changed.wait(lock, [&] { return state->released; });
            HostAddresses found;
            for (const std::string &host : state->hosts) {
                const auto numeric = NumericAddresses(host, port);
                found.addresses.insert(found.addresses.end(), numeric->begin(), numeric->end());
            }
            found.error = found.addresses.empty() ? EAI_NONAME : 0;
            ++state->answered;
            state->changed.notify_all();
            return found;
        };
    }

    // Lets every lookup, waiting or to come, answer with these numeric hosts.
    void release(std::vector<std::string> hosts)
    {
        const std::lock_guard lock(state_->mutex);
        state_->hosts = std::move(hosts);
        state_->released = true;
        state_->changed.notify_all();
    }
    void hold()
    {
        const std::lock_guard lock(state_->mutex);
        state_->released = false;
    }
    int asked() const
    {
        const std::lock_guard lock(state_->mutex);
        return state_->asked;
    }
    // Waits until `count` lookups have answered.
    bool answered(int count) const
    {
        std::unique_lock lock(state_->mutex);
        return state_->changed.wait_for(lock, std::chrono::seconds(2),
                                        [&] { return state_->answered >= count; });
    }

private:
    // Shared with the lookups' threads, which may outlive the test's objects.
    struct State {
        mutable std::mutex mutex;
        std::condition_variable changed;
        bool released = false;
        std::vector<std::string> hosts;
        int asked = 0;
        int answered = 0;
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
};

// The far end of the link: a serial server on a loopback port of its own.
class NetworkPortTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0)); }

    std::string url(const char *scheme) const
    {
        return std::string(scheme) + "://127.0.0.1:" + std::to_string(server.serverPort());
    }

    void use(NetworkLink::Kind kind, const std::string &text)
    {
        port.setLink({kind, "127.0.0.1", server.serverPort()}, text);
        port.setChangeHandler([this] { ++changes; });
    }

    // Opens the port and takes the connection at the far end.
    void connect(int rate = 9600)
    {
        ASSERT_TRUE(port.open({1, rate}));
        ASSERT_TRUE(EventsUntil([&] { return port.isOpen() && server.hasPendingConnections(); }))
            << port.linkCondition();
        far = server.nextPendingConnection();
    }

    // What the far end received, once it holds at least `count` bytes.
    QByteArray received(int count)
    {
        EventsUntil([&] { return far->bytesAvailable() >= count; });
        return far->readAll();
    }

    HeldNameServer names;
    QTcpServer server;
    NetworkPort port{names.resolver()};
    QTcpSocket *far = nullptr;
    int changes = 0;
};

TEST_F(NetworkPortTest, raw_framesDroppedWhileConnectingThenEveryByteBothWays)
{
    const std::string link = url("tcp");
    use(NetworkLink::Kind::Raw, link);
    ASSERT_TRUE(port.open({1, 9600}));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.linkCondition(), "Connecting to " + link + "\u2026");
    port.write({0x00, 0x00, 0x00, 0x00, 0x08}); // would key the transmitter, seconds late
    ASSERT_TRUE(EventsUntil([&] { return port.isOpen() && server.hasPendingConnections(); }));
    far = server.nextPendingConnection();
    EXPECT_EQ(port.linkCondition(), "");
    EXPECT_GE(changes, 1) << "nobody was told of the connection";

    port.write({0x14, 0xFF, 0x0D, 0x0A, 0x01});
    EXPECT_EQ(received(5), QByteArray("\x14\xFF\x0D\x0A\x01", 5))
        << "the frame written while connecting went out late";
    far->write(QByteArray("\x80\xFF\x09", 3));
    ASSERT_TRUE(EventsUntil([&] { return port.bytesAvailable() == 3; }));
    EXPECT_EQ(port.read(2), (Bytes{0x80, 0xFF}));
    port.discardInput();
    EXPECT_EQ(port.bytesAvailable(), 0);
}

TEST_F(NetworkPortTest, arrivingDataIsToldButTelnetNegotiationIsNot)
{
    use(NetworkLink::Kind::ComPort, url("rfc2217"));
    int told = 0;
    port.setArrivalHandler([&] { ++told; });
    connect();
    far->write(Wire({IAC, DO, ECHO}));
    far->flush();
    EventsUntil([&] { return far->bytesAvailable() > 0; });
    EXPECT_EQ(told, 0) << "negotiation is no reply";
    far->write(Wire({0x89}));
    ASSERT_TRUE(EventsUntil([&] { return told > 0; }));
    EXPECT_EQ(port.read(1), (Bytes{0x89}));
}

TEST_F(NetworkPortTest, lost_notOpenSaysSoAndTheNextOpenConnectsAgain)
{
    const std::string link = url("tcp");
    use(NetworkLink::Kind::Raw, link);
    connect();
    const int before = changes;
    far->close();
    ASSERT_TRUE(EventsUntil([&] { return !port.isOpen(); }));
    EXPECT_EQ(port.linkCondition().rfind("The link to " + link + " is lost", 0), 0u)
        << port.linkCondition();
    EXPECT_EQ(port.linkCondition().find("plug"), std::string::npos);
    EXPECT_TRUE(EventsUntil([&] { return changes > before; })) << "nobody was told of the loss";
    port.write({0, 0, 0, 0, 0xE7}); // lost with the connection, not kept for the next one

    connect();
    port.write({0, 0, 0, 0, 0xF7});
    EXPECT_EQ(received(5), QByteArray("\x00\x00\x00\x00\xF7", 5));
}

TEST_F(NetworkPortTest, refused_saidInPlainWordsAndTriedAgainOnOpen)
{
    const quint16 closed = server.serverPort();
    server.close();
    const std::string link = "tcp://127.0.0.1:" + std::to_string(closed);
    port.setLink({NetworkLink::Kind::Raw, "127.0.0.1", closed}, link);
    ASSERT_TRUE(port.open({1, 9600}));
    ASSERT_TRUE(EventsUntil([&] {
        return port.linkCondition().find("refused") != std::string::npos;
    })) << port.linkCondition();
    EXPECT_EQ(port.linkCondition(), "The link to " + link +
                                        " was refused: nothing serves the radio on that port of "
                                        "the host. It is tried again until it answers.");

    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, closed));
    ASSERT_TRUE(port.open({1, 9600}));
    EXPECT_TRUE(EventsUntil([&] { return port.isOpen(); })) << port.linkCondition();
}

TEST_F(NetworkPortTest, comPort_lineSetWhenTakenAndFFEscapedBothWays)
{
    use(NetworkLink::Kind::ComPort, url("rfc2217"));
    connect(38400);
    EXPECT_EQ(received(3).left(3), Wire({IAC, WILL, COMPORT}));

    far->write(Wire({IAC, DO, COMPORT}));
    // The rate, then data size, parity, stop bits and flow control.
    const QByteArray rate = Wire({IAC, SB, COMPORT, 1, 0x00, 0x00, 0x96, 0x00, IAC, SE});
    const QByteArray line = received(rate.size() + 4 * 7);
    EXPECT_EQ(line.left(rate.size()), rate) << "the line was not set";
    EXPECT_EQ(line.mid(rate.size() + 4 * 7 - 7), Wire({IAC, SB, COMPORT, 5, 1, IAC, SE}));

    port.write({0x01, 0xFF, 0x03});
    EXPECT_EQ(received(4), Wire({0x01, IAC, IAC, 0x03}));
    // A reply holding FF, with a notice and a question of the far end's in the middle.
    far->write(Wire({IAC, IAC, IAC, SB, COMPORT, 107, 0x30, IAC, SE, 0x80, IAC, WILL, ECHO}));
    ASSERT_TRUE(EventsUntil([&] { return port.bytesAvailable() == 2; }));
    EXPECT_EQ(port.read(5), (Bytes{0xFF, 0x80}));
    EXPECT_EQ(received(3), Wire({IAC, DONT, ECHO}));
}

TEST_F(NetworkPortTest, comPort_newRateReconnectsSoTheLineIsSetAgain)
{
    use(NetworkLink::Kind::ComPort, url("rfc2217"));
    connect(9600);
    QTcpSocket *first = far;
    // As at a CAT rate change: the link is opened again at the new rate.
    ASSERT_TRUE(port.open({1, 38400}));
    ASSERT_TRUE(EventsUntil([&] { return port.isOpen() && server.hasPendingConnections(); }));
    far = server.nextPendingConnection();
    EXPECT_TRUE(EventsUntil([&] { return first->state() != QAbstractSocket::ConnectedState; }));
    received(15);
    far->write(Wire({IAC, DO, COMPORT}));
    EXPECT_EQ(received(10).left(10), Wire({IAC, SB, COMPORT, 1, 0x00, 0x00, 0x96, 0x00, IAC, SE}));
}

TEST_F(NetworkPortTest, byName_lookedUpWithoutStallingTheEventLoopThenConnects)
{
    // localhost comes from the hosts file: no name server is asked.
    NetworkPort byName;
    const std::string link = "tcp://localhost:" + std::to_string(server.serverPort());
    byName.setLink({NetworkLink::Kind::Raw, "localhost", server.serverPort()}, link);
    ASSERT_TRUE(byName.open({1, 9600}));
    EXPECT_EQ(byName.linkCondition(), "Connecting to " + link + "\u2026");
    EXPECT_TRUE(EventsUntil([&] { return byName.isOpen() && server.hasPendingConnections(); }))
        << byName.linkCondition();
}

TEST_F(NetworkPortTest, byName_unknownHostSaidInPlainWords)
{
    const std::string link = "tcp://radio.invalid:" + std::to_string(server.serverPort());
    port.setLink({NetworkLink::Kind::Raw, "radio.invalid", server.serverPort()}, link);
    port.setChangeHandler([this] { ++changes; });
    names.release({});
    ASSERT_TRUE(port.open({1, 9600}));
    ASSERT_TRUE(EventsUntil([&] { return changes > 0; })) << port.linkCondition();
    EXPECT_EQ(port.linkCondition(), "The link to " + link +
                                        " failed: the host radio.invalid was not found. It is "
                                        "tried again until it answers.");
}

TEST_F(NetworkPortTest, byName_everyAddressTriedInTurnUntilOneTakesTheConnection)
{
    port.setLink({NetworkLink::Kind::Raw, "radio.lan", server.serverPort()}, "tcp://radio.lan");
    // Nothing listens on the first two (the server takes 127.0.0.1 only).
    names.release({"::1", "127.0.0.2", "127.0.0.1"});
    ASSERT_TRUE(port.open({1, 9600}));
    EXPECT_TRUE(EventsUntil([&] { return port.isOpen() && server.hasPendingConnections(); }))
        << port.linkCondition();
}

TEST_F(NetworkPortTest, byName_answerComingAfterCloseIsDroppedAndAReopenTakesUpTheLookupUnderWay)
{
    port.setLink({NetworkLink::Kind::Raw, "radio.lan", server.serverPort()}, "tcp://radio.lan");
    port.setChangeHandler([this] { ++changes; });
    ASSERT_TRUE(port.open({1, 9600}));
    names.release({"127.0.0.1"});
    ASSERT_TRUE(names.answered(1)); // on its way to the event loop
    port.close();
    EventsFor(200);
    EXPECT_FALSE(server.hasPendingConnections()) << "connected after the port was closed";
    EXPECT_EQ(port.linkCondition(), "");
    EXPECT_EQ(changes, 0);

    // Retried while the name server is slow: one lookup, whose answer the port takes.
    names.hold();
    ASSERT_TRUE(port.open({1, 9600}));
    port.close();
    ASSERT_TRUE(port.open({1, 9600}));
    names.release({"127.0.0.1"});
    EXPECT_TRUE(EventsUntil([&] { return port.isOpen(); })) << port.linkCondition();
    EXPECT_EQ(names.asked(), 2);
}

TEST_F(NetworkPortTest, byName_portGoneWhileLookingUp_answerGoesNowhere)
{
    auto gone = std::make_unique<NetworkPort>(names.resolver());
    gone->setLink({NetworkLink::Kind::Raw, "radio.lan", server.serverPort()}, "tcp://radio.lan");
    ASSERT_TRUE(gone->open({1, 9600}));
    gone.reset();
    names.release({"127.0.0.1"});
    ASSERT_TRUE(names.answered(1));
    EventsFor(200);
    EXPECT_FALSE(server.hasPendingConnections());
}

} // namespace
} // namespace dorv::gui
