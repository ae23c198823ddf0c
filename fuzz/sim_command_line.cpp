// The simulator's command line, NUL-separated arguments. Whatever they are, they are
// refused with a reason, or they ask for help or the version, or they set up a run with a
// link path or a TCP address (not both) and options a run can use; written out again as
// arguments, the options read the same.

#include "CommandLine.h"
#include "FuzzCheck.h"

#include <cstdio>

using namespace dorv::fuzz;
using namespace ft897sim;

namespace {

std::vector<std::string> Arguments(const std::string &text)
{
    std::vector<std::string> args;
    std::size_t start = 0;
    while (start <= text.size() && !text.empty()) {
        const std::size_t end = std::min(text.find('\0', start), text.size());
        args.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return args;
}

std::vector<std::string> Written(const CommandLine &line)
{
    char share[40];
    std::snprintf(share, sizeof share, "%.17g", line.options.dropShare);
    const bool ipv6 = line.tcpAddress.find(':') != std::string::npos;
    const std::string tcp =
        (ipv6 ? "[" + line.tcpAddress + "]" : line.tcpAddress) + ":" + std::to_string(line.tcpPort);
    std::vector<std::string> args = {line.tcpAddress.empty() ? "--link" : "--tcp",
                                     line.tcpAddress.empty() ? line.linkPath : tcp,
                                     "--delay",
                                     std::to_string(line.options.replyDelayMs),
                                     "--drop",
                                     share,
                                     "--extra-delay",
                                     std::to_string(line.options.extraDelayMs),
                                     "--seed",
                                     std::to_string(line.options.seed)};
    for (const auto &[flag, value] :
         {std::pair{"--log", &line.logPath}, {"--signals", &line.signalsPath}}) {
        if (!value->empty()) {
            args.insert(args.end(), {flag, *value});
        }
    }
    if (line.options.acknowledgeSets) {
        args.push_back("--ack");
    }
    if (line.options.fading) {
        args.push_back("--fading");
    }
    return args;
}

bool Same(const CommandLine &a, const CommandLine &b)
{
    const Options &x = a.options, &y = b.options;
    return a.request == b.request && a.linkPath == b.linkPath && a.tcpAddress == b.tcpAddress &&
           a.tcpPort == b.tcpPort && a.logPath == b.logPath && a.signalsPath == b.signalsPath &&
           x.replyDelayMs == y.replyDelayMs && x.dropShare == y.dropShare &&
           x.extraDelayMs == y.extraDelayMs && x.acknowledgeSets == y.acknowledgeSets &&
           x.fading == y.fading && x.seed == y.seed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string error;
    const std::optional<CommandLine> line =
        ParseCommandLine(Arguments(std::string(data, data + size)), error);
    if (!line) {
        Require(!error.empty(), "a refused command line says why");
        return 0;
    }
    if (line->request != CommandLine::Request::Serve) {
        return 0;
    }
    const Options &o = line->options;
    Require(line->linkPath.empty() != line->tcpAddress.empty(),
            "a run has a link path or a TCP address");
    Require(line->tcpPort >= 0 && line->tcpPort <= 65535, "a TCP port is a port");
    Require(o.replyDelayMs >= 0 && o.extraDelayMs >= 0, "delays are not negative");
    Require(o.dropShare >= 0 && o.dropShare <= 1, "the share of replies lost is a share");

    std::string again;
    const std::optional<CommandLine> reread = ParseCommandLine(Written(*line), again);
    Require(reread && Same(*reread, *line), "options written out read the same");
    return 0;
}
