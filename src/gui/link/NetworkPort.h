#pragma once

#include "cat/ComPortControl.h"
#include "cat/NetworkLink.h"
#include "host/SerialPort.h"

#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <memory>

namespace dorv::gui {

// The CAT port over the network: a TCP connection to a serial server (ser2net, or
// ft897-sim --tcp) that carries the bytes raw, or in telnet with the com-port control
// option, through which the line is set to the CAT rate, 8 data bits, no parity and
// 2 stop bits at every connection.
//
// Nothing here waits. open() starts the name lookup and the connection and returns at
// once; until the connection is made, isOpen() is false and frames written are dropped
// (sent seconds later they could key the transmitter late). A connection that fails,
// times out or is lost leaves isOpen() false and says why in linkCondition(); the next
// open() tries again, while one already under way is left to finish. Nothing assumes the
// far end answers within a serial line's time.
class NetworkPort : public SerialPort {
public:
    // How long a connection may take before it counts as failed, in milliseconds.
    static constexpr int kConnectTimeoutMs = 4000;

    NetworkPort();
    ~NetworkPort() override;

    // The link the next open() connects to, as the port map names it.
    void setLink(const NetworkLink &link, const std::string &text);
    // Called (from the event loop, never inside a call of this port) when the connection
    // is made, fails or is lost.
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }
    void setArrivalHandler(std::function<void()> handler) override
    {
        arrival_ = std::move(handler);
    }

    bool open(const SerialSettings &settings) override;
    void close() override;
    bool isOpen() const override;
    std::string errorString() const override;
    std::string linkCondition() const override;

    void write(const Bytes &bytes) override;
    int bytesAvailable() override;
    Bytes read(int maxBytes) override;
    void discardInput() override;

private:
    void connectNow();
    void onConnected();
    void onError(QAbstractSocket::SocketError error);
    void onTimeout();
    void fail(const std::string &why);
    // Moves what came from the far end into input_, answering its telnet negotiation.
    void pump();
    void send(const Bytes &wire);
    void notify();

    QTcpSocket socket_;
    QTimer timeout_;
    NetworkLink link_;
    std::string text_; // the link as written, for the status texts
    int baudRate_ = 4800;
    std::unique_ptr<ComPortControl> control_; // for rfc2217 links, one per connection
    Bytes input_;                             // CAT bytes received and not yet read
    bool connected_ = false;
    std::string failure_; // why the last attempt failed or the connection was lost
    std::function<void()> changed_;
    std::function<void()> arrival_;
};

} // namespace dorv::gui
