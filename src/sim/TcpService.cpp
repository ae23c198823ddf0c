#include "TcpService.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace ft897sim {

namespace {

std::runtime_error SystemError(const std::string &what)
{
    return std::runtime_error(what + ": " + std::strerror(errno));
}

std::string Describe(const sockaddr_storage &address)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET6) {
        const auto &in6 = reinterpret_cast<const sockaddr_in6 &>(address);
        inet_ntop(AF_INET6, &in6.sin6_addr, text, sizeof text);
        return "[" + std::string(text) + "]:" + std::to_string(ntohs(in6.sin6_port));
    }
    const auto &in4 = reinterpret_cast<const sockaddr_in &>(address);
    inet_ntop(AF_INET, &in4.sin_addr, text, sizeof text);
    return std::string(text) + ":" + std::to_string(ntohs(in4.sin_port));
}

} // namespace

TcpService::TcpService(const std::string &address, int port)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo *found = nullptr;
    const std::string service = std::to_string(port);
    const int lookup = getaddrinfo(address.c_str(), service.c_str(), &hints, &found);
    if (lookup != 0) {
        throw std::runtime_error(address + ": " + gai_strerror(lookup));
    }
    listen_ = socket(found->ai_family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const int on = 1;
    const bool listening =
        listen_ >= 0 && setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == 0 &&
        bind(listen_, found->ai_addr, found->ai_addrlen) == 0 && listen(listen_, 4) == 0;
    freeaddrinfo(found);
    if (!listening) {
        const auto error = SystemError("cannot listen on " + address + " port " + service);
        if (listen_ >= 0) {
            ::close(listen_);
        }
        throw error;
    }
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    getsockname(listen_, reinterpret_cast<sockaddr *>(&bound), &length);
    address_ = Describe(bound);
}

TcpService::~TcpService()
{
    ::close(listen_);
}

int TcpService::accept()
{
    const int client = accept4(listen_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (client >= 0) {
        const int on = 1;
        setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    }
    return client;
}

} // namespace ft897sim
