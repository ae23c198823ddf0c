#include "net/RigctlTcpServer.h"

#include "net/RigctlServer.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace dorv::gui {

RigctlTcpServer::RigctlTcpServer(RigctlServer &protocol, QObject *parent)
    : QObject(parent), protocol_(protocol)
{
    protocol_.Send = [this](int id, const std::string &bytes) -> std::size_t {
        QTcpSocket *socket = sockets_.value(id);
        if (socket == nullptr) {
            return 0;
        }
        socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
        return static_cast<std::size_t>(socket->bytesToWrite());
    };
    protocol_.Drop = [this](int id) {
        // Closed from the event loop: the request that asked for it may still be running.
        QMetaObject::invokeMethod(
            this,
            [this, id] {
                if (QTcpSocket *socket = sockets_.value(id)) {
                    forget(id);
                    socket->abort();
                    socket->deleteLater();
                }
            },
            Qt::QueuedConnection);
    };
    connect(&server_, &QTcpServer::newConnection, this, &RigctlTcpServer::accept);
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
    QHostAddress host;
    if (address == QStringLiteral("localhost")) {
        host = QHostAddress::LocalHost;
    } else if (!host.setAddress(address)) {
        error = tr("\"%1\" is not an IP address.").arg(address);
        return false;
    }
    if (!server_.listen(host, port)) {
        error =
            server_.serverError() == QAbstractSocket::AddressInUseError
                ? tr("Port %1 on %2 is already in use by another program.").arg(port).arg(address)
                : server_.errorString();
        return false;
    }
    protocol_.SetListening(true);
    return true;
}

void RigctlTcpServer::close()
{
    server_.close();
    const QList<int> ids = sockets_.keys();
    for (const int id : ids) {
        QTcpSocket *socket = sockets_.value(id);
        forget(id);
        socket->abort();
        socket->deleteLater();
    }
    protocol_.SetListening(false);
}

void RigctlTcpServer::accept()
{
    while (QTcpSocket *socket = server_.nextPendingConnection()) {
        if (sockets_.size() >= kMaxClients) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        const int id = protocol_.OpenClient();
        sockets_.insert(id, socket);
        connect(socket, &QTcpSocket::readyRead, this, [this, id] { readFrom(id); });
        connect(socket, &QTcpSocket::disconnected, this, [this, id, socket] {
            forget(id);
            socket->deleteLater();
        });
    }
}

void RigctlTcpServer::readFrom(int id)
{
    QTcpSocket *socket = sockets_.value(id);
    if (socket == nullptr) {
        return;
    }
    const QByteArray bytes = socket->readAll();
    protocol_.Receive(id, bytes.toStdString());
}

void RigctlTcpServer::forget(int id)
{
    if (sockets_.remove(id) > 0) {
        protocol_.CloseClient(id);
    }
}

} // namespace dorv::gui
