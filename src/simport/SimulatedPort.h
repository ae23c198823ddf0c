#pragma once

#include "Ft897Engine.h"
#include "host/SerialPort.h"

#include <functional>

namespace ft897sim {

// The simulated radio behind the core's serial port interface, in-process. Time comes
// from the clock given (seconds), so tests can run it on a virtual clock.
class SimulatedPort : public dorv::SerialPort {
public:
    SimulatedPort(Engine &engine, std::function<double()> clock);

    // Succeeds and records the settings while the device is present.
    bool open(const dorv::SerialSettings &settings) override;
    void close() override;
    bool isOpen() const override { return open_; }
    std::string errorString() const override { return error_; }

    // Unplugs (false) or plugs in (true) the device: unplugging closes the port, and it
    // cannot be opened again until the device is back.
    void setPresent(bool present);

    // Feeds the engine while open; bytes written while closed are lost, like a radio
    // that is not plugged in.
    void write(const dorv::Bytes &bytes) override;
    // Replies whose time has come by clock().
    int bytesAvailable() override;
    dorv::Bytes read(int maxBytes) override;
    void discardInput() override;

    const dorv::SerialSettings &settings() const { return settings_; }

private:
    void collect();

    Engine &engine_;
    std::function<double()> clock_;
    dorv::SerialSettings settings_;
    bool open_ = false;
    bool present_ = true;
    std::string error_;
    dorv::Bytes input_; // replies arrived and not yet read
};

} // namespace ft897sim
