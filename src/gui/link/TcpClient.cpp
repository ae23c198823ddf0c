#include "link/TcpClient.h"

#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace dorv::gui {

TcpClient::TcpClient()
{
    QObject::connect(&reader_, &QSocketNotifier::activated, &reader_, [this] { onReadable(); });
    QObject::connect(&writer_, &QSocketNotifier::activated, &writer_, [this] { onWritable(); });
}

TcpClient::~TcpClient()
{
    closeSocket();
}

void TcpClient::connectTo(std::vector<SocketAddress> addresses)
{
    closeSocket();
    addresses_ = std::move(addresses);
    next_ = 0;
    connectNext(EADDRNOTAVAIL);
}

void TcpClient::abort()
{
    closeSocket();
    addresses_.clear();
}

void TcpClient::connectNext(int error)
{
    while (next_ < addresses_.size()) {
        error = startConnection(addresses_[next_++]);
        if (error == 0) {
            return;
        }
    }
    addresses_.clear();
    if (failed) {
        failed(error);
    }
}

int TcpClient::startConnection(const SocketAddress &address)
{
    const int fd =
        ::socket(address.storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return errno;
    }
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address.storage), address.length) != 0 &&
        errno != EINPROGRESS && errno != EINTR) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    // Made or under way: the socket turns writable once it is settled either way.
    fd_ = fd;
    connected_ = false;
    reader_.setSocket(fd);
    writer_.setSocket(fd);
    writer_.setEnabled(true);
    return 0;
}

void TcpClient::closeSocket()
{
    if (fd_ < 0) {
        return;
    }
    reader_.setEnabled(false);
    writer_.setEnabled(false);
    ::close(fd_);
    fd_ = -1;
    connected_ = false;
    unsent_.clear();
    ++generation_;
}

void TcpClient::onWritable()
{
    if (!connected_) {
        onConnectDone();
        return;
    }
    if (const int error = sendWaiting()) {
        closeSocket();
        if (lost) {
            lost(error);
        }
        return;
    }
    writer_.setEnabled(!unsent_.empty());
}

void TcpClient::onConnectDone()
{
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) != 0) {
        error = errno;
    }
    if (error != 0) {
        closeSocket();
        connectNext(error);
        return;
    }
    connected_ = true;
    addresses_.clear();
    // A frame goes out whole at once, not held back to join the next one.
    const int on = 1;
    ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    writer_.setEnabled(false);
    reader_.setEnabled(true);
    if (connected) {
        connected();
    }
}

void TcpClient::onReadable()
{
    Bytes data;
    int error = 0;
    const bool ended = readAvailable(data, error);
    if (ended) {
        closeSocket();
    }
    const unsigned generation = generation_;
    if (!data.empty() && received) {
        received(data);
    }
    // Unless the bytes' handler already dropped this connection or made a new one.
    if (ended && generation == generation_ && lost) {
        lost(error);
    }
}

bool TcpClient::readAvailable(Bytes &into, int &error)
{
    // At most this much per pass: the rest waits for the next one, so a peer that floods
    // the socket cannot hold the event loop.
    constexpr std::size_t kMostPerPass = 64 * 1024;
    std::uint8_t chunk[4096];
    while (into.size() < kMostPerPass) {
        const ssize_t got = ::recv(fd_, chunk, sizeof chunk, 0);
        if (got > 0) {
            into.insert(into.end(), chunk, chunk + got);
            if (static_cast<std::size_t>(got) < sizeof chunk) {
                return false; // the socket had no more: no second call to hear so
            }
        } else if (got == 0) {
            error = 0;
            return true;
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return false;
        } else if (errno != EINTR) {
            error = errno;
            return true;
        }
    }
    return false;
}

void TcpClient::write(const Bytes &bytes)
{
    if (!isConnected()) {
        return;
    }
    const bool writerArmed = !unsent_.empty();
    unsent_.insert(unsent_.end(), bytes.begin(), bytes.end());
    if (writerArmed) {
        return;
    }
    // A failed send keeps the bytes: the writable notifier tries again and reports it.
    sendWaiting();
    writer_.setEnabled(!unsent_.empty());
}

int TcpClient::sendWaiting()
{
    while (!unsent_.empty()) {
        const ssize_t sent = ::send(fd_, unsent_.data(), unsent_.size(), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : errno;
        }
        unsent_.erase(unsent_.begin(), unsent_.begin() + sent);
    }
    return 0;
}

} // namespace dorv::gui
