#pragma once

#include <atomic>
#include <chrono>
#include <thread>

namespace e2e {

// A TCP proxy on loopback that stands for a network between the program and the radio: it
// forwards each connection to 127.0.0.1:targetPort and holds every chunk of bytes for a
// fixed time in each direction before passing it on, in order.
class DelayProxy {
public:
    DelayProxy(int targetPort, std::chrono::milliseconds oneWay);
    DelayProxy(const DelayProxy &) = delete;
    DelayProxy &operator=(const DelayProxy &) = delete;
    ~DelayProxy();

    // The loopback port the proxy listens on; 0 when it could not listen.
    int port() const { return port_; }

private:
    void run();

    int targetPort_;
    std::chrono::milliseconds oneWay_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace e2e
