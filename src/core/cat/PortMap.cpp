#include "cat/PortMap.h"

#include "cat/NetworkLink.h"

#include <charconv>
#include <filesystem>
#include <fstream>

namespace dorv {

namespace {

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// The longest device path the system takes, without its terminating NUL.
constexpr std::size_t kMaxDeviceName = 4095;

// Why a device name from the file cannot name a device; empty when it can. A NUL or
// other control character would reach the serial library as a broken file name.
std::string DeviceNameProblem(const std::string &name)
{
    if (name.empty()) {
        return "the device name in " + std::string(PortMap::kFileName) + " is empty";
    }
    if (name.size() > kMaxDeviceName) {
        return "the device name in " + std::string(PortMap::kFileName) +
               " is longer than a path may be";
    }
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return "the device name in " + std::string(PortMap::kFileName) +
                   " holds a control character";
        }
    }
    std::string problem;
    if (NetworkLink::IsLink(name) && !NetworkLink::Parse(name, problem)) {
        return "the network link in " + std::string(PortMap::kFileName) + " is wrong: " + problem;
    }
    return {};
}

void writeDefaults(const std::filesystem::path &path)
{
    std::ofstream out(path);
    out << "# Serial port n of the Settings menu is the device on line n=.\n"
           "# \"simulator\" is the built-in simulated radio; any device path works,\n"
           "# for example a pseudo-terminal made by ft897-sim, and so does a radio served\n"
           "# over the network: tcp://HOST:PORT (raw) or rfc2217://HOST:PORT.\n";
    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n) {
        out << n << '=' << PortMap::DefaultDevice(n) << '\n';
    }
}

} // namespace

std::string PortMap::DefaultDevice(int n)
{
    if (n >= 1 && n <= 3) {
        return "/dev/ttyUSB" + std::to_string(n - 1);
    }
    if (n >= 4 && n <= 5) {
        return "/dev/ttyACM" + std::to_string(n - 4);
    }
    if (n >= 6 && n <= 8) {
        return "/dev/ttyS" + std::to_string(n - 6);
    }
    if (n == 9) {
        return kSimulator;
    }
    return {};
}

PortMap::PortMap()
{
    for (int n = kFirstPort; n <= kLastPort; ++n) {
        devices_[n] = DefaultDevice(n);
    }
}

PortMap PortMap::Load(const std::string &dataDir)
{
    PortMap map;
    const std::filesystem::path path = std::filesystem::path(dataDir) / kFileName;
    std::ifstream in(path);
    if (!in) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) {
            writeDefaults(path);
        }
        return map;
    }
    std::string line;
    while (std::getline(in, line)) {
        map.parseLine(line);
    }
    return map;
}

void PortMap::parseLine(const std::string &line)
{
    const std::string text = trimmed(line.substr(0, line.find('#')));
    const auto equals = text.find('=');
    if (equals == std::string::npos) {
        return;
    }
    const std::string key = trimmed(text.substr(0, equals));
    const std::string value = trimmed(text.substr(equals + 1));
    int n = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), n);
    if (error != std::errc() || end != key.data() + key.size() || n < kFirstPort || n > kLastPort) {
        return;
    }
    problems_[n] = DeviceNameProblem(value);
    devices_[n] = problems_[n].empty() ? value : std::string();
}

const std::string &PortMap::device(int n) const
{
    static const std::string none;
    return (n >= kFirstPort && n <= kLastPort) ? devices_[n] : none;
}

const std::string &PortMap::problem(int n) const
{
    static const std::string none;
    return (n >= kFirstPort && n <= kLastPort) ? problems_[n] : none;
}

std::string PortMap::describe(int n) const
{
    return problem(n).empty() ? device(n) : "Unusable: " + problem(n);
}

} // namespace dorv
