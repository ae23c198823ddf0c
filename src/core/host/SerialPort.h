#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dorv {

using Bytes = std::vector<std::uint8_t>;

// Line settings of the CAT port: always 8 data bits, no parity, 2 stop bits.
struct SerialSettings {
    int portNumber = 1; // 1..9, mapped to a device by the port map
    int baudRate = 4800;
};

// The one serial port the program talks to the radio through. Polled only:
// there are no receive callbacks.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the port; on failure returns false and sets errorString().
    virtual bool open(const SerialSettings &settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual std::string errorString() const = 0;

    virtual void write(const Bytes &bytes) = 0;
    // Bytes waiting to be read.
    virtual int bytesAvailable() = 0;
    // Reads what is waiting, at most maxBytes.
    virtual Bytes read(int maxBytes) = 0;
    virtual void discardInput() = 0;
};

} // namespace dorv
