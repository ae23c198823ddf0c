#pragma once

#include "app/QtSerialPort.h"
#include "host/SerialPort.h"
#include "link/NetworkPort.h"

#include <functional>
#include <memory>
#include <string>

namespace dorv::gui {

// The program's one serial port. Opening port n looks n up in the port map of
// the data directory and talks either to that serial device or, for the entry
// "simulator", to the built-in simulated radio, or for a network link (tcp://…,
// rfc2217://…) to a serial server over the network.
class PortRouter : public SerialPort {
public:
    // clock: the monotonic time in seconds the simulated radio runs on.
    PortRouter(std::string dataDir, std::function<double()> clock);
    ~PortRouter() override;

    bool open(const SerialSettings &settings) override;
    void close() override;
    bool isOpen() const override;
    std::string errorString() const override;
    PortRefusal refusal() const override { return refusal_; }
    std::string linkCondition() const override;

    void write(const Bytes &bytes) override;
    int bytesAvailable() override;
    Bytes read(int maxBytes) override;
    void discardInput() override;
    // Passed to the serial device and the network link; the simulated radio cannot tell.
    void setArrivalHandler(std::function<void()> handler) override;

    // Called from the event loop when a network link connects, fails or is lost.
    void setLinkChangeHandler(std::function<void()> handler);

private:
    SerialPort *target(const std::string &device);

    std::string dataDir_;
    std::function<double()> clock_;
    QtSerialPort serial_;
    NetworkPort network_;
    std::unique_ptr<SerialPort> simulator_; // made on first use, kept with its state
    SerialPort *active_ = nullptr;          // the port opened last, if any
    std::string error_;
    PortRefusal refusal_;
};

} // namespace dorv::gui
