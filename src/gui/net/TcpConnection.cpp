#include "net/TcpConnection.h"

#include <cerrno>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace dorv::gui {

TcpConnection::TcpConnection(int fd, QObject *parent)
    : QObject(parent), fd_(fd), reader_(fd, QSocketNotifier::Read),
      writer_(fd, QSocketNotifier::Write)
{
    // Answers go out as they are made: Nagle's wait for the peer's acknowledgement would
    // hold the second of two answers to pipelined requests for up to its delayed-ACK time.
    const int on = 1;
    ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    // A peer that vanishes without closing (its computer crashed, its network went) is found
    // out: an idle connection is probed, and one whose data or probes go unacknowledged ends
    // (the read then fails), so that a client holding the transmitter lets go of it.
    ::setsockopt(fd_, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    ::setsockopt(fd_, IPPROTO_TCP, TCP_KEEPIDLE, &kProbeIdleSeconds, sizeof kProbeIdleSeconds);
    ::setsockopt(fd_, IPPROTO_TCP, TCP_KEEPINTVL, &kProbeIntervalSeconds,
                 sizeof kProbeIntervalSeconds);
    ::setsockopt(fd_, IPPROTO_TCP, TCP_KEEPCNT, &kProbes, sizeof kProbes);
    ::setsockopt(fd_, IPPROTO_TCP, TCP_USER_TIMEOUT, &kUnacknowledgedMs, sizeof kUnacknowledgedMs);
    writer_.setEnabled(false);
    idleTimer_.setSingleShot(true);
    connect(&idleTimer_, &QTimer::timeout, this, &TcpConnection::idle);
    connect(&reader_, &QSocketNotifier::activated, this, &TcpConnection::readAll);
    connect(&writer_, &QSocketNotifier::activated, this, &TcpConnection::flush);
}

TcpConnection::~TcpConnection()
{
    abort();
}

std::size_t TcpConnection::write(const std::string &bytes)
{
    if (fd_ < 0) {
        return 0;
    }
    unsent_ += bytes;
    if (!writer_.isEnabled()) {
        // A failed send leaves the bytes waiting: the writable notifier tries again and
        // reports it.
        sendWaiting();
        writer_.setEnabled(!unsent_.empty());
    }
    return unsent_.size();
}

void TcpConnection::setIdleLimit(int seconds)
{
    if (seconds > 0) {
        idleTimer_.start(seconds * 1000);
    } else {
        idleTimer_.stop();
    }
}

void TcpConnection::abort()
{
    idleTimer_.stop();
    if (fd_ < 0) {
        return;
    }
    reader_.setEnabled(false);
    writer_.setEnabled(false);
    ::close(fd_);
    fd_ = -1;
    unsent_.clear();
}

void TcpConnection::readAll()
{
    // At most this much per pass: the rest waits for the next one, so a client that floods
    // the socket cannot hold the event loop.
    constexpr std::size_t kMostPerPass = 64 * 1024;
    std::string bytes;
    char chunk[16 * 1024];
    bool ended = false;
    while (bytes.size() < kMostPerPass) {
        const ssize_t got = ::recv(fd_, chunk, sizeof chunk, 0);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            ended = got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
        if (static_cast<std::size_t>(got) < sizeof chunk) {
            break; // the socket had no more
        }
    }
    if (ended) {
        reader_.setEnabled(false);
    }
    if (!bytes.empty() && idleTimer_.isActive()) {
        idleTimer_.start();
    }
    if (!bytes.empty() || ended) {
        emit received(bytes, ended);
    }
}

void TcpConnection::flush()
{
    if (!sendWaiting()) {
        writer_.setEnabled(false);
        emit closed();
        return;
    }
    writer_.setEnabled(!unsent_.empty());
}

bool TcpConnection::sendWaiting()
{
    const ssize_t sent = ::send(fd_, unsent_.data(), unsent_.size(), MSG_NOSIGNAL);
    if (sent < 0) {
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    }
    unsent_.erase(0, static_cast<std::size_t>(sent));
    return true;
}

} // namespace dorv::gui
