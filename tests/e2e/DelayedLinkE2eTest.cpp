// The real program with its port on a slow network: ft897-sim serving TCP behind a proxy
// that holds every byte 50 ms each way. The meter, a memory scan and a band scope sweep
// work as on a serial line, only slower, and the radio is never called silent.

#include "DelayProxy.h"
#include "E2eSession.h"
#include "TcpClient.h"
#include "model/files/RecordCodec.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

using e2e::E2eSession;
using e2e::Process;

namespace {

// A strong station on the 14 MHz band's starting frequency; the memories are quiet.
constexpr const char *kSignals = "14150000 12 2400\n";
const std::string kStatusRequest = "RX 00 00 00 00 E7";
constexpr std::chrono::milliseconds kOneWay{50};

class DelayedLink : public ::testing::Test {
protected:
    DelayedLink() : session(kSignals)
    {
        const auto &dir = session.dir();
        radioPort = e2e::FreeLoopbackPort();
        sim =
            Process({FT897_SIM_PROGRAM, "--tcp", "127.0.0.1:" + std::to_string(radioPort), "--log",
                     (dir / "sim.log").string(), "--signals", (dir / "signals.txt").string()});
        proxy = std::make_unique<e2e::DelayProxy>(radioPort, kOneWay);
        std::ofstream(dir / "ports.conf") << "1=tcp://127.0.0.1:" << proxy->port() << "\n";

        std::vector<dorv::MemoryChannel> memories(dorv::kMemoryCount);
        for (const auto &[position, freq] : {std::pair{10, 14510000}, std::pair{20, 14520000}}) {
            memories[position].Vfo = {freq, dorv::ModeFM};
            memories[position].Band = 1;
            memories[position].BankSelected = true;
        }
        const dorv::Bytes bytes = dorv::EncodeMemoryChannels(memories);
        const auto memoryFile = dir / "two.mem";
        std::ofstream(memoryFile, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        session.changeSettings([&](dorv::SettingsRecord &settings) {
            settings.MeterSpeed = 5; // 100 ms: faster than the round trip
            settings.ScanSpeed = 5;  // 200 ms
            settings.PauseInterval = 3;
            settings.LastMemoryFile = memoryFile.string();
            settings.LastMemoryFile.resize(dorv::kPathLength, ' ');
        });
    }

    // Waits until `done` holds (false after timeoutMs), failing the test whenever the status
    // bar says meanwhile that the radio is not answering.
    bool watchWhile(const std::function<bool()> &done, int timeoutMs)
    {
        return e2e::WaitFor(
            [&] {
                const std::string status = session.panel("StatusMessage");
                EXPECT_EQ(status.find("not answering"), std::string::npos) << status;
                return done();
            },
            timeoutMs);
    }
    void keepWatching(int ms)
    {
        watchWhile([] { return false; }, ms);
    }

    std::vector<std::string> receivedSince(std::size_t mark) const
    {
        std::vector<std::string> out;
        const auto log = session.simLog();
        for (std::size_t i = mark; i < log.size(); ++i) {
            if (log[i].rfind("RX ", 0) == 0) {
                out.push_back(log[i]);
            }
        }
        return out;
    }

    E2eSession session;
    int radioPort = 0;
    Process sim;
    std::unique_ptr<e2e::DelayProxy> proxy;
};

TEST_F(DelayedLink, meterAndMemoryScanOverA100msRoundTrip)
{
    ASSERT_GT(proxy->port(), 0);
    ASSERT_TRUE(session.startProgram()) << session.diagnostics();
    session.key("p");
    ASSERT_TRUE(session.waitForLogSequence({"RX 02 83 00 00 01", "RX 00 00 00 00 81"}, 15000))
        << session.diagnostics();

    // The meter on the station, polled faster than the round trip.
    session.key("F5");
    ASSERT_TRUE(watchWhile([&] { return session.panel("lblBusy") == "1"; }, 10000))
        << session.panel("StatusMessage");
    const std::size_t meterMark = session.timedSimLog().size();
    keepWatching(3000);
    EXPECT_EQ(session.panel("lblBusy"), "1");
    // A request is not asked again while its reply may still be on its way: at the radio,
    // one request follows the last by more than the round trip (about 120 ms here), never
    // at each 100 ms tick.
    int lastRequest = -1;
    const auto timed = session.timedSimLog();
    for (std::size_t i = meterMark; i < timed.size(); ++i) {
        if (timed[i].second == kStatusRequest) {
            if (lastRequest >= 0) {
                EXPECT_GE(timed[i].first - lastRequest, 150) << "at " << timed[i].first << " ms";
            }
            lastRequest = timed[i].first;
        }
    }

    // MR, then a memory scan over the two quiet memories: they alternate.
    session.key("ctrl+v");
    ASSERT_TRUE(e2e::WaitFor([&] { return !session.panel("ledMRnumber").empty(); }, 10000))
        << session.diagnostics();
    const std::size_t mark = session.simLog().size();
    session.key("4");
    ASSERT_TRUE(session.waitForPanel("lblSCAN", "1", 5000));
    keepWatching(5000);
    session.key("4");
    ASSERT_TRUE(session.waitForPanel("lblSCAN", "0", 5000));
    std::vector<std::string> retunes;
    for (const std::string &line : receivedSince(mark)) {
        if (line.size() == 17 && line.substr(15) == "01") {
            retunes.push_back(line);
        }
    }
    ASSERT_GE(retunes.size(), 6u) << "a step takes an interval and a round trip";
    for (std::size_t i = 0; i < retunes.size(); ++i) {
        EXPECT_EQ(retunes[i], i % 2 == 0 ? "RX 14 52 00 00 01" : "RX 14 51 00 00 01") << i;
    }
    EXPECT_EQ(session.panel("RadioNotAnswering"), "0");
    EXPECT_EQ(session.stopProgram(), 0);
}

// The band scope at STEP 10 kHz: one sweep of six readings over 50 kHz, each a frequency
// frame and its status request, with each reply waited for across the network.
TEST_F(DelayedLink, bandScopeSweepOverA100msRoundTrip)
{
    ASSERT_TRUE(session.startProgram()) << session.diagnostics();
    session.key("p");
    ASSERT_TRUE(session.waitForPanel("DisplayDark", "0", 15000));
    session.key("F5"); // 14 MHz band, 14.150.00 USB
    ASSERT_TRUE(session.waitForPanel("ledFreq", "14.150.00", 5000));
    ASSERT_TRUE(session.clickOnFace("SCOPEbutton"));
    EXPECT_TRUE(session.answerMessage("Open Scope Settings File", 10000)) << session.diagnostics();
    const std::string scope = session.findWindow("Band Scope", 10000);
    ASSERT_FALSE(scope.empty()) << session.diagnostics();
    session.clickOnScopeFace(scope, 504, 442); // STEP, then its fifth entry
    for (const char *key : {"Down", "Down", "Down", "Down", "Return"}) {
        session.keyInto(scope, key);
    }
    ASSERT_TRUE(session.waitForPanel("ScopeStep", "4", 5000));

    const std::size_t mark = session.simLog().size();
    session.clickOnScopeFace(scope, 57, 433); // START
    ASSERT_TRUE(session.waitForPanel("ScopeButton", "STOP", 5000));
    ASSERT_TRUE(watchWhile(
        [&] {
            EXPECT_EQ(session.panel("ScopeNotAnswering"), "0");
            return session.panel("ScopeSweeps") == "1";
        },
        30000));
    std::vector<std::string> frames = receivedSince(mark);
    const auto first = std::find(frames.begin(), frames.end(), "RX 01 41 25 00 01");
    ASSERT_NE(first, frames.end());
    frames.erase(frames.begin(), first);
    static const std::vector<std::string> sweep{
        "RX 01 41 25 00 01", kStatusRequest, "RX 01 41 35 00 01", kStatusRequest,
        "RX 01 41 45 00 01", kStatusRequest, "RX 01 41 55 00 01", kStatusRequest,
        "RX 01 41 65 00 01", kStatusRequest, "RX 01 41 75 00 01", kStatusRequest};
    ASSERT_GE(frames.size(), sweep.size());
    EXPECT_EQ(std::vector<std::string>(frames.begin(), frames.begin() + sweep.size()), sweep);
    // The proxy really delays: a reading's request and the next step's frame, as the radio
    // receives them, lie a round trip apart at least.
    const auto timed = session.timedSimLog();
    const auto start = std::find_if(timed.begin() + static_cast<long>(mark), timed.end(),
                                    [](const auto &entry) { return entry.second == sweep[0]; });
    int lastRequest = -1;
    for (auto entry = start; entry != timed.end(); ++entry) {
        const auto &[ms, line] = *entry;
        if (line == kStatusRequest) {
            lastRequest = ms;
        } else if (lastRequest >= 0 && line.rfind("RX ", 0) == 0) {
            EXPECT_GE(ms - lastRequest, 100) << line;
            lastRequest = -1;
        }
    }
    EXPECT_EQ(session.stopProgram(), 0);
}

} // namespace
