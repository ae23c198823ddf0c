#pragma once

#include <array>
#include <string>

namespace dorv {

// Which device each serial port number 1..9 stands for. The map lives in
// "ports.conf" in the data directory, one "n=DEVICE" line per port; the device
// "simulator" is the built-in simulated radio; "tcp://HOST:PORT" and
// "rfc2217://HOST:PORT" name a radio served over the network (NetworkLink).
class PortMap {
public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 9;
    static constexpr const char *kFileName = "ports.conf";
    static constexpr const char *kSimulator = "simulator";

    // Reads the map of dataDir. A missing file is written with the defaults;
    // lines that name no valid port, and ports left out, keep their defaults. A port whose
    // device name is empty, too long for a path or holds a control character is unusable.
    static PortMap Load(const std::string &dataDir);

    // The device of port n; empty for a number outside 1..9 and for an unusable port.
    const std::string &device(int n) const;
    // Why port n is unusable; empty when it is usable.
    const std::string &problem(int n) const;
    // For the port menu: the device, or why the port is unusable.
    std::string describe(int n) const;

    static std::string DefaultDevice(int n);

private:
    PortMap();
    void parseLine(const std::string &line);

    std::array<std::string, kLastPort + 1> devices_;  // index 0 unused
    std::array<std::string, kLastPort + 1> problems_; // index 0 unused
};

} // namespace dorv
