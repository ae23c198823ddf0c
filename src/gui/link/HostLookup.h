#pragma once

#include "net/TcpListener.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dorv::gui {

// The TCP addresses of a host and port, in the order to try them.
struct HostAddresses {
    std::vector<SocketAddress> addresses;
    int error = 0; // getaddrinfo's code (EAI_…) when there are none
};

// The addresses of a host and port from getaddrinfo. May wait long for a name server.
HostAddresses ResolveHost(const std::string &host, int port);

// The address of a numeric host (an IPv4 address, or an IPv6 one without brackets);
// nothing when the host is a name. Never waits.
std::optional<std::vector<SocketAddress>> NumericAddresses(const std::string &host, int port);

// Looks a host name up on a thread of its own, so that a slow or silent name server never
// stalls the event loop, and hands the addresses to the event loop of the thread that
// made this object.
//
// One lookup is awaited at a time. cancel(), or start() for another host, drops the
// awaited one: its thread runs on until its answer comes, then ends without touching this
// object, which may be gone by then. start() for the host of a dropped lookup whose
// thread still runs takes that lookup up again instead of starting one more thread, so
// that retrying twice a second against a silent name server does not pile threads up.
class HostLookup {
public:
    using Resolver = std::function<HostAddresses(const std::string &host, int port)>;
    using Done = std::function<void(const HostAddresses &)>;

    // resolve runs on the lookup's thread.
    explicit HostLookup(Resolver resolve);
    HostLookup(const HostLookup &) = delete;
    HostLookup &operator=(const HostLookup &) = delete;
    ~HostLookup();

    // `done` is called from the event loop, never inside this call.
    void start(const std::string &host, int port, Done done);
    void cancel();
    bool pending() const { return awaited_; }

private:
    struct Request;
    bool resume(const std::string &host, int port);
    void deliver(const std::shared_ptr<Request> &request, const HostAddresses &found);

    Resolver resolve_;
    QObject receiver_; // where answers are posted; those not yet delivered die with it
    std::shared_ptr<Request> request_; // the last lookup started, awaited or not
    bool awaited_ = false;
    Done done_;
};

} // namespace dorv::gui
