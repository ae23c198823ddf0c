#include "link/NetworkPort.h"

#include <QMetaObject>

namespace dorv::gui {

namespace {

// Bytes that may wait unsent, or received and unread, before more are dropped: a far end
// that stops reading, or talks while nobody polls, must not grow a buffer without end.
constexpr qint64 kMaxPendingOutput = 4096;
constexpr std::size_t kMaxInput = 4096;

const char *const kRetried = " It is tried again until it answers.";

} // namespace

NetworkPort::NetworkPort()
{
    timeout_.setSingleShot(true);
    QObject::connect(&timeout_, &QTimer::timeout, &socket_, [this] { onTimeout(); });
    QObject::connect(&socket_, &QTcpSocket::connected, &socket_, [this] { onConnected(); });
    QObject::connect(&socket_, &QTcpSocket::errorOccurred, &socket_,
                     [this](QAbstractSocket::SocketError error) { onError(error); });
    QObject::connect(&socket_, &QTcpSocket::readyRead, &socket_, [this] { pump(); });
}

NetworkPort::~NetworkPort()
{
    // Nothing of this port may be called from the socket's last signals.
    QObject::disconnect(&socket_, nullptr, &socket_, nullptr);
    socket_.abort();
}

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
    const auto state = socket_.state();
    const bool underWay =
        state == QAbstractSocket::HostLookupState || state == QAbstractSocket::ConnectingState;
    if (settings.baudRate != baudRate_ || (!isOpen() && !underWay)) {
        baudRate_ = settings.baudRate;
        connectNow();
    }
    return true;
}

void NetworkPort::connectNow()
{
    connected_ = false;
    socket_.abort();
    input_.clear();
    control_.reset();
    if (link_.kind == NetworkLink::Kind::ComPort) {
        control_ = std::make_unique<ComPortControl>(baudRate_);
    }
    timeout_.start(kConnectTimeoutMs);
    // The name is looked up and the connection made in the background; a refusal from
    // this machine may be reported before connectToHost returns.
    socket_.connectToHost(QString::fromStdString(link_.host), static_cast<quint16>(link_.port));
}

void NetworkPort::close()
{
    timeout_.stop();
    connected_ = false;
    socket_.abort();
    input_.clear();
    control_.reset();
    failure_.clear();
}

bool NetworkPort::isOpen() const
{
    return connected_ && socket_.state() == QAbstractSocket::ConnectedState;
}

std::string NetworkPort::errorString() const
{
    return failure_.empty() ? socket_.errorString().toStdString() : failure_;
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
    if (socket_.state() != QAbstractSocket::UnconnectedState) {
        return "Connecting to " + text_ + "\u2026";
    }
    return {};
}

void NetworkPort::onConnected()
{
    timeout_.stop();
    connected_ = true;
    failure_.clear();
    // A frame goes out whole at once, not held back to join the next one.
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (control_) {
        send(control_->Greeting());
    }
    notify();
}

void NetworkPort::onError(QAbstractSocket::SocketError error)
{
    timeout_.stop();
    if (connected_) {
        connected_ = false;
        fail("The link to " + text_ + " is lost (" + socket_.errorString().toStdString() + ").");
        return;
    }
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        fail("The link to " + text_ +
             " was refused: nothing serves the radio on that port of the host.");
        break;
    case QAbstractSocket::HostNotFoundError:
        fail("The link to " + text_ + " failed: the host " + link_.host + " was not found.");
        break;
    default:
        fail("The link to " + text_ + " failed: " + socket_.errorString().toStdString() + ".");
        break;
    }
}

void NetworkPort::onTimeout()
{
    socket_.abort();
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
    // Queued: the signal that brings the news may come inside a call of this port from
    // the core, which must not be re-entered.
    QMetaObject::invokeMethod(
        &socket_,
        [this] {
            if (changed_) {
                changed_();
            }
        },
        Qt::QueuedConnection);
}

void NetworkPort::pump()
{
    if (socket_.bytesAvailable() <= 0) {
        return;
    }
    const QByteArray got = socket_.readAll();
    Bytes data(got.begin(), got.end());
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
    if (socket_.bytesToWrite() + static_cast<qint64>(wire.size()) > kMaxPendingOutput) {
        return;
    }
    socket_.write(reinterpret_cast<const char *>(wire.data()), static_cast<qint64>(wire.size()));
    socket_.flush();
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
    pump();
    return static_cast<int>(input_.size());
}

Bytes NetworkPort::read(int maxBytes)
{
    pump();
    const auto count = std::min(input_.size(), static_cast<std::size_t>(std::max(maxBytes, 0)));
    Bytes taken(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(count));
    input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(count));
    return taken;
}

void NetworkPort::discardInput()
{
    pump();
    input_.clear();
}

} // namespace dorv::gui
