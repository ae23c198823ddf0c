#include "net/RigctlTcpServer.h"

#include "net/RigctlServer.h"
#include "net/TcpConnection.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace dorv::gui {

RigctlTcpServer::RigctlTcpServer(RigctlServer &protocol, QObject *parent)
    : QObject(parent), protocol_(protocol)
{
    protocol_.Send = [this](int id, const std::string &bytes) -> std::size_t {
        TcpConnection *connection = connections_.value(id);
        return connection != nullptr ? connection->write(bytes) : 0;
    };
    protocol_.Drop = [this](int id) {
        // Closed from the event loop: the request that asked for it may still be running.
        QMetaObject::invokeMethod(
            this, [this, id] { forget(id); }, Qt::QueuedConnection);
    };
    listener_.accepted = [this](int fd) { accept(fd); };
}

RigctlTcpServer::~RigctlTcpServer()
{
    close();
    protocol_.Send = nullptr;
    protocol_.Drop = nullptr;
}

bool RigctlTcpServer::listen(const QString &address, quint16 port, QString &error)
{
    close();
    const std::optional<SocketAddress> place = IpSocketAddress(address, port);
    if (!place) {
        error = tr("\"%1\" is not an IP address.").arg(address);
        return false;
    }
    if (const int failure = listener_.listen(*place); failure != 0) {
        error =
            failure == EADDRINUSE
                ? tr("Port %1 on %2 is already in use by another program.").arg(port).arg(address)
                : tr("Cannot listen on port %1 of %2: %3.")
                      .arg(port)
                      .arg(address, QString::fromLocal8Bit(std::strerror(failure)));
        return false;
    }
    protocol_.SetListening(true);
    return true;
}

void RigctlTcpServer::close()
{
    listener_.close();
    const QList<int> ids = connections_.keys();
    for (const int id : ids) {
        forget(id);
    }
    protocol_.SetListening(false);
}

void RigctlTcpServer::setRules(const AccessRules &rules, int idleSeconds)
{
    rules_ = rules;
    idleSeconds_ = idleSeconds;
}

void RigctlTcpServer::accept(int fd)
{
    const std::optional<IpAddress> peer = PeerAddress(fd);
    const ClientAccess access = peer ? rules_.For(*peer) : ClientAccess::Refused;
    if (access == ClientAccess::Refused || connections_.size() >= kMaxClients) {
        ::close(fd);
        protocol_.CountRefused();
        return;
    }
    auto *connection = new TcpConnection(fd, this);
    const int id = protocol_.OpenClient(access == ClientAccess::ReadOnly);
    connections_.insert(id, connection);
    connect(connection, &TcpConnection::received, this,
            [this, id](const std::string &bytes, bool ended) { receive(id, bytes, ended); });
    connect(connection, &TcpConnection::closed, this, [this, id] { forget(id); });
    connect(connection, &TcpConnection::idle, this, [this, id] { forget(id); });
    connection->setIdleLimit(idleSeconds_);
}

void RigctlTcpServer::receive(int id, const std::string &bytes, bool ended)
{
    if (!bytes.empty()) {
        // May run events, in which this client can go: it is looked up again below.
        protocol_.Receive(id, bytes);
    }
    if (ended) {
        forget(id);
    }
}

void RigctlTcpServer::forget(int id)
{
    TcpConnection *connection = connections_.take(id);
    if (connection == nullptr) {
        return;
    }
    // Deleted later: its own signal may be what brought us here.
    connection->abort();
    connection->deleteLater();
    protocol_.CloseClient(id);
}

} // namespace dorv::gui
