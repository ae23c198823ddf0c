// Request lines of network clients, answered by the server with the link on to the
// simulated radio. Each line that is not blank gets one answer: value lines (a read) or an
// answer that ends in "RPRT n" with a code of the protocol. A request
// refused (n not 0) leaves the radio as it was. No request keeps the panel waiting for
// long, and when the client goes, the transmitter it keyed is let go. Each line goes first to
// a read-only client, which changes nothing on the radio whatever it sends.

#include "FuzzCheck.h"
#include "RadioBench.h"
#include "net/RigctlRequest.h"

#include <cstdlib>

using namespace dorv;
using namespace dorv::fuzz;

namespace {

constexpr double kLongestRequest = 10.0; // seconds on the virtual clock

bool Blank(std::string line)
{
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line.find_first_not_of(" \t") == std::string::npos;
}

// The last item of an answer: of its last line, what follows the request's separator.
std::string LastItem(const std::string &answer, char separator)
{
    const std::string body = answer.substr(0, answer.size() - 1);
    const std::string line = body.substr(body.rfind('\n') + 1);
    return line.substr(line.rfind(separator) + 1);
}

// The code of an answer's result line; nothing when the answer holds values only.
std::optional<int> ResultCode(const std::string &answer, char separator)
{
    const std::string last = LastItem(answer, separator);
    if (last.rfind("RPRT ", 0) != 0) {
        return std::nullopt;
    }
    const std::string number = last.substr(5);
    char *end = nullptr;
    const long code = std::strtol(number.c_str(), &end, 10);
    Require(!number.empty() && *end == '\0', "a result line holds a number");
    Require(code == 0 || code == -1 || code == -5 || code == -9 || code == -11,
            "a result code is one of the protocol's");
    return static_cast<int>(code);
}

// Values one a line; the state dump has empty lines of its own.
void RequireValueLines(const std::string &answer, const std::optional<RigctlRequest> &request)
{
    Require(request && !request->IsSet, "only a read answers values without a result line");
    for (std::size_t start = 0; start < answer.size(); start = answer.find('\n', start) + 1) {
        Require(answer.compare(start, 5, "RPRT ") != 0, "a value is no result line");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    LiveBench bench(FreshScratchDir());
    RigctlServer &net = bench.radio.net;
    std::string sent;
    bool dropped = false;
    net.SetListening(true);
    const int client = net.OpenClient();
    const int reader = net.OpenClient(true);
    net.Send = [&](int id, const std::string &bytes) {
        if (id == client) {
            sent += bytes;
        }
        return std::size_t{0};
    };
    net.Drop = [&](int id) { dropped = dropped || id == client; };

    const std::string input(data, data + size);
    std::size_t start = 0;
    while (start < input.size() && !dropped) {
        const std::size_t end = std::min(input.find('\n', start), input.size() - 1);
        const std::string line = input.substr(start, end - start + 1);
        start = end + 1;

        const ft897sim::RigState readerBefore = bench.engine.rig();
        net.Receive(reader, line);
        Require(bench.engine.rig() == readerBefore, "a read-only client changes nothing");

        const std::size_t answered = sent.size();
        const ft897sim::RigState radioBefore = bench.engine.rig();
        const double began = bench.host.now();
        net.Receive(client, line);
        Require(bench.host.now() - began < kLongestRequest, "a request is answered in time");
        const std::string answer = sent.substr(answered);
        if (line.back() != '\n' || dropped) {
            Require(answer.empty() || dropped, "an unfinished line is not answered yet");
            break;
        }
        const std::string request = line.substr(0, line.size() - 1);
        if (Blank(request) && request.size() <= RigctlServer::kMaxLine) {
            Require(answer.empty(), "a blank line is not answered");
            continue;
        }
        Require(!answer.empty() && answer.back() == '\n', "a request is answered in lines");
        const std::optional<RigctlRequest> parsed = ParseRigctlLine(request);
        const char separator = parsed ? RigctlSeparator(parsed->Prefix) : '\n';
        const std::optional<int> code = ResultCode(answer, separator);
        if (!code) {
            RequireValueLines(answer, parsed);
        } else if (*code != 0) {
            Require(bench.engine.rig() == radioBefore, "a refused request leaves the radio");
        }
        bench.host.run(0.05);
    }

    net.CloseClient(client);
    net.CloseClient(reader);
    bench.host.run(0.2);
    Require(!bench.radio.panel.lblOnAir.Visible && !bench.engine.rig().ptt,
            "the transmitter is let go when its client goes");
    return 0;
}
