#pragma once

#include "host/PortTypes.h"

#include <functional>
#include <string>

namespace dorv {

// The one serial port the program talks to the radio through. Polled, with an optional
// notice of arriving bytes.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the port; on failure returns false and sets errorString().
    virtual bool open(const SerialSettings &settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual std::string errorString() const = 0;
    // Why the last open() failed when the device is there but may not be used now.
    virtual PortRefusal refusal() const { return {}; }
    // For a link that connects over the network: in plain words, what it is doing while it
    // is not connected, or why it failed or was lost ("Connecting to tcp://pi:3001…").
    // Empty while it works, and always for a device.
    virtual std::string linkCondition() const { return {}; }

    virtual void write(const Bytes &bytes) = 0;
    // Bytes waiting to be read.
    virtual int bytesAvailable() = 0;
    // Reads what is waiting, at most maxBytes.
    virtual Bytes read(int maxBytes) = 0;
    virtual void discardInput() = 0;
    // Called from the host's event loop when bytes have arrived, so that a reply can be read
    // as it comes rather than at the next poll. A port that cannot tell never calls it; it
    // may also call it from inside bytesAvailable() or read().
    virtual void setArrivalHandler(std::function<void()> handler) { (void)handler; }
};

} // namespace dorv
