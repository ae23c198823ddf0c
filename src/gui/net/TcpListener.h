#pragma once

#include "net/ClientNetworks.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <sys/socket.h>

class QSocketNotifier;

namespace dorv::gui {

// An IPv4 or IPv6 socket address with its port.
struct SocketAddress {
    sockaddr_storage storage{};
    socklen_t length = 0;
};

// The address of an IPv4 or IPv6 literal ("localhost" is 127.0.0.1) and port; nothing for
// any other text.
std::optional<SocketAddress> IpSocketAddress(const QString &address, quint16 port);

// The address of the peer of a connected socket; nothing when it is not IPv4 or IPv6.
std::optional<IpAddress> PeerAddress(int fd);

// A non-blocking listening TCP socket watched by the UI thread's event loop: every
// connection that comes in is accepted at once and handed on as a non-blocking descriptor.
class TcpListener {
public:
    // After an accept failed for want of descriptors or memory, the wait before the next try.
    static constexpr int kAcceptRetryMs = 1000;

    TcpListener() = default;
    TcpListener(const TcpListener &) = delete;
    TcpListener &operator=(const TcpListener &) = delete;
    ~TcpListener();

    // Takes each accepted connection; it owns the descriptor from then on.
    std::function<void(int fd)> accepted;

    // Listens on `address`, ending any earlier listening first. 0, or the errno of the
    // call that failed. Like Qt's server: the address is reusable at once after a close,
    // and an IPv6 address serves IPv6 only.
    int listen(const SocketAddress &address);
    void close();
    bool isListening() const { return fd_ >= 0; }

private:
    void acceptAll();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace dorv::gui
