#include "net/TcpListener.h"

#include <QSocketNotifier>
#include <QTimer>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <unistd.h>

namespace dorv::gui {

std::optional<SocketAddress> IpSocketAddress(const QString &address, quint16 port)
{
    const QByteArray text =
        address == QStringLiteral("localhost") ? QByteArray("127.0.0.1") : address.toLatin1();
    SocketAddress result;
    auto *v4 = reinterpret_cast<sockaddr_in *>(&result.storage);
    auto *v6 = reinterpret_cast<sockaddr_in6 *>(&result.storage);
    if (inet_pton(AF_INET, text.constData(), &v4->sin_addr) == 1) {
        v4->sin_family = AF_INET;
        v4->sin_port = htons(port);
        result.length = sizeof(sockaddr_in);
    } else if (inet_pton(AF_INET6, text.constData(), &v6->sin6_addr) == 1) {
        v6->sin6_family = AF_INET6;
        v6->sin6_port = htons(port);
        result.length = sizeof(sockaddr_in6);
    } else {
        return std::nullopt;
    }
    return result;
}

std::optional<IpAddress> PeerAddress(int fd)
{
    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    if (::getpeername(fd, reinterpret_cast<sockaddr *>(&peer), &length) != 0) {
        return std::nullopt;
    }
    if (peer.ss_family == AF_INET) {
        std::array<std::uint8_t, 4> bytes{};
        std::memcpy(bytes.data(), &reinterpret_cast<const sockaddr_in &>(peer).sin_addr, 4);
        return IpAddress::FromV4(bytes);
    }
    if (peer.ss_family == AF_INET6) {
        std::array<std::uint8_t, 16> bytes{};
        std::memcpy(bytes.data(), &reinterpret_cast<const sockaddr_in6 &>(peer).sin6_addr, 16);
        return IpAddress::FromV6(bytes);
    }
    return std::nullopt;
}

TcpListener::~TcpListener()
{
    close();
}

int TcpListener::listen(const SocketAddress &address)
{
    close();
    const int family = address.storage.ss_family;
    const int fd = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return errno;
    }
    const int on = 1;
    const bool ready =
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == 0 &&
        (family != AF_INET6 || ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &on, sizeof on) == 0) &&
        ::bind(fd, reinterpret_cast<const sockaddr *>(&address.storage), address.length) == 0 &&
        ::listen(fd, SOMAXCONN) == 0;
    if (!ready) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    fd_ = fd;
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { acceptAll(); });
    return 0;
}

void TcpListener::close()
{
    if (fd_ < 0) {
        return;
    }
    notifier_.reset();
    ::close(fd_);
    fd_ = -1;
}

void TcpListener::acceptAll()
{
    while (fd_ >= 0) {
        const int client = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (client >= 0) {
            accepted(client);
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return; // none left
        } else if (errno != EINTR && errno != ECONNABORTED) {
            // Out of descriptors or memory: the connection stays waiting and would wake the
            // notifier at once, over and over. It is tried again in a second.
            notifier_->setEnabled(false);
            QTimer::singleShot(kAcceptRetryMs, notifier_.get(),
                               [notifier = notifier_.get()] { notifier->setEnabled(true); });
            return;
        }
    }
}

} // namespace dorv::gui
