#include "link/NetworkPort.h"

#include <QMetaObject>
#include <cerrno>
#include <cstring>
#include <netdb.h>

namespace dorv::gui {

namespace {

// Bytes that may wait unsent, or received and unread, before more are dropped: a far end
// that stops reading, or talks while nobody polls, must not grow a buffer without end.
constexpr std::size_t kMaxPendingOutput = 4096;
constexpr std::size_t kMaxInput = 4096;

const char *const kRetried = " It is tried again until it answers.";

} // namespace

NetworkPort::NetworkPort(HostLookup::Resolver resolve) : lookup_(std::move(resolve))
{
    timeout_.setSingleShot(true);
    QObject::connect(&timeout_, &QTimer::timeout, &events_, [this] { onTimeout(); });
    socket_.connected = [this] { onConnected(); };
    socket_.failed = [this](int error) { onFailed(error); };
    socket_.lost = [this](int error) { onLost(error); };
    socket_.received = [this](const Bytes &bytes) { onReceived(bytes); };
}

NetworkPort::~NetworkPort() = default;

void NetworkPort::setLink(const NetworkLink &link, const std::string &text)
{
    if (text != text_) {
        close();
    }
    link_ = link;
    text_ = text;
}

bool NetworkPort::open(const SerialSettings &settings)
{
    // A connection made, or one under way, at this rate is kept: it is tried again only
    // once it failed. The line is set at each connection, so a new rate needs a new one.
    const bool underWay = lookup_.pending() || socket_.isConnecting();
    if (settings.baudRate != baudRate_ || (!isOpen() && !underWay)) {
        baudRate_ = settings.baudRate;
        connectNow();
    }
    return true;
}

void NetworkPort::connectNow()
{
    socket_.abort();
    lookup_.cancel();
    input_.clear();
    control_.reset();
    if (link_.kind == NetworkLink::Kind::ComPort) {
        control_ = std::make_unique<ComPortControl>(baudRate_);
    }
    timeout_.start(kConnectTimeoutMs);
    // A refusal from this machine may be reported before connectTo returns.
    if (auto numeric = NumericAddresses(link_.host, link_.port)) {
        socket_.connectTo(std::move(*numeric));
    } else {
        lookup_.start(link_.host, link_.port,
                      [this](const HostAddresses &found) { onLookedUp(found); });
    }
}

void NetworkPort::close()
{
    timeout_.stop();
    socket_.abort();
    lookup_.cancel();
    input_.clear();
    control_.reset();
    failure_.clear();
}

bool NetworkPort::isOpen() const
{
    return socket_.isConnected();
}

std::string NetworkPort::errorString() const
{
    return failure_;
}

std::string NetworkPort::linkCondition() const
{
    if (isOpen()) {
        if (control_ && control_->comPortRefused()) {
            return "The far end of " + text_ +
                   " does not take the com-port option: the radio's line keeps the rate set "
                   "there.";
        }
        return {};
    }
    if (!failure_.empty()) {
        return failure_ + kRetried;
    }
    if (lookup_.pending() || socket_.isConnecting()) {
        return "Connecting to " + text_ + "\u2026";
    }
    return {};
}

void NetworkPort::onLookedUp(const HostAddresses &found)
{
    if (!found.addresses.empty()) {
        socket_.connectTo(found.addresses);
        return;
    }
    timeout_.stop();
    const bool unknown = found.error == EAI_NONAME || found.error == EAI_FAIL ||
                         found.error == EAI_NODATA || found.error == 0;
    fail("The link to " + text_ + " failed: " +
         (unknown ? "the host " + link_.host + " was not found"
                  : std::string(::gai_strerror(found.error))) +
         ".");
}

void NetworkPort::onConnected()
{
    timeout_.stop();
    failure_.clear();
    if (control_) {
        send(control_->Greeting());
    }
    notify();
}

void NetworkPort::onFailed(int error)
{
    timeout_.stop();
    if (error == ECONNREFUSED) {
        fail("The link to " + text_ +
             " was refused: nothing serves the radio on that port of the host.");
    } else {
        fail("The link to " + text_ + " failed: " + std::strerror(error) + ".");
    }
}

void NetworkPort::onLost(int error)
{
    fail("The link to " + text_ + " is lost (" +
         (error == 0 ? std::string("The remote host closed the connection")
                     : std::string(std::strerror(error))) +
         ").");
}

void NetworkPort::onTimeout()
{
    socket_.abort();
    lookup_.cancel();
    fail("The link to " + text_ + " failed: the host did not answer within " +
         std::to_string(kConnectTimeoutMs / 1000) + " s.");
}

void NetworkPort::fail(const std::string &why)
{
    failure_ = why;
    notify();
}

void NetworkPort::notify()
{
    // Queued: the news may come inside a call of this port from the core, which must not
    // be re-entered.
    QMetaObject::invokeMethod(
        &events_,
        [this] {
            if (changed_) {
                changed_();
            }
        },
        Qt::QueuedConnection);
}

void NetworkPort::onReceived(const Bytes &bytes)
{
    Bytes data = bytes;
    if (control_) {
        Bytes answer;
        data = control_->Receive(data, answer);
        if (!answer.empty()) {
            send(answer);
        }
    }
    input_.insert(input_.end(), data.begin(), data.end());
    if (input_.size() > kMaxInput) {
        // The newest bytes are the ones a request still waits for.
        input_.erase(input_.begin(), input_.end() - static_cast<std::ptrdiff_t>(kMaxInput));
    }
    if (!data.empty() && arrival_) {
        arrival_();
    }
}

void NetworkPort::send(const Bytes &wire)
{
    // A frame that does not fit is dropped whole rather than cut, which would shift every
    // later frame at the radio.
    if (socket_.pendingOutput() + wire.size() > kMaxPendingOutput) {
        return;
    }
    socket_.write(wire);
}

void NetworkPort::write(const Bytes &bytes)
{
    if (!isOpen()) {
        return; // still connecting, or gone: the frame is lost as on a cable pulled
    }
    send(control_ ? ComPortControl::Escape(bytes) : bytes);
}

int NetworkPort::bytesAvailable()
{
    return static_cast<int>(input_.size());
}

Bytes NetworkPort::read(int maxBytes)
{
    const auto count = std::min(input_.size(), static_cast<std::size_t>(std::max(maxBytes, 0)));
    Bytes taken(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(count));
    input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(count));
    return taken;
}

void NetworkPort::discardInput()
{
    input_.clear();
}

} // namespace dorv::gui
