// Held keys under a desktop's auto-repeat on a busy machine: the X server reports a held
// key as release/press pairs, and the program must still see one press and one release.

#include "E2eSession.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

using e2e::E2eSession;

namespace {

constexpr const char *kSignals = "14150000 12 2400\n";

struct LoggedFrame {
    long ms = 0;
    std::string bytes; // "02 83 00 00 01"
};

// The frames the radio received, with the simulator's time stamps.
std::vector<LoggedFrame> ReceivedFrames(const E2eSession &session)
{
    std::ifstream in(session.dir() / "sim.log");
    std::vector<LoggedFrame> frames;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        LoggedFrame frame;
        std::string direction;
        fields >> frame.ms >> direction;
        if (direction == "RX") {
            std::getline(fields >> std::ws, frame.bytes);
            frames.push_back(frame);
        }
    }
    return frames;
}

bool IsFrequencyFrame(const LoggedFrame &frame)
{
    return frame.bytes.size() == 14 && frame.bytes.substr(12) == "01";
}

// Both cores kept busy, as a loaded desktop is, for as long as this lives.
struct CpuLoad {
    std::vector<e2e::Process> spinners;
    CpuLoad()
    {
        const long cores = std::max(2L, sysconf(_SC_NPROCESSORS_ONLN));
        for (long i = 0; i < cores; ++i) {
            spinners.emplace_back(std::vector<std::string>{"sh", "-c", "while :; do :; done"});
        }
    }
};

// A session with the link on and the display repeating held keys 20 times a second
// after 150 ms.
void StartLinked(E2eSession &session)
{
    ASSERT_TRUE(session.startSimulator());
    ASSERT_TRUE(session.startProgram()) << session.diagnostics();
    ASSERT_TRUE(session.autoRepeat(150, 20)) << "xset could not turn auto-repeat on";
    session.key("p");
    ASSERT_TRUE(session.waitForLogSequence({"RX 02 83 00 00 01", "RX 00 00 00 00 81"}, 15000))
        << "link did not come on";
    usleep(1500 * 1000); // the power-on sends are over
}

TEST(HeldKeys, spaceHeldTwoSecondsUnderLoadKeysTheTransmitterOnceOnAndOnceOff)
{
    E2eSession session(kSignals);
    StartLinked(session);
    CpuLoad load;
    session.keyDown("space");
    usleep(2000 * 1000);
    session.keyUp("space");
    EXPECT_TRUE(session.waitForPanel("lblOnAir", "0", 10000));
    usleep(1000 * 1000);

    const std::vector<std::string> log = session.simLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "RX 00 00 00 00 08"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "RX 00 00 00 00 88"), 1);
    EXPECT_TRUE(session.waitForLogSequence({"RX 00 00 00 00 08", "RX 00 00 00 00 88"}, 1000));
}

// While the knob key is held the program steps once per repeat and re-sends the
// frequency every 250 ms; after the release it sends the frequency once more, once.
TEST(HeldKeys, pageUpHeldUnderLoadStepsResendsEvery250msAndSendsOneFinalFrame)
{
    E2eSession session(kSignals);
    StartLinked(session);
    const std::size_t before = ReceivedFrames(session).size();
    {
        CpuLoad load;
        session.keyDown("Prior");
        usleep(1500 * 1000);
        session.keyUp("Prior");
        usleep(1500 * 1000);
    }
    std::vector<LoggedFrame> frames = ReceivedFrames(session);
    frames.erase(frames.begin(), frames.begin() + static_cast<long>(before));
    std::erase_if(frames, [](const LoggedFrame &f) { return !IsFrequencyFrame(f); });
    ASSERT_GE(frames.size(), 5u) << "the held key did not step the dial";

    // Up to the release: a re-send repeats the frame before it; a burst repeats it many
    // times at once.
    const LoggedFrame final = frames.back();
    frames.pop_back();
    std::vector<long> resends;
    std::size_t run = 1;
    std::size_t longestRun = 1;
    for (std::size_t i = 1; i < frames.size(); ++i) {
        run = frames[i].bytes == frames[i - 1].bytes ? run + 1 : 1;
        longestRun = std::max(longestRun, run);
        if (run > 1) {
            resends.push_back(frames[i].ms);
        }
    }
    std::string timeline;
    for (const LoggedFrame &f : frames) {
        timeline += std::to_string(f.ms) + " " + f.bytes + "\n";
    }
    EXPECT_LE(longestRun, 2u) << "identical frames in a burst:\n" << timeline;
    // Six re-sends fit in 1.5 s; a loaded machine may run the timer late, and the tick
    // after a late one early, so their spacing is judged on average.
    ASSERT_GE(resends.size(), 3u) << "no 250 ms re-sends while the key was held:\n" << timeline;
    const long average = (resends.back() - resends.front()) / long(resends.size() - 1);
    EXPECT_GE(average, 200) << "re-sends closer than the timer allows:\n" << timeline;
    EXPECT_LE(average, 400) << timeline;
    // The final frame sends the last step's frequency, alone, at least the release wait
    // after the frame before it.
    EXPECT_EQ(final.bytes, frames.back().bytes) << timeline;
    EXPECT_GE(final.ms - frames.back().ms, 150) << "more than one frame after the release:\n"
                                                << timeline << final.ms << " " << final.bytes;
}

} // namespace
