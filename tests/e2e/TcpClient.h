#pragma once

#include <string>

namespace e2e {

// A plain TCP client on loopback for talking to a network control server.
class TcpClient {
public:
    TcpClient() = default;
    TcpClient(const TcpClient &) = delete;
    TcpClient &operator=(const TcpClient &) = delete;
    ~TcpClient();

    // Connects to 127.0.0.1:port, retrying until timeoutMs passes; from the loopback address
    // `source` when it is given (127.0.0.2 stands in for another computer).
    bool connectTo(int port, int timeoutMs = 5000, const std::string &source = "");
    void close();
    // Ends the connection with a reset instead of an orderly close.
    void reset();
    bool send(const std::string &bytes);
    // Reads what has come: waits up to firstMs for the first byte, then until nothing more
    // arrives for quietMs. Empty when nothing came.
    std::string receive(int firstMs = 5000, int quietMs = 250);
    // Reads until the answer holds `count` line ends (or timeoutMs passes).
    std::string receiveLines(int count, int timeoutMs = 5000);
    // Whether the server has closed the connection (waits up to timeoutMs).
    bool closedByPeer(int timeoutMs);

private:
    int fd_ = -1;
};

// A loopback port nobody listens on at the moment of asking.
int FreeLoopbackPort();

} // namespace e2e
