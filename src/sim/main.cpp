// ft897-sim: serves the simulated FT-897 on a pseudo-terminal or a TCP port until SIGINT
// or SIGTERM.

#include "CommandLine.h"
#include "FrameLog.h"
#include "Ft897Engine.h"
#include "LogFormat.h"
#include "PtyLink.h"
#include "SignalFile.h"
#include "TcpService.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <iostream>
#include <poll.h>
#include <stdexcept>
#include <unistd.h>

namespace {

using namespace ft897sim;

volatile std::sig_atomic_t g_stop = 0;

void OnStopSignal(int)
{
    g_stop = 1;
}

void InstallStopHandlers()
{
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(sig, &action, nullptr);
    }
    // A log FIFO whose reader left fails its write (reported once) instead of ending us.
    std::signal(SIGPIPE, SIG_IGN);
}

// The longest poll() waits, so a stop signal landing just before it is seen soon.
constexpr int kMaxWaitMs = 100;

int WaitMs(double nextReply, double now)
{
    if (!std::isfinite(nextReply)) {
        return kMaxWaitMs;
    }
    const double ms = std::ceil((nextReply - now) * 1000.0);
    return static_cast<int>(std::clamp(ms, 0.0, static_cast<double>(kMaxWaitMs)));
}

class Server {
public:
    Server(const CommandLine &line, std::vector<Signal> signals, FrameLog &log)
        : engine_(line.options, std::move(signals)), log_(log)
    {
    }

    // Serves fd until a stop signal or, for a client's socket, until the client leaves;
    // eachTurn runs on every turn of the loop.
    void serve(int fd, bool client, const std::function<void()> &eachTurn = {})
    {
        const short watched = client ? POLLIN | POLLHUP | POLLERR : POLLIN;
        while (!g_stop) {
            pollfd p{fd, POLLIN, 0};
            const double next = std::min(engine_.nextReplyTime(), engine_.partialFrameExpiry());
            const int ready = poll(&p, 1, WaitMs(next, now()));
            if (ready < 0 && errno != EINTR) {
                throw std::runtime_error(std::string("poll: ") + std::strerror(errno));
            }
            if (ready > 0 && (p.revents & watched) && !readAll(fd) && client) {
                return;
            }
            const auto out = engine_.takeReady(now());
            writeLog(); // before the reply goes out, so a client that got it finds it logged
            if (!out.empty() && ::write(fd, out.data(), out.size()) < 0 && errno != EAGAIN) {
                if (client) {
                    return;
                }
                throw std::runtime_error(std::string("write: ") + std::strerror(errno));
            }
            if (eachTurn) {
                eachTurn();
            }
        }
    }

private:
    double now() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

    // Takes everything waiting; false when the other end has gone.
    bool readAll(int fd)
    {
        std::uint8_t buffer[256];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n == 0) {
                return false;
            }
            if (n < 0) {
                return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
            }
            engine_.receive(buffer, static_cast<std::size_t>(n), now());
        }
    }

    void writeLog()
    {
        for (const LogEntry &entry : engine_.log()) {
            log_.writeLine(FormatLogLine(entry, 0.0));
        }
        engine_.clearLog();
    }

    Engine engine_;
    FrameLog &log_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// The pseudo-terminal, saying on standard output each time its client sets the line anew.
void ServePty(Server &server, const std::string &linkPath)
{
    PtyLink link(linkPath);
    // Taken before anyone learns the path from us, so a first setting is not missed.
    std::string line = link.lineSettings();
    std::cout << link.slavePath() << std::endl;
    server.serve(link.masterFd(), false, [&] {
        const std::string now = link.lineSettings();
        if (now != line) {
            line = now;
            std::cout << "line " << line << std::endl;
        }
    });
}

// The TCP port, to one client after the other; the radio keeps its state between them.
void ServeTcp(Server &server, const CommandLine &line)
{
    TcpService service(line.tcpAddress, line.tcpPort);
    std::cout << service.address() << std::endl;
    while (!g_stop) {
        pollfd p{service.listenFd(), POLLIN, 0};
        if (poll(&p, 1, kMaxWaitMs) <= 0) {
            continue;
        }
        const int client = service.accept();
        if (client >= 0) {
            server.serve(client, true);
            ::close(client);
        }
    }
}

int Fail(const std::string &message, int code)
{
    std::cerr << "ft897-sim: " << message << '\n';
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    std::string error;
    const auto line = ParseCommandLine({argv + 1, argv + argc}, error);
    if (!line) {
        std::cerr << "ft897-sim: " << error << '\n' << kUsage;
        return 2;
    }
    if (line->request == CommandLine::Request::Help) {
        std::cout << kUsage << '\n' << kHelp;
        return 0;
    }
    if (line->request == CommandLine::Request::Version) {
        std::cout << "ft897-sim " << DORV_VERSION_STRING << '\n';
        return 0;
    }
    std::vector<Signal> signals = DefaultBandPlan();
    if (!line->signalsPath.empty()) {
        if (!ReadSignalsFile(line->signalsPath, signals, error)) {
            return Fail(line->signalsPath + ": " + error, 2);
        }
    }
    FrameLog log;
    if (!line->logPath.empty() && !log.open(line->logPath, error)) {
        return Fail(error, 2);
    }
    InstallStopHandlers();
    try {
        Server server(*line, std::move(signals), log);
        if (line->tcpAddress.empty()) {
            ServePty(server, line->linkPath);
        } else {
            ServeTcp(server, *line);
        }
    } catch (const std::exception &e) {
        return Fail(e.what(), 1);
    }
    return 0;
}
