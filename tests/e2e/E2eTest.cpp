// The real program under Xvfb, driven from the keyboard, against ft897-sim on a
// pseudo-terminal: what reaches the radio is read back from the simulator's frame log.

#include "E2eSession.h"
#include "model/files/RecordCodec.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

using e2e::E2eSession;

namespace {

// A strong SSB signal on the 14 MHz band's starting frequency.
constexpr const char *kSignals = "# frequency_hz s_level width_hz\n14150000 12 2400\n";

const std::string kToggle = "RX 00 00 00 00 81";

// Switches the link on from the keyboard and waits for the power-on send of both VFOs
// (the 28 MHz band of the default table: main, toggle, sub, toggle).
void PowerOn(E2eSession &session)
{
    session.key("p");
    ASSERT_TRUE(session.waitForLogSequence(
        {"RX 02 83 00 00 01", kToggle, "RX 02 83 00 00 01", kToggle}, 15000))
        << "power-on sequence missing from the simulator log";
}

dorv::BandRecord ReadBandFile(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    const dorv::Bytes bytes((std::istreambuf_iterator<char>(in)), {});
    return dorv::DecodeBandRecord(bytes);
}

struct MeterBar {
    double start = -1;
    double end = -1;
};

// A meter indicator's bar, from the panel dump "start end value".
MeterBar Meter(const E2eSession &session, int indicator)
{
    std::istringstream in(session.panel("LMeter" + std::to_string(indicator)));
    MeterBar bar;
    in >> bar.start >> bar.end;
    return bar;
}

TEST(LiveLink, powerBandAndDialFromTheKeyboardThenExitAndComeBack)
{
    E2eSession session(kSignals);
    ASSERT_TRUE(session.startSimulator());
    ASSERT_TRUE(session.startProgram());
    PowerOn(session);

    session.key("F5"); // 14 MHz band
    session.key("Prior");
    ASSERT_TRUE(session.waitForLogSequence({"RX 01 41 50 00 01", "RX 01 41 50 01 01"}, 10000));
    EXPECT_TRUE(session.waitForPanel("ledFreq", "14.150.01", 5000));

    // The meter polls the radio: the signal on the tuned frequency lights BUSY and moves
    // the S bar.
    EXPECT_TRUE(session.waitForPanel("lblBusy", "1", 10000));
    EXPECT_EQ(Meter(session, 0).end, 12) << session.panel("LMeter0");
    session.screenshot("live-link-busy.png");

    EXPECT_EQ(session.stopProgram(), 0);
    const dorv::BandRecord bands = ReadBandFile(session.dir() / "bandinfo.dorv");
    EXPECT_EQ(bands.LastMainBand, 7);
    EXPECT_EQ(bands.BandMainVfo[7].Frequency, 1415001);

    const std::size_t linesBefore = session.simLog().size();
    ASSERT_TRUE(session.startProgram());
    session.key("p");
    ASSERT_TRUE(e2e::WaitFor(
        [&] {
            const auto log = session.simLog();
            return log.size() > linesBefore &&
                   e2e::ContainsInOrder(
                       std::vector<std::string>(log.begin() + linesBefore, log.end()),
                       {"RX 01 41 50 01 01", kToggle});
        },
        15000))
        << "the second start did not come back on 14.150.01";
}

TEST(LiveLink, unpluggedRadioLeavesThePanelResponsiveAndSaysSo)
{
    E2eSession session(kSignals);
    ASSERT_TRUE(session.startSimulator());
    ASSERT_TRUE(session.startProgram());
    PowerOn(session);

    session.stopSimulator(SIGKILL);
    EXPECT_TRUE(session.waitForPanel("RadioNotAnswering", "1", 15000));
    session.key("F5");
    EXPECT_TRUE(session.waitForPanel("ledFreq", "14.150.00", 5000));
    EXPECT_TRUE(session.programRunning());
    session.screenshot("unplugged.png");
    EXPECT_EQ(session.stopProgram(), 0);
}

TEST(OperatingFunctions, keypadEntryModeShiftAndPushToTalk)
{
    E2eSession session(kSignals);
    ASSERT_TRUE(session.startSimulator());
    ASSERT_TRUE(session.startProgram());
    PowerOn(session);

    session.key("F11"); // 144 MHz band: its slot carries the 600 kHz repeater offset
    session.key("Return");
    for (const char *digit : {"1", "4", "5", "5", "2", "5", "0", "0"}) {
        session.key(digit);
    }
    EXPECT_TRUE(session.waitForPanel("ledFreq", "145.525.00", 5000));
    session.key("shift+f"); // FM
    // 145.525 MHz lies outside the minus-shift segments: simplex. 145.150 MHz is inside.
    session.key("Return");
    for (const char *digit : {"1", "4", "5", "1", "5", "0", "0", "0"}) {
        session.key(digit);
    }
    ASSERT_TRUE(session.waitForLogSequence(
        {"RX 14 55 25 00 01", "RX 08 00 00 00 07", "RX 14 51 50 00 01", "RX 09 00 00 00 09"},
        10000));
    // The panel dump is written on its own 100 ms timer, so it may trail the frame log.
    EXPECT_TRUE(session.waitForPanel("RptMinus", "1", 5000));

    session.keyDown("space");
    ASSERT_TRUE(session.waitForLogSequence({"RX 00 00 00 00 08"}, 5000));
    EXPECT_TRUE(session.waitForPanel("lblOnAir", "1", 5000));
    EXPECT_EQ(session.panel("ledFreq"), "144.550.00");
    EXPECT_TRUE(e2e::WaitFor(
        [&] {
            const MeterBar power = Meter(session, 1); // from zero, unlike the centring band
            return power.start == 0 && power.end > 0;
        },
        10000))
        << "power bar not shown: " << session.panel("LMeter1");
    EXPECT_TRUE(session.screenshot("transmitting.png"));
    session.keyUp("space");
    EXPECT_TRUE(session.waitForLogSequence({"RX 00 00 00 00 08", "RX 00 00 00 00 88"}, 5000));
    EXPECT_TRUE(session.waitForPanel("lblOnAir", "0", 5000));
    EXPECT_EQ(session.stopProgram(), 0);
}

} // namespace

namespace {

TEST(Program, firstStartInAnEmptyDirectoryThenCloseBoxWritesTheDataFiles)
{
    E2eSession session("", E2eSession::Seed::Nothing);
    session.launchProgram();
    ASSERT_TRUE(session.answerMessage("Open Band Info File", 15000)) << session.diagnostics();
    ASSERT_TRUE(session.answerMessage("Open Settings File", 10000)) << session.diagnostics();
    ASSERT_TRUE(session.waitForMainWindow()) << session.diagnostics();
    EXPECT_EQ(session.panel("Caption"), "DORV FT-897");
    EXPECT_EQ(session.panel("SerialPort"), "None");
    EXPECT_EQ(session.panel("DisplayDark"), "1");
    EXPECT_EQ(session.panel("ledFreq"), "");
    session.screenshot("first-start.png");

    EXPECT_EQ(session.closeWithCloseBox(), 0);
    const auto size = [&](const char *name) {
        std::error_code ec;
        return std::filesystem::file_size(session.dir() / name, ec);
    };
    EXPECT_EQ(size("bandinfo.dorv"), 1204u);
    EXPECT_EQ(size("ft897.dorv"), 1248u);
    EXPECT_EQ(size("homemem.dorv"), 1236u);
}

} // namespace
