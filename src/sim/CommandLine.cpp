#include "CommandLine.h"

#include <charconv>

namespace ft897sim {

const char *const kUsage =
    "usage: ft897-sim --link PATH [--log FILE] [--signals FILE] [--delay MS]\n"
    "                 [--drop SHARE] [--extra-delay MS] [--ack] [--fading] [--seed N]\n"
    "       ft897-sim --tcp [ADDR:]PORT [the same options]\n";

const char *const kHelp =
    "Serves a simulated FT-897 transceiver on a pseudo-terminal or a TCP port.\n"
    "\n"
    "  --link PATH        link the pseudo-terminal's slave at PATH\n"
    "  --tcp [ADDR:]PORT  serve raw bytes to one client at a time on a TCP port\n"
    "                     (ADDR 127.0.0.1 unless given; [::1] for IPv6; PORT 0: any)\n"
    "  --log FILE         write every received frame and reply to FILE\n"
    "  --signals FILE     the signals the receiver hears, one per line:\n"
    "                     FREQUENCY_HZ S_LEVEL [WIDTH_HZ [TONE_HZ]]\n"
    "  --delay MS         time from a request to its reply (20)\n"
    "  --drop SHARE       lose this share (0..1) of the replies\n"
    "  --extra-delay MS   add MS to every reply's delay\n"
    "  --ack              answer every set command with one byte\n"
    "  --fading           the S level of every signal heard varies from reading to\n"
    "                     reading, up to 3 either way, never twice the same\n"
    "  --seed N           seed of the reply-loss and fading generators (1)\n"
    "  --help             show this text and exit\n"
    "  --version          show the version and exit\n"
    "\n"
    "SIGINT or SIGTERM stops the program and removes the link.\n";

namespace {

template <typename T> bool ParseNumber(const std::string &text, T &value)
{
    const char *end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end;
}

// "[ADDR:]PORT": an IPv4 address, a name or a bracketed IPv6 address, and a port.
bool ParseTcpAddress(const std::string &text, CommandLine &line)
{
    std::string port = text;
    const auto colon = text.rfind(':');
    if (colon != std::string::npos && text.find(']', colon) == std::string::npos) {
        std::string address = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (address.size() >= 2 && address.front() == '[' && address.back() == ']') {
            address = address.substr(1, address.size() - 2);
        } else if (address.find(':') != std::string::npos) {
            return false; // an IPv6 address goes in brackets
        }
        if (address.empty() || address.find_first_of("[]") != std::string::npos) {
            return false;
        }
        line.tcpAddress = address;
    } else {
        line.tcpAddress = "127.0.0.1";
    }
    return ParseNumber(port, line.tcpPort) && line.tcpPort >= 0 && line.tcpPort <= 65535;
}

} // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string> &args,
                                            std::string &error)
{
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &flag = args[i];
        if (flag == "--help" || flag == "-h") {
            line.request = CommandLine::Request::Help;
            return line;
        }
        if (flag == "--version") {
            line.request = CommandLine::Request::Version;
            return line;
        }
        if (flag == "--ack") {
            line.options.acknowledgeSets = true;
            continue;
        }
        if (flag == "--fading") {
            line.options.fading = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = flag.rfind("--", 0) == 0 ? flag + " needs a value" : "unknown argument " + flag;
            return std::nullopt;
        }
        const std::string &value = args[++i];
        bool good = true;
        if (flag == "--link") {
            line.linkPath = value;
        } else if (flag == "--tcp") {
            good = ParseTcpAddress(value, line);
        } else if (flag == "--log") {
            line.logPath = value;
        } else if (flag == "--signals") {
            line.signalsPath = value;
        } else if (flag == "--delay") {
            good = ParseNumber(value, line.options.replyDelayMs) && line.options.replyDelayMs >= 0;
        } else if (flag == "--extra-delay") {
            good = ParseNumber(value, line.options.extraDelayMs) && line.options.extraDelayMs >= 0;
        } else if (flag == "--drop") {
            good = ParseNumber(value, line.options.dropShare) && line.options.dropShare >= 0 &&
                   line.options.dropShare <= 1;
        } else if (flag == "--seed") {
            good = ParseNumber(value, line.options.seed);
        } else {
            error = "unknown argument " + flag;
            return std::nullopt;
        }
        if (!good) {
            error = "bad value for " + flag + ": " + value;
            return std::nullopt;
        }
    }
    if (line.linkPath.empty() == line.tcpAddress.empty()) {
        error = line.linkPath.empty() ? "--link or --tcp is required"
                                      : "--link and --tcp exclude each other";
        return std::nullopt;
    }
    return line;
}

} // namespace ft897sim
