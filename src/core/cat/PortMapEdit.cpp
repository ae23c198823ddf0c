#include "cat/PortMapEdit.h"

#include "cat/PortMap.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace dorv {

namespace {

// The port number a line of the map sets, or 0.
int PortOfLine(const std::string &line)
{
    std::istringstream in(line.substr(0, line.find('#')));
    int n = 0;
    char equals = 0;
    return (in >> n >> equals) && equals == '=' ? n : 0;
}

} // namespace

bool StorePortDevice(const std::string &dataDir, int n, const std::string &device,
                     std::string &error)
{
    if (n < PortMap::kFirstPort || n > PortMap::kLastPort) {
        error = "no serial port " + std::to_string(n);
        return false;
    }
    PortMap::Load(dataDir); // writes the defaults when there is no map yet
    const std::filesystem::path path = std::filesystem::path(dataDir) / PortMap::kFileName;
    std::ifstream in(path);
    std::string text;
    bool stored = false;
    for (std::string line; std::getline(in, line);) {
        if (PortOfLine(line) != n) {
            text += line + '\n';
        } else if (!stored) { // later lines for the same port would override this one
            text += std::to_string(n) + '=' + device + '\n';
            stored = true;
        }
    }
    if (!stored) {
        text += std::to_string(n) + '=' + device + '\n';
    }
    // Written beside and renamed over the map, so a failed write leaves the old map.
    std::filesystem::path temp = path;
    temp += ".saving";
    std::ofstream out(temp, std::ios::trunc);
    out << text;
    out.close();
    std::error_code ec;
    if (!out) {
        error = "cannot write " + temp.string();
    } else {
        std::filesystem::rename(temp, path, ec);
        error = ec ? ec.message() : std::string();
    }
    if (!error.empty()) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace dorv
