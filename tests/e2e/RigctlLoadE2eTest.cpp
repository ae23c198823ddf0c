// The network control server under many clients: random and malformed requests while the
// panel polls the radio, and the latency and processor figures of ordinary use.

#include "E2eSession.h"
#include "TcpClient.h"
#include "net/RigctlRequest.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <thread>
#include <unistd.h>

using e2e::E2eSession;
using e2e::TcpClient;

namespace {

using Clock = std::chrono::steady_clock;
const std::string kStatusRequest = "RX 00 00 00 00 E7";

// The program serving on a free port with the link on and the meter timer at 500 ms.
class RigctlLoadE2e : public ::testing::Test {
protected:
    void SetUp() override
    {
        session.programArgs = {"--rigctld", std::to_string(port)};
        ASSERT_TRUE(session.startSimulator());
        ASSERT_TRUE(session.startProgram()) << session.diagnostics();
        session.key("p");
        ASSERT_TRUE(session.waitForLogSequence({"RX 02 83 00 00 01"}, 15000));
        ASSERT_TRUE(session.waitForLogSequence({kStatusRequest, kStatusRequest}, 5000));
    }

    E2eSession session{"28300000 7 2400\n"};
    int port = e2e::FreeLoopbackPort();
};

// A line the fuzz sends: junk bytes, a read, a malformed set, or a long line. Lines
// that happen to form a well-formed set are spoilt, so no request asks to change the radio.
std::string FuzzLine(std::mt19937 &random)
{
    static const std::vector<std::string> kReads{"f",
                                                 "m",
                                                 "v",
                                                 "s",
                                                 "i",
                                                 "x",
                                                 "t",
                                                 "l STRENGTH",
                                                 "l RAWSTR",
                                                 "+f",
                                                 ";m",
                                                 "|s",
                                                 ",\\get_freq",
                                                 "\\chk_vfo",
                                                 "\\get_powerstat",
                                                 "\\dump_state",
                                                 "l AF",
                                                 "\\dump_caps"};
    static const std::vector<std::string> kMalformedSets{
        "F",       "F abc",      "F -5",   "F 1e99",     "F 200000000", "M",
        "M FOO 0", "M USB 2400", "V VFOZ", "S 5 VFOB",   "S 1 VFOA",    "T 7",
        "T",       "I xyz",      "X LSB",  "\\set_freq", "F nan"};
    std::string line;
    switch (random() % 4) {
    case 0: {
        const std::size_t length = random() % 40;
        for (std::size_t i = 0; i < length; ++i) {
            const char c = static_cast<char>(random() % 256);
            line += c == '\n' ? ' ' : c;
        }
        break;
    }
    case 1:
        line = kReads[random() % kReads.size()];
        break;
    case 2:
        line = kMalformedSets[random() % kMalformedSets.size()];
        break;
    default:
        // Long lines stay within the limit: a longer one ends the connection.
        line = random() % 8 == 0
                   ? std::string(500 + random() % 500, 'F')
                   : kReads[random() % kReads.size()] + " " + std::to_string(random());
        break;
    }
    const std::optional<dorv::RigctlRequest> request = dorv::ParseRigctlLine(line);
    if (request && request->IsSet && request->Args.size() == std::size_t(request->ExpectedArgs)) {
        line.insert(0, "#");
    }
    return line;
}

// The simulator's frame log from line `from` on, with its time stamps in milliseconds.
std::vector<std::pair<int, std::string>> LogFrom(const E2eSession &session, std::size_t from)
{
    std::vector<std::pair<int, std::string>> log = session.timedSimLog();
    log.erase(log.begin(), log.begin() + static_cast<std::ptrdiff_t>(std::min(from, log.size())));
    return log;
}

// One fuzzing client: `bursts` bursts of random and malformed lines, one every 200 ms, so
// that the fuzz lasts while the meter polls. Now and then it drops mid-command and comes
// back; unless it is the one that never reads, it takes its answers after each burst and
// ends with a plain read whose answer it keeps. Bursts whose answers came are counted.
struct FuzzClient {
    int seed = 0;
    bool reads = true;
    int answeredBursts = 0;
    std::string lastAnswer;

