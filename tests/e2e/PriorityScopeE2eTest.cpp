// HOME pressed during a priority check, and a scan that outlives the band scope's window,
// against ft897-sim, driven from the keyboard and the mouse.

#include "E2eSession.h"
#include "model/files/RecordCodec.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using e2e::E2eSession;

namespace {

const std::string kToggle = "RX 00 00 00 00 81";
const std::string kOperatorFrame = "RX 14 49 80 00 01";    // 144.980 MHz
const std::string kChannelZeroFrame = "RX 14 50 00 00 01"; // 145.000 MHz
const std::string kHomeFrame = "RX 14 56 00 00 01";        // 145.600 MHz
constexpr int kBand144 = 1;

void WriteChannels(const std::filesystem::path &path,
                   const std::vector<dorv::MemoryChannel> &channels)
{
    const dorv::Bytes bytes = dorv::EncodeMemoryChannels(channels);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char *>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

dorv::MemoryChannel FmChannel(dorv::Freq freq)
{
    dorv::MemoryChannel channel;
    channel.Vfo = {freq, dorv::ModeFM};
    channel.Band = kBand144;
    channel.BankSelected = true;
    return channel;
}

// Lines of the log from `from` on.
std::vector<std::string> Since(const E2eSession &session, std::size_t from)
{
    const std::vector<std::string> log = session.simLog();
    return {log.begin() + long(std::min(from, log.size())), log.end()};
}

// A memory file with channel 0 on 145.000 MHz, the 2 m HOME channel on 145.600 MHz, PRI
// every 5 s, the pause OFF (a check stays while channel 0 is busy) and scanning at 200 ms.
class PriorityScopeSession : public ::testing::Test {
protected:
    explicit PriorityScopeSession(const char *signals = "145000000 9 12000\n") : session(signals)
    {
        const auto memoryFile = session.dir() / "priority.mem";
        std::vector<dorv::MemoryChannel> memories(dorv::kMemoryCount);
        memories[0] = FmChannel(14500000);
        WriteChannels(memoryFile, memories);
        std::vector<dorv::MemoryChannel> home(dorv::kHomeChannelCount);
        home[kBand144] = FmChannel(14560000);
        WriteChannels(session.dir() / "homemem.dorv", home);
        session.changeSettings([&](dorv::SettingsRecord &settings) {
            settings.PriSpeed = 2;      // 5 s
            settings.PauseInterval = 4; // OFF
            settings.ScanSpeed = 5;     // 200 ms
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
        ASSERT_TRUE(session.waitForLogSequence({kToggle, kToggle}, 15000));
        session.key("F11");
        session.key("shift+f");
        session.key("Return");
        for (const char digit : std::string("14498000")) {
            session.key(std::string(1, digit));
        }
        ASSERT_TRUE(session.waitForPanel("ledFreq", "144.980.00", 5000));
        ASSERT_TRUE(session.waitForLogSequence({"RX 08 00 00 00 07", kOperatorFrame}, 10000));
    }

    E2eSession session;
};

// HOME during a check ends the monitor as PRI does: the operator's frequency goes back to
// the radio before the HOME channel, no check follows, the second HOME returns to the
// operator's frequency and the main dial tunes again.
TEST_F(PriorityScopeSession, homeDuringAPriorityCheckEndsItAndReturnsToTheOperator)
{
    startOnTwoMetres();
    std::size_t mark = session.simLog().size();
    session.key("5"); // PRI
    ASSERT_TRUE(session.waitForPanel("ledMRnumber", "Pr", 5000));
    ASSERT_TRUE(session.waitForPanel("ledFreq", "145.000.00", 15000)) << session.diagnostics();
    ASSERT_TRUE(session.waitForPanel("lblBusy", "1", 5000));
    EXPECT_TRUE(session.waitForLogSequence({kChannelZeroFrame}, 1000));

    mark = session.simLog().size();
    session.key("ctrl+h");
    ASSERT_TRUE(session.waitForPanel("ledMRnumber", "H", 5000)) << session.diagnostics();
    EXPECT_TRUE(session.waitForPanel("ledFreq", "145.600.00", 5000));
    ASSERT_TRUE(e2e::WaitFor(
        [&] {
            return e2e::ContainsInOrder(Since(session, mark), {kOperatorFrame, kHomeFrame});
        },
        5000));
    session.screenshot("home-during-priority-check.png");
    sleep(7); // longer than the 5 s interval: no check comes any more
    const std::vector<std::string> after = Since(session, mark);
    EXPECT_EQ(std::count(after.begin(), after.end(), kChannelZeroFrame), 0);
    EXPECT_EQ(session.panel("ledFreq"), "145.600.00");

    mark = session.simLog().size();
    session.key("ctrl+h");
    ASSERT_TRUE(session.waitForPanel("ledFreq", "144.980.00", 5000)) << session.diagnostics();
    EXPECT_EQ(session.panel("ledMRnumber"), "");
    EXPECT_TRUE(e2e::WaitFor(
        [&] { return e2e::ContainsInOrder(Since(session, mark), {kOperatorFrame}); }, 5000));

    // The main dial works: Page Up tunes one step up and the radio follows.
    mark = session.simLog().size();
    session.key("Prior");
    ASSERT_TRUE(e2e::WaitFor([&] { return session.panel("ledFreq") != "144.980.00"; }, 5000));
    const std::string tuned = session.panel("ledFreq");
    ASSERT_EQ(tuned.size(), 10u) << tuned;
    const std::string frame = "RX " + tuned.substr(0, 2) + " " + tuned.substr(2, 1) +
                              tuned.substr(4, 1) + " " + tuned.substr(5, 2) + " " +
                              tuned.substr(8, 2) + " 01";
    EXPECT_TRUE(
        e2e::WaitFor([&] { return e2e::ContainsInOrder(Since(session, mark), {frame}); }, 5000))
        << frame;
    EXPECT_EQ(session.stopProgram(), 0);
}

class ScanAndScopeSession : public PriorityScopeSession {
protected:
    ScanAndScopeSession() : PriorityScopeSession("") {}
};

// The scope and the panel's scan keep their own state: a SCAN started while the scope is
// open goes on stepping after the scope's window is closed.
TEST_F(ScanAndScopeSession, scanGoesOnAfterTheScopeWindowCloses)
{
    startOnTwoMetres();
    ASSERT_TRUE(session.clickOnFace("SCOPEbutton"));
    EXPECT_TRUE(session.answerMessage("Open Scope Settings File", 10000)) << session.diagnostics();
    ASSERT_TRUE(session.waitForPanel("ScopeVisible", "1", 10000)) << session.diagnostics();
    const std::string scope = session.findWindow("Band Scope", 10000);
    ASSERT_FALSE(scope.empty());

    session.keyInto(session.mainWindow(), "4"); // SCAN
    ASSERT_TRUE(session.waitForPanel("lblSCAN", "1", 5000)) << session.diagnostics();
    ASSERT_TRUE(session.waitForLogSequence({"RX 14 49 85 00 01", "RX 14 49 90 00 01"}, 10000));
    session.keyInto(scope, "alt+F4"); // the scope's close box
    ASSERT_TRUE(session.waitForPanel("ScopeVisible", "0", 5000)) << session.diagnostics();

    const std::size_t mark = session.simLog().size();
    sleep(2);
    int retunes = 0;
    for (const std::string &line : Since(session, mark)) {
        retunes += line.size() == 17 && line.rfind("RX 14 ", 0) == 0 && line.substr(15) == "01";
    }
    EXPECT_GE(retunes, 4) << "the scan still steps every 200 ms";
    EXPECT_EQ(session.panel("lblSCAN"), "1");
    session.screenshot("scan-after-scope-closed.png");

    session.key("4"); // SCAN off
    ASSERT_TRUE(session.waitForPanel("lblSCAN", "0", 5000));
    EXPECT_EQ(session.stopProgram(), 0);
}

} // namespace
