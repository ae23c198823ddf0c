#pragma once

#include <array>
#include <string>

namespace dorv {

// Which device each serial port number 1..9 stands for. The map lives in
// "ports.conf" in the data directory, one "n=DEVICE" line per port; the device
// "simulator" is the built-in simulated radio.
class PortMap {
public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 9;
    static constexpr const char *kFileName = "ports.conf";
    static constexpr const char *kSimulator = "simulator";

    // Reads the map of dataDir. A missing file is written with the defaults;
    // lines that name no valid port, and ports left out, keep their defaults.
    static PortMap Load(const std::string &dataDir);

    // The device of port n; empty for a number outside 1..9.
    const std::string &device(int n) const;

    static std::string DefaultDevice(int n);

private:
    PortMap();
    void parseLine(const std::string &line);

    std::array<std::string, kLastPort + 1> devices_; // index 0 unused
};

} // namespace dorv
