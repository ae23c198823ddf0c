#include "net/NetConfig.h"

#include "net/ClientNetworks.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace dorv {

namespace {

constexpr int kHighestPort = 65535;

// A whole number from `low` to `high` of at most five digits.
std::optional<int> ParseNumber(const std::string &text, int low, int high)
{
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != text.npos) {
        return std::nullopt;
    }
    const int number = std::stoi(text);
    if (number < low || number > high) {
        return std::nullopt;
    }
    return number;
}

std::optional<int> ParsePort(const std::string &text)
{
    return ParseNumber(text, 1, kHighestPort);
}

std::filesystem::path ConfigPath(const std::string &dataDir)
{
    return std::filesystem::path(dataDir) / NetConfig::kFileName;
}

} // namespace

NetConfig LoadNetConfig(const std::string &dataDir)
{
    NetConfig config;
    std::ifstream in(ConfigPath(dataDir));
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t eq = line.find('=');
        if (line.empty() || line[0] == '#' || eq == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (key == "enabled" && (value == "0" || value == "1")) {
            config.Enabled = value == "1";
        } else if (key == "address" && !value.empty()) {
            config.Address = value;
        } else if (key == "port" && ParsePort(value)) {
            config.Port = *ParsePort(value);
        } else if (key == "allow") {
            config.Allow = SplitNetworkList(value);
        } else if (key == "readonly") {
            config.ReadOnly = SplitNetworkList(value);
        } else if (key == "idle_seconds" && ParseNumber(value, 0, NetConfig::kMaxIdleSeconds)) {
            config.IdleSeconds = *ParseNumber(value, 0, NetConfig::kMaxIdleSeconds);
        }
    }
    return config;
}

bool SaveNetConfig(const std::string &dataDir, const NetConfig &config)
{
    const std::filesystem::path path = ConfigPath(dataDir);
    std::filesystem::path temporary = path;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << "# Network control server (hamlib rigctld protocol)\n"
            << "enabled=" << (config.Enabled ? 1 : 0) << '\n'
            << "address=" << config.Address << '\n'
            << "port=" << config.Port << '\n'
            << "# Client networks let in (all commands) and let in to read only\n"
            << "allow=" << JoinNetworkList(config.Allow) << '\n'
            << "readonly=" << JoinNetworkList(config.ReadOnly) << '\n'
            << "# Seconds after which a silent client is dropped (0: never)\n"
            << "idle_seconds=" << config.IdleSeconds << '\n';
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    return !error;
}

std::optional<NetConfig> ParseListenPlace(const std::string &text)
{
    NetConfig config;
    std::string port = text;
    const std::size_t colon = text.rfind(':');
    if (colon != std::string::npos) {
        std::string address = text.substr(0, colon);
        if (address.size() >= 2 && address.front() == '[' && address.back() == ']') {
            address = address.substr(1, address.size() - 2);
        }
        if (address.empty()) {
            return std::nullopt;
        }
        config.Address = address;
        port = text.substr(colon + 1);
    }
    const std::optional<int> number = ParsePort(port);
    if (!number) {
        return std::nullopt;
    }
    config.Port = *number;
    config.Enabled = true;
    return config;
}

bool IsLoopbackAddress(const std::string &address)
{
    return address == "localhost" || address == "::1" || address.rfind("127.", 0) == 0;
}

} // namespace dorv
