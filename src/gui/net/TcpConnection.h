#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <cstddef>
#include <string>

namespace dorv::gui {

// One accepted TCP connection on the UI thread's event loop, never blocking it: what comes
// in is read as soon as the socket has it, what goes out is written as far as the socket
// takes it and the rest kept until it is writable again.
//
// After `received` the connection may be gone (its handler can run events and close it),
// so nothing is touched after that signal.
class TcpConnection : public QObject {
    Q_OBJECT
public:
    // A silent peer is probed after kProbeIdleSeconds, then every kProbeIntervalSeconds; the
    // connection ends after kProbes unanswered probes, or when sent data stays unacknowledged
    // for kUnacknowledgedMs.
    static constexpr int kProbeIdleSeconds = 5;
    static constexpr int kProbeIntervalSeconds = 2;
    static constexpr int kProbes = 3;
    static constexpr int kUnacknowledgedMs = 11000;

    // Owns the non-blocking descriptor `fd` from now on.
    explicit TcpConnection(int fd, QObject *parent = nullptr);
    ~TcpConnection() override;

    // Queues bytes and writes what the socket takes now; returns the bytes still waiting.
    // A failure to write shows as `closed` from the event loop, not from here.
    std::size_t write(const std::string &bytes);
    // Closes at once; anything unsent is dropped and no signal follows.
    void abort();
    // `idle` follows once the peer has sent nothing for this long (from now, and from each
    // time it sends); 0 never.
    void setIdleLimit(int seconds);

signals:
    // Everything the socket had; `ended` when the peer has gone after it.
    void received(const std::string &bytes, bool ended);
    // The peer went away while writing to it.
    void closed();
    // The peer has sent nothing for the idle limit.
    void idle();

private:
    void readAll();
    void flush();
    // Sends what the socket takes now of the waiting bytes; false when the peer is gone.
    bool sendWaiting();

    int fd_;
    QSocketNotifier reader_;
    QSocketNotifier writer_;
    QTimer idleTimer_;
    std::string unsent_;
};

} // namespace dorv::gui
