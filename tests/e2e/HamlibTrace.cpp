#include "HamlibTrace.h"

#include <cctype>
#include <sstream>

namespace e2e {

namespace {

// The bytes of one hex dump line ("0000    5c 63 68 0a    \ch."), or false when the line is
// not one: a four-digit offset, four spaces, then up to 16 two-digit bytes.
bool DumpBytes(const std::string &line, std::string &bytes)
{
    constexpr std::size_t kBytesAt = 8;
    if (line.size() < kBytesAt + 2 || line.compare(4, 4, "    ") != 0 ||
        !std::isxdigit(static_cast<unsigned char>(line[0]))) {
        return false;
    }
    for (std::size_t at = kBytesAt; at + 2 <= line.size() && at < kBytesAt + 16 * 3; at += 3) {
        const std::string digits = line.substr(at, 2);
        if (!std::isxdigit(static_cast<unsigned char>(digits[0])) ||
            !std::isxdigit(static_cast<unsigned char>(digits[1]))) {
            break;
        }
        bytes += static_cast<char>(std::stoi(digits, nullptr, 16));
    }
    return true;
}

} // namespace

std::vector<TracedExchange> TracedExchanges(const std::string &trace)
{
    std::vector<TracedExchange> exchanges;
    std::istringstream in(trace);
    std::string line;
    std::string *dumpInto = nullptr;
    while (std::getline(in, line)) {
        if (line.rfind("write_block(): TX", 0) == 0) {
            exchanges.emplace_back();
            dumpInto = &exchanges.back().request;
        } else if (line.rfind("read_string_generic(): RX", 0) == 0 && !exchanges.empty()) {
            dumpInto = &exchanges.back().answer;
        } else if (dumpInto == nullptr || !DumpBytes(line, *dumpInto)) {
            dumpInto = nullptr;
        }
    }
    return exchanges;
}

std::string CommandWord(const std::string &request)
{
    std::istringstream words(request);
    std::string word;
    words >> word;
    if (!word.empty() && std::string("+;|,").find(word[0]) != std::string::npos) {
        word.erase(0, 1);
    }
    return word;
}

} // namespace e2e
