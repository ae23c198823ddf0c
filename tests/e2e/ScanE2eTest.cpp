// Scanning and search against ft897-sim, driven from the keyboard and the mouse.

#include "E2eSession.h"
#include "model/files/RecordCodec.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>

using e2e::E2eSession;

namespace {

// Three FM stations on 2 m; the one at 145.0275 MHz lies between two 5 kHz channels, so
// the scan hears it only off centre.
constexpr const char *kTwoMetreSignals = "145000000 9 12000\n"
                                         "145027500 7 12000\n"
                                         "145100000 6 12000\n";

const std::string kToggle = "RX 00 00 00 00 81";
const std::string kStatusRequest = "RX 00 00 00 00 E7";

struct Retune {
    int ms;
    dorv::Freq freq;
};

// The frequency of a set-frequency frame in the log ("RX 14 50 00 00 01"), if it is one.
std::optional<dorv::Freq> SetFrequencyOf(const std::string &line)
{
    if (line.size() != 17 || line.rfind("RX ", 0) != 0 || line.substr(15) != "01") {
        return std::nullopt;
    }
    dorv::Freq freq = 0;
    for (const std::size_t at : {3u, 6u, 9u, 12u}) {
        freq = freq * 100 + (line[at] - '0') * 10 + (line[at + 1] - '0');
    }
    return freq;
}

std::vector<Retune> RetunesFrom(const std::vector<std::pair<int, std::string>> &log,
                                std::size_t from)
{
    std::vector<Retune> out;
    for (std::size_t i = from; i < log.size(); ++i) {
        if (const auto freq = SetFrequencyOf(log[i].second)) {
            out.push_back({log[i].first, *freq});
        }
    }
    return out;
}

class ScanSession : public ::testing::Test {
protected:
    ScanSession() : session(kTwoMetreSignals)
    {
        memoryFile = session.dir() / "stations.mem";
        const std::vector<dorv::MemoryChannel> empty(dorv::kMemoryCount);
        const dorv::Bytes bytes = dorv::EncodeMemoryChannels(empty);
        std::ofstream(memoryFile, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        session.changeSettings([this](dorv::SettingsRecord &settings) {
            settings.ScanSpeed = 5;     // 200 ms
            settings.PauseInterval = 3; // 3 s
            settings.Ars144 = false;
            settings.LastMemoryFile = memoryFile.string();
            settings.LastMemoryFile.resize(dorv::kPathLength, ' ');
        });
    }

    // The link on, the main VFO in FM on 144.980 MHz.
    void startOnTwoMetres()
    {
        ASSERT_TRUE(session.startSimulator());
        ASSERT_TRUE(session.startProgram()) << session.diagnostics();
        session.key("p");
        ASSERT_TRUE(session.waitForLogSequence(
            {"RX 02 83 00 00 01", kToggle, "RX 02 83 00 00 01", kToggle}, 15000));
        session.key("F11");
        session.key("shift+f");
        enter("14498000");
        ASSERT_TRUE(session.waitForLogSequence({"RX 08 00 00 00 07", "RX 14 49 80 00 01"}, 10000));
    }

    void enter(const std::string &digits)
    {
        session.key("Return");
        for (const char digit : digits) {
            session.key(std::string(1, digit));
        }
        ASSERT_TRUE(session.waitForPanel("ledFreq", "144.980.00", 5000));
    }

    dorv::Bytes memoryFileBytes() const
    {
        std::ifstream in(memoryFile, std::ios::binary);
        return dorv::Bytes((std::istreambuf_iterator<char>(in)), {});
    }

    E2eSession session;
    std::filesystem::path memoryFile;
};

TEST_F(ScanSession, scanHoldsOnTheBusyChannelThenSearchStoresTheStationsAndFileSaveWritesThem)
{
    startOnTwoMetres();
    const std::size_t mark = session.timedSimLog().size();
    session.key("4");
    ASSERT_TRUE(session.waitForPanel("lblSCAN", "1", 5000));
    ASSERT_TRUE(session.waitForLogSequence({"RX 14 50 00 00 01", "RX 14 50 40 00 01"}, 30000));
    session.screenshot("scan-running.png");
    session.key("4");
    ASSERT_TRUE(session.waitForPanel("lblSCAN", "0", 5000));

    const auto log = session.timedSimLog();
    const std::vector<Retune> steps = RetunesFrom(log, mark);
    ASSERT_GE(steps.size(), 12u); // 144.985 to 145.040; the stop may come before the next
    EXPECT_EQ(steps.front().freq, 14498500);
    for (std::size_t i = 1; i < steps.size(); ++i) {
        SCOPED_TRACE(steps[i - 1].freq);
        EXPECT_EQ(steps[i].freq, steps[i - 1].freq + 500);
        const int gap = steps[i].ms - steps[i - 1].ms;
        if (steps[i - 1].freq == 14500000) {
            // The hold: the pause of 3 s after the busy reply, then the next step at once.
            EXPECT_GE(gap, 3000);
            EXPECT_LE(gap, 4500);
        } else {
            // Quiet, or off centre (145.005, 145.025, 145.030): never held. The program
            // keeps its steps the interval and 2 ms apart; the simulator's log stamps them
            // in whole milliseconds when it wakes, a few milliseconds late under load.
            EXPECT_GE(gap, 200 - 5);
            EXPECT_LT(gap, 1500);
        }
    }
    // Between two steps the radio hears status requests only.
    for (std::size_t i = mark; i < log.size(); ++i) {
        const std::string &line = log[i].second;
        if (line.rfind("RX ", 0) == 0 && !SetFrequencyOf(line) && log[i].first < steps.back().ms) {
            EXPECT_EQ(line, kStatusRequest) << "at " << log[i].first << " ms";
        }
    }

    // SEARCH with the mouse, upward from 144.980 MHz past the three stations.
    enter("14498000");
    ASSERT_TRUE(session.clickOnFace("SEARCHbutton"));
    ASSERT_TRUE(session.waitForPanel("lblSEARCH", "1", 5000)) << session.diagnostics();
    ASSERT_TRUE(session.waitForLogSequence({"RX 14 51 05 00 01"}, 30000));
    ASSERT_TRUE(session.clickOnFace("SEARCHbutton"));
    ASSERT_TRUE(session.waitForPanel("lblSEARCH", "0", 5000));

    // File > Save: New, Open..., Save.
    const dorv::Bytes before = memoryFileBytes();
    session.key("alt+f");
    session.key("Down");
    session.key("Down");
    session.key("Return");
    ASSERT_TRUE(e2e::WaitFor([&] { return memoryFileBytes() != before; }, 10000));
    const dorv::Bytes saved = memoryFileBytes();
    ASSERT_EQ(saved.size(), dorv::kMemoryCount * dorv::kMemoryChannelSize);
    // The receive frequency opens each record, little-endian, in 10 Hz units: 145.000 MHz
    // in position 1, 145.100 MHz in position 2, nothing else; position 0 is never used.
    const auto frequencyAt = [&](int position) {
        const std::size_t at = position * dorv::kMemoryChannelSize;
        return saved[at] | saved[at + 1] << 8 | saved[at + 2] << 16 | saved[at + 3] << 24;
    };
    EXPECT_EQ(frequencyAt(0), 0);
    EXPECT_EQ(frequencyAt(1), 14500000);
    EXPECT_EQ(frequencyAt(2), 14510000);
    std::vector<dorv::MemoryChannel> channels(dorv::kMemoryCount);
    dorv::DecodeMemoryChannels(saved, channels);
    EXPECT_EQ(channels[1].Vfo.Mode, dorv::ModeFM);
    for (int position = 3; position < dorv::kMemoryCount; ++position) {
        ASSERT_FALSE(channels[position].inUse()) << position;
    }
    EXPECT_EQ(session.stopProgram(), 0);
}

TEST_F(ScanSession, killingTheRadioDuringAScanLeavesThePanelWorking)
{
    startOnTwoMetres();
    session.key("4");
    ASSERT_TRUE(session.waitForLogSequence({"RX 14 49 85 00 01", "RX 14 49 90 00 01"}, 10000));
    session.stopSimulator(SIGKILL);
    EXPECT_TRUE(session.waitForPanel("RadioNotAnswering", "1", 15000));
    session.screenshot("scan-radio-gone.png");

    session.key("4"); // SCAN off
    EXPECT_TRUE(session.waitForPanel("lblSCAN", "0", 5000));
    session.key("4"); // and on again, scanning a radio that does not answer
    EXPECT_TRUE(session.waitForPanel("lblSCAN", "1", 5000));
    session.key("p"); // POWER off ends it
    EXPECT_TRUE(session.waitForPanel("DisplayDark", "1", 5000));
    EXPECT_EQ(session.panel("lblSCAN"), "0");
    EXPECT_EQ(session.closeWithCloseBox(), 0);
}

} // namespace
