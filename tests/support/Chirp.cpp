#include "support/Chirp.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace dorv::test {

namespace {

constexpr const char *kPython = "/usr/bin/python3";

std::string Quoted(const std::string &text)
{
    return "'" + text + "'";
}

std::string Script(const std::string &command, const std::filesystem::path &csv)
{
    return std::string(kPython) + " " + Quoted(DORV_CHIRP_CSV_SCRIPT) + " " + command + " " +
           Quoted(csv.string());
}

} // namespace

bool Chirp::available()
{
    const std::string command =
        std::string(kPython) + " -c 'import chirp.drivers.generic_csv' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

bool Chirp::write(const std::filesystem::path &csv)
{
    return std::system(Script("write", csv).c_str()) == 0;
}

std::string Chirp::dump(const std::filesystem::path &csv)
{
    FILE *pipe = popen(Script("dump", csv).c_str(), "r");
    if (pipe == nullptr) {
        return {};
    }
    std::string out;
    std::array<char, 4096> buffer;
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
        out.append(buffer.data(), got);
    }
    return pclose(pipe) == 0 ? out : std::string();
}

} // namespace dorv::test
