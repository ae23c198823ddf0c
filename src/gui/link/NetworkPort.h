#pragma once

#include "cat/ComPortControl.h"
#include "cat/NetworkLink.h"
#include "host/SerialPort.h"
#include "link/HostLookup.h"
#include "link/TcpClient.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

namespace dorv::gui {

// The CAT port over the network: a TCP connection to a serial server (ser2net, or
// ft897-sim --tcp) that carries the bytes raw, or in telnet with the com-port control
// option, through which the line is set to the CAT rate, 8 data bits, no parity and
// 2 stop bits at every connection.
//
// Nothing here waits. open() starts the name lookup (on a thread of its own; a numeric
// address needs none) and the connection and returns at once; until the connection is made,
// isOpen() is false and frames written are dropped (sent seconds later they could key the
// transmitter late). A connection that fails, times out or is lost leaves isOpen() false and says
// why in linkCondition(); the next open() tries again, while one already under way is left to
// finish. Nothing assumes the far end answers within a serial line's time.
class NetworkPort : public SerialPort {
public:
    // How long a connection may take before it counts as failed, in milliseconds.
    static constexpr int kConnectTimeoutMs = 4000;

    // resolve looks a host name up, off the event loop's thread.
    explicit NetworkPort(HostLookup::Resolver resolve = ResolveHost);
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
    void onLookedUp(const HostAddresses &found);
    void onConnected();
    void onFailed(int error);
    void onLost(int error);
    void onTimeout();
    void fail(const std::string &why);
    // Keeps what came from the far end in input_, answering its telnet negotiation.
    void onReceived(const Bytes &bytes);
    void send(const Bytes &wire);
    void notify();

    QObject events_; // the change notices are posted to it; those not yet delivered die with it
    TcpClient socket_;
    HostLookup lookup_;
    QTimer timeout_;
    NetworkLink link_;
    std::string text_; // the link as written, for the status texts
    int baudRate_ = 4800;
    std::unique_ptr<ComPortControl> control_; // for rfc2217 links, one per connection
    Bytes input_;                             // CAT bytes received and not yet read
    std::string failure_; // why the last attempt failed or the connection was lost
    std::function<void()> changed_;
    std::function<void()> arrival_;
};

} // namespace dorv::gui
