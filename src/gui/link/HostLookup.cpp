#include "link/HostLookup.h"

#include <QMetaObject>
#include <cstring>
#include <mutex>
#include <netdb.h>
#include <thread>

namespace dorv::gui {

namespace {

HostAddresses Resolve(const std::string &host, int port, int flags)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags | AI_NUMERICSERV;
    addrinfo *list = nullptr;
    HostAddresses found;
    found.error = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &list);
    if (found.error != 0) {
        return found;
    }
    for (const addrinfo *entry = list; entry != nullptr; entry = entry->ai_next) {
        SocketAddress address;
        if (entry->ai_addrlen <= sizeof address.storage) {
            std::memcpy(&address.storage, entry->ai_addr, entry->ai_addrlen);
            address.length = entry->ai_addrlen;
            found.addresses.push_back(address);
        }
    }
    ::freeaddrinfo(list);
    return found;
}

} // namespace

HostAddresses ResolveHost(const std::string &host, int port)
{
    return Resolve(host, port, 0);
}

std::optional<std::vector<SocketAddress>> NumericAddresses(const std::string &host, int port)
{
    HostAddresses found = Resolve(host, port, AI_NUMERICHOST);
    if (found.addresses.empty()) {
        return std::nullopt;
    }
    return std::move(found.addresses);
}

// Shared by the lookup's thread and the event loop's side.
struct HostLookup::Request {
    Request(std::string h, int p, QObject *r) : host(std::move(h)), port(p), receiver(r) {}

    const std::string host;
    const int port;
    std::mutex mutex;
    QObject *receiver;     // null while nobody awaits the answer; guarded by mutex
    bool finished = false; // the answer came; guarded by mutex
};

HostLookup::HostLookup(Resolver resolve) : resolve_(std::move(resolve)) {}

HostLookup::~HostLookup()
{
    cancel();
}

void HostLookup::start(const std::string &host, int port, Done done)
{
    done_ = std::move(done);
    if (resume(host, port)) {
        awaited_ = true;
        return;
    }
    cancel();
    awaited_ = true;
    request_ = std::make_shared<Request>(host, port, &receiver_);
    // The thread holds the request, never this object: `this` is only passed on inside
    // what is posted to receiver_, which is delivered only while receiver_ lives.
    std::thread([request = request_, resolve = resolve_, lookup = this] {
        HostAddresses found = resolve(request->host, request->port);
        const std::lock_guard lock(request->mutex);
        request->finished = true;
        if (request->receiver != nullptr) {
            QMetaObject::invokeMethod(
                request->receiver,
                [lookup, request, found = std::move(found)] { lookup->deliver(request, found); },
                Qt::QueuedConnection);
        }
    }).detach();
}

bool HostLookup::resume(const std::string &host, int port)
{
    if (!request_ || request_->host != host || request_->port != port) {
        return false;
    }
    const std::lock_guard lock(request_->mutex);
    if (request_->finished) {
        return false; // asked again, the name is looked up again
    }
    request_->receiver = &receiver_;
    return true;
}

void HostLookup::cancel()
{
    awaited_ = false;
    if (request_) {
        const std::lock_guard lock(request_->mutex);
        request_->receiver = nullptr;
    }
}

void HostLookup::deliver(const std::shared_ptr<Request> &request, const HostAddresses &found)
{
    // Posted before a cancel() or a start() for another host: nobody awaits it now.
    if (request != request_ || !awaited_) {
        return;
    }
    awaited_ = false;
    const Done done = std::move(done_);
    done(found);
}

} // namespace dorv::gui
