#pragma once

#include <string>

namespace ft897sim {

// A TCP port the simulated radio is served on, to one client at a time, raw bytes both
// ways, as a serial server serves a radio's port.
class TcpService {
public:
    // Listens on address (a numeric address or a name) and port, 0 for any free port.
    // Throws std::runtime_error on failure.
    TcpService(const std::string &address, int port);
    ~TcpService();
    TcpService(const TcpService &) = delete;
    TcpService &operator=(const TcpService &) = delete;

    int listenFd() const { return listen_; }
    // Where it listens, "127.0.0.1:4532" or "[::1]:4532".
    const std::string &address() const { return address_; }
    // Takes the next client, non-blocking and with no delay on small writes; -1 when none
    // is waiting.
    int accept();

private:
    int listen_ = -1;
    std::string address_;
};

} // namespace ft897sim
