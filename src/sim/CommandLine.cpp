#include "CommandLine.h"

#include <charconv>

namespace ft897sim {

const char *const kUsage =
    "usage: ft897-sim --link PATH [--log FILE] [--signals FILE] [--delay MS]\n"
    "                 [--drop SHARE] [--extra-delay MS] [--ack] [--seed N]\n";

const char *const kHelp =
    "Serves a simulated FT-897 transceiver on a pseudo-terminal.\n"
    "\n"
    "  --link PATH        link the pseudo-terminal's slave at PATH (required)\n"
    "  --log FILE         write every received frame and reply to FILE\n"
    "  --signals FILE     the signals the receiver hears, one per line:\n"
    "                     FREQUENCY_HZ S_LEVEL [WIDTH_HZ [TONE_HZ]]\n"
    "  --delay MS         time from a request to its reply (20)\n"
    "  --drop SHARE       lose this share (0..1) of the replies\n"
    "  --extra-delay MS   add MS to every reply's delay\n"
    "  --ack              answer every set command with one byte\n"
    "  --seed N           seed of the reply-loss generator (1)\n"
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
        if (i + 1 >= args.size()) {
            error = flag.rfind("--", 0) == 0 ? flag + " needs a value" : "unknown argument " + flag;
            return std::nullopt;
        }
        const std::string &value = args[++i];
        bool good = true;
        if (flag == "--link") {
            line.linkPath = value;
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
    if (line.linkPath.empty()) {
        error = "--link is required";
        return std::nullopt;
    }
    return line;
}

} // namespace ft897sim
