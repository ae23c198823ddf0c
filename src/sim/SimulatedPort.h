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

    // Always succeeds and records the settings.
    bool open(const dorv::SerialSettings &settings) override;
    void close() override;
    bool isOpen() const override { return open_; }
    std::string errorString() const override { return {}; }

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
    dorv::Bytes input_; // replies arrived and not yet read
};

} // namespace ft897sim
