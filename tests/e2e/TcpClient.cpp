#include "TcpClient.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace e2e {

namespace {

sockaddr_in Loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool Readable(int fd, int timeoutMs)
{
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, timeoutMs) > 0;
}

} // namespace

TcpClient::~TcpClient()
{
    close();
}

bool TcpClient::connectTo(int port, int timeoutMs, const std::string &source)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        close();
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        if (!source.empty()) {
            sockaddr_in from = Loopback(0);
            if (inet_pton(AF_INET, source.c_str(), &from.sin_addr) != 1 ||
                (ntohl(from.sin_addr.s_addr) >> 24) != 127 ||
                bind(fd_, reinterpret_cast<const sockaddr *>(&from), sizeof from) != 0) {
                close();
                return false;
            }
        }
        const sockaddr_in address = Loopback(port);
        if (connect(fd_, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < end);
    close();
    return false;
}

void TcpClient::close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

void TcpClient::reset()
{
    if (fd_ >= 0) {
        const linger abort{1, 0};
        setsockopt(fd_, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
    }
    close();
}

bool TcpClient::send(const std::string &bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string TcpClient::receive(int firstMs, int quietMs)
{
    std::string out;
    char buffer[4096];
    int wait = firstMs;
    while (fd_ >= 0 && Readable(fd_, wait)) {
        const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
        if (n <= 0) {
            break;
        }
        out.append(buffer, static_cast<std::size_t>(n));
        wait = quietMs;
    }
    return out;
}

std::string TcpClient::receiveLines(int count, int timeoutMs)
{
    std::string out;
    char buffer[4096];
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    auto lines = [&out] {
        int n = 0;
        for (const char c : out) {
            n += c == '\n';
        }
        return n;
    };
    while (fd_ >= 0 && lines() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Readable(fd_, static_cast<int>(left.count()))) {
            break;
        }
        const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
        if (n <= 0) {
            break;
        }
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return out;
}

bool TcpClient::closedByPeer(int timeoutMs)
{
    char buffer[4096];
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        if (!Readable(fd_, 100)) {
            continue;
        }
        const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return true;
        }
    }
    return false;
}

int FreeLoopbackPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

} // namespace e2e
