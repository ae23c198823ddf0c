#pragma once

#include "net/ClientAccess.h"
#include "net/TcpListener.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <string>

namespace dorv {
class RigctlServer;
}

namespace dorv::gui {

class TcpConnection;

// The socket side of the network control server, on the UI thread's event loop: accepts
// clients, hands what they send to the core's protocol and writes its answers back. Who
// gets in, and whether only to read, the access rules decide by the client's address; a
// client turned away is closed at once and counted. A client that sends nothing for the
// idle limit is dropped.
class RigctlTcpServer : public QObject {
    Q_OBJECT
public:
    // More clients than this are turned away at once.
    static constexpr int kMaxClients = 32;

    RigctlTcpServer(RigctlServer &protocol, QObject *parent = nullptr);
    ~RigctlTcpServer() override;

    // Starts listening, ending any earlier listening first; false with the reason in
    // `error` when the address cannot be taken (port in use, no such address).
    bool listen(const QString &address, quint16 port, QString &error);
    // Stops listening and disconnects every client.
    void close();
    // The rules for the clients that connect from now on, and their idle limit in seconds
    // (0 none). Until set: every client with every command, no idle limit.
    void setRules(const AccessRules &rules, int idleSeconds);
    bool isListening() const { return listener_.isListening(); }

private:
    void accept(int fd);
    void receive(int id, const std::string &bytes, bool ended);
    // Closes a client's connection and tells the protocol it has gone.
    void forget(int id);

    RigctlServer &protocol_;
    TcpListener listener_;
    QHash<int, TcpConnection *> connections_;
    AccessRules rules_;
    int idleSeconds_ = 0;
};

} // namespace dorv::gui
