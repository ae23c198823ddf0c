#include "DelayProxy.h"

#include <arpa/inet.h>
#include <deque>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;

struct Chunk {
    Clock::time_point due;
    std::vector<char> bytes;
};

// One direction of a proxied connection: bytes read from `from` wait in the queue until
// their time, then go to `to`.
struct Direction {
    int from = -1;
    int to = -1;
    std::deque<Chunk> queue;
    bool closed = false; // `from` ended; the rest of the queue still goes out
};

sockaddr_in Loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int ConnectTo(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = Loopback(port);
    if (connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

// Reads what waits on the direction's source into its queue; false when the source ended.
bool Take(Direction &d, std::chrono::milliseconds delay)
{
    char buffer[4096];
    const ssize_t n = read(d.from, buffer, sizeof buffer);
    if (n <= 0) {
        return false;
    }
    d.queue.push_back({Clock::now() + delay, std::vector<char>(buffer, buffer + n)});
    return true;
}

// Writes the chunks whose time has come; false when the destination failed.
bool Deliver(Direction &d)
{
    while (!d.queue.empty() && d.queue.front().due <= Clock::now()) {
        const std::vector<char> &bytes = d.queue.front().bytes;
        if (write(d.to, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
            return false;
        }
        d.queue.pop_front();
    }
    return true;
}

int MillisecondsToNextDue(const Direction &a, const Direction &b)
{
    auto next = Clock::now() + std::chrono::milliseconds(50);
    for (const Direction *d : {&a, &b}) {
        if (!d->queue.empty() && d->queue.front().due < next) {
            next = d->queue.front().due;
        }
    }
    const auto wait =
        std::chrono::duration_cast<std::chrono::milliseconds>(next - Clock::now()).count();
    return wait < 0 ? 0 : static_cast<int>(wait) + 1;
}

} // namespace

DelayProxy::DelayProxy(int targetPort, std::chrono::milliseconds oneWay)
    : targetPort_(targetPort), oneWay_(oneWay)
{
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    socklen_t length = sizeof address;
    if (bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        listen(listener_, 4) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { run(); });
}

DelayProxy::~DelayProxy()
{
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    close(listener_);
}

void DelayProxy::run()
{
    // One connection at a time: a new one from the program replaces the last.
    Direction up;   // program -> radio
    Direction down; // radio -> program
    const auto drop = [&] {
        for (int fd : {up.from, up.to}) {
            if (fd >= 0) {
                close(fd);
            }
        }
        up = {};
        down = {};
    };
    while (!stop_) {
        std::vector<pollfd> fds{{listener_, POLLIN, 0}};
        if (up.from >= 0) {
            fds.push_back({up.from, static_cast<short>(up.closed ? 0 : POLLIN), 0});
            fds.push_back({down.from, static_cast<short>(down.closed ? 0 : POLLIN), 0});
        }
        poll(fds.data(), fds.size(), MillisecondsToNextDue(up, down));
        if (fds[0].revents & POLLIN) {
            const int client = accept(listener_, nullptr, nullptr);
            drop();
            const int radio = client >= 0 ? ConnectTo(targetPort_) : -1;
            if (radio < 0) {
                if (client >= 0) {
                    close(client);
                }
                continue;
            }
            up = {client, radio, {}, false};
            down = {radio, client, {}, false};
            continue;
        }
        if (up.from < 0) {
            continue;
        }
        if ((fds[1].revents & (POLLIN | POLLHUP | POLLERR)) && !Take(up, oneWay_)) {
            up.closed = true;
        }
        if ((fds[2].revents & (POLLIN | POLLHUP | POLLERR)) && !Take(down, oneWay_)) {
            down.closed = true;
        }
        const bool delivered = Deliver(up) && Deliver(down);
        const bool drained = (up.closed && up.queue.empty()) || (down.closed && down.queue.empty());
        if (!delivered || drained) {
            drop();
        }
    }
    drop();
}

} // namespace e2e