    void run(int port, int bursts)
    {
        std::mt19937 random(static_cast<unsigned>(seed));
        TcpClient client;
        if (!client.connectTo(port)) {
            return;
        }
        auto next = Clock::now();
        for (int burst = 0; burst < bursts; ++burst) {
            if (burst % 7 == 6) {
                client.send("T 1");
                client.connectTo(port);
            }
            std::string lines;
            for (int n = 0; n < kLinesPerBurst; ++n) {
                lines += FuzzLine(random) + "\n";
            }
            client.send(lines);
            next += std::chrono::milliseconds(200);
            std::this_thread::sleep_until(next);
            if (reads) {
                answeredBursts += static_cast<int>(!client.receive(0, 20).empty());
            }
        }
        if (reads) {
            client.receive(1000, 200);
            client.send("f\n");
            lastAnswer = client.receiveLines(1);
        }
    }

    static constexpr int kLinesPerBurst = 15;
};

TEST_F(RigctlLoadE2e, fuzzFromSeveralClients_leavesThePanelAndTheRadioAlone)
{
    // 6 clients x 40 bursts x 15 lines: 3600 lines over about 8 s.
    constexpr int kBursts = 40;
    std::vector<FuzzClient> fuzzers(6);
    for (std::size_t c = 0; c < fuzzers.size(); ++c) {
        fuzzers[c].seed = 1234 + static_cast<int>(c);
        fuzzers[c].reads = c != 0;
    }
    // The window to look at opens with the last meter poll before the fuzz.
    const std::vector<std::string> before = session.simLog();
    std::size_t logStart = before.size() - 1;
    while (logStart > 0 && before[logStart] != kStatusRequest) {
        --logStart;
    }
    std::vector<std::thread> threads;
    for (FuzzClient &fuzzer : fuzzers) {
        threads.emplace_back([this, &fuzzer] { fuzzer.run(port, kBursts); });
    }
    // A band key while the clients are at it: the panel takes it and shows 14 MHz.
    std::this_thread::sleep_for(std::chrono::seconds(3));
    session.key("F5");
    EXPECT_TRUE(session.waitForPanel("ledFreq", "14.150.00", 3000)) << session.panel("ledFreq");
    for (std::thread &t : threads) {
        t.join();
    }
    ASSERT_TRUE(session.programRunning()) << session.diagnostics();
    const std::size_t logEnd = session.simLog().size();
    // One more meter poll closes the window.
    ASSERT_TRUE(e2e::WaitFor(
        [&] {
            const auto after = LogFrom(session, logEnd);
            return std::any_of(after.begin(), after.end(),
                               [](const auto &entry) { return entry.second == kStatusRequest; });
        },
        3000))
        << "no meter poll after the fuzz";

    // Every reading client was answered throughout and to its last request.
    for (std::size_t c = 1; c < fuzzers.size(); ++c) {
        EXPECT_GE(fuzzers[c].answeredBursts, kBursts * 3 / 4) << "client " << c;
        EXPECT_EQ(fuzzers[c].lastAnswer, "14150000\n") << "client " << c;
    }
    // Every connection that went is forgotten, and a fresh client is served.
    EXPECT_TRUE(session.waitForPanel("NetClients", "0", 3000)) << session.panel("NetClients");
    TcpClient probe;
    ASSERT_TRUE(probe.connectTo(port));
    probe.send("f\n");
    EXPECT_EQ(probe.receiveLines(1), "14150000\n");

    // Only the meter's status requests and the band key's frames (the 14 MHz band's
    // frequency and its zero repeater offset) reached the radio: no PTT, split, VFO toggle
    // or other frequency, though the fuzz held malformed sets and a half "T 1" cut off by
    // each reconnection.
    const auto log = LogFrom(session, logStart);
    std::vector<int> polls;
    std::vector<std::string> others;
    int keyMs = -1;
    for (const auto &[ms, line] : log) {
        if (line == kStatusRequest) {
            polls.push_back(ms);
        } else if (line.rfind("RX ", 0) == 0) {
            others.push_back(line);
            keyMs = keyMs < 0 ? ms : keyMs;
        }
    }
    EXPECT_EQ(others, (std::vector<std::string>{"RX 01 41 50 00 01", "RX 00 00 00 00 F9"}));

    // The meter asks every second tick of its 500 ms timer (one tick asks, the next reads
    // the reply). That kept on through the fuzz; only the band key's send may hold it
    // (the key stops the meter while it sends and starts it afresh).
    ASSERT_GE(polls.size(), 8u) << "meter polls in the fuzz window";
    int longest = 0;
    for (std::size_t i = 1; i < polls.size(); ++i) {
        const int gap = polls[i] - polls[i - 1];
        const bool spansKey = polls[i - 1] <= keyMs && keyMs <= polls[i];
        EXPECT_LE(gap, spansKey ? 2000 : 1400) << "meter poll gap ending at " << polls[i] << " ms";
        longest = spansKey ? longest : std::max(longest, gap);
    }
    std::printf("rigctl fuzz: %zu meter polls in %d ms, longest gap %d ms away from the key\n",
                polls.size(), polls.back() - polls.front(), longest);
}

// Processor seconds the program has used so far (user and system).
double CpuSeconds(int pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) {
            utime = std::stol(field);
        } else if (i == 15) {
            stime = std::stol(field);
        }
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

TEST_F(RigctlLoadE2e, benchmark_frequencyLatencyAndPanelProcessor)
{
    // Median time of one "f" request and its answer over loopback.
    TcpClient client;
    ASSERT_TRUE(client.connectTo(port));
    std::vector<double> latencies;
    for (int i = 0; i < 500; ++i) {
        const auto start = Clock::now();
        client.send("f\n");
        ASSERT_EQ(client.receiveLines(1), "28300000\n");
        latencies.push_back(
            std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(latencies.begin(), latencies.end());
    const double medianUs = latencies[latencies.size() / 2];

    // The panel's processor share while idle, then while 4 clients each ask 10 times a second.
    constexpr double kSeconds = 10;
    const int pid = session.programPid();
    double before = CpuSeconds(pid);
    std::this_thread::sleep_for(std::chrono::duration<double>(kSeconds));
    const double idleShare = (CpuSeconds(pid) - before) / kSeconds;

    std::atomic<bool> running{true};
    std::vector<std::thread> clients;
    for (int c = 0; c < 4; ++c) {
        clients.emplace_back([&, c] {
            static const char *const kAsk[] = {"f\n", "m\n", "t\n", "l STRENGTH\n"};
            TcpClient poller;
            if (!poller.connectTo(port)) {
                return;
            }
            auto next = Clock::now();
            while (running) {
                poller.send(kAsk[c]);
                poller.receiveLines(c == 1 ? 2 : 1, 1000);
                next += std::chrono::milliseconds(100);
                std::this_thread::sleep_until(next);
            }
        });
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    before = CpuSeconds(pid);
    std::this_thread::sleep_for(std::chrono::duration<double>(kSeconds));
    const double loadedShare = (CpuSeconds(pid) - before) / kSeconds;
    running = false;
    for (std::thread &t : clients) {
        t.join();
    }
    std::printf("rigctl benchmark: median f latency %.0f us over %zu requests; panel CPU "
                "%.1f %% idle, %.1f %% with 4 clients x 10 requests/s\n",
                medianUs, latencies.size(), idleShare * 100, loadedShare * 100);
    RecordProperty("median_f_latency_us", static_cast<int>(medianUs));
    EXPECT_LT(medianUs, 50000);
    EXPECT_LT(loadedShare, 0.5);
}

} // namespace
