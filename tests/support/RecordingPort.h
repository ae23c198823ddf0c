#pragma once

#include "cat/CatFrame.h"
#include "host/SerialPort.h"

#include <deque>
#include <functional>
#include <vector>

namespace dorv::test {

// A serial port that records every byte written and can be told to fail opening.
class RecordingPort : public SerialPort {
public:
    bool open(const SerialSettings &settings) override;
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }
    std::string errorString() const override { return failure; }
    PortRefusal refusal() const override { return refused; }
    void write(const Bytes &bytes) override;
    int bytesAvailable() override { return static_cast<int>(incoming.size()); }
    Bytes read(int maxBytes) override;
    void discardInput() override { incoming.clear(); }
    void setArrivalHandler(std::function<void()> handler) override { arrival = std::move(handler); }
    // Bytes arrive from the radio, and the port tells, as one that can.
    void deliver(std::initializer_list<std::uint8_t> bytes);

    // Whole frames written so far, in order.
    std::vector<CatFrame> frames() const;

    bool opened = false;
    std::string failure; // non-empty: open() fails with this description
    PortRefusal refused; // with a reason: open() fails, and refusal() says why
    std::vector<SerialSettings> opens;
    Bytes written;
    std::function<double()> clock; // when set, writeTimes records each write's time
    std::vector<double> writeTimes;
    std::deque<std::uint8_t> incoming;
    std::function<void()> arrival;
};

} // namespace dorv::test
