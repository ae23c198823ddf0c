#pragma once

#include "host/PortTypes.h"
#include "net/TcpListener.h"

#include <QSocketNotifier>
#include <cstddef>
#include <functional>
#include <vector>

namespace dorv::gui {

// An outgoing TCP connection on the UI thread's event loop, never blocking it: the
// connection is made in the background, trying the addresses given one after the other
// until one takes it; what comes in is read as soon as the socket has it; what goes out
// is written as far as the socket takes it and the rest kept until it is writable again.
//
// The handlers are called from the event loop, except `failed`, which comes inside
// connectTo() when every address is refused at once. After any handler the client may
// have been aborted, or started on another connection, by it.
class TcpClient {
public:
    TcpClient();
    TcpClient(const TcpClient &) = delete;
    TcpClient &operator=(const TcpClient &) = delete;
    ~TcpClient();

    // The connection is made.
    std::function<void()> connected;
    // No address took the connection; the errno of the last one tried.
    std::function<void(int error)> failed;
    // Bytes came in.
    std::function<void(const Bytes &)> received;
    // The connection ended: the errno of the failure, or 0 when the peer closed it.
    std::function<void(int error)> lost;

    // Drops any connection, made or under way, and starts one to these addresses.
    void connectTo(std::vector<SocketAddress> addresses);
    // Drops the connection, made or under way, with anything unsent; no handler follows.
    void abort();
    bool isConnecting() const { return fd_ >= 0 && !connected_; }
    bool isConnected() const { return fd_ >= 0 && connected_; }

    // Sends bytes, or keeps those the socket does not take now; nothing unless connected.
    // A failure to send shows as `lost` from the event loop.
    void write(const Bytes &bytes);
    // Bytes written and not yet taken by the socket.
    std::size_t pendingOutput() const { return unsent_.size(); }

private:
    // Starts a connection to the next address that takes one; `failed` once none is left.
    // error: why the address before failed.
    void connectNext(int error);
    // Starts a connection to the address; 0, or the errno of the failure.
    int startConnection(const SocketAddress &address);
    void closeSocket();
    void onWritable();
    void onConnectDone();
    void onReadable();
    // Reads what the socket holds; true when the connection ended (error then set).
    bool readAvailable(Bytes &into, int &error);
    // Sends what the socket takes of the unsent bytes; the errno when it failed, else 0.
    int sendWaiting();

    int fd_ = -1;
    bool connected_ = false;
    unsigned generation_ = 0; // counts closed sockets, so a handler's doing is seen
    std::vector<SocketAddress> addresses_;
    std::size_t next_ = 0; // the next address of addresses_ to try
    Bytes unsent_;
    QSocketNotifier reader_{QSocketNotifier::Read};
    QSocketNotifier writer_{QSocketNotifier::Write};
};

} // namespace dorv::gui
