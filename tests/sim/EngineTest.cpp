#include "Ft897Engine.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

using namespace ft897sim;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr double kDelay = 0.020; // default reply delay

void Send(Engine &engine, const Bytes &frame, double now = 0)
{
    engine.receive(frame.data(), frame.size(), now);
}

// Sends a request and collects its reply once it is due.
Bytes Ask(Engine &engine, const Bytes &frame, double now = 0)
{
    Send(engine, frame, now);
    return engine.takeReady(now + 1);
}

// One 145.250 MHz FM station, 12 kHz wide, S9, with an 88.5 Hz tone.
std::vector<Signal> OneRepeater()
{
    return {{145'250'000, 9, 12'000, 885}};
}

} // namespace

TEST(Engine, setCommands_changeTheStateAsTheRadioDoes)
{
    struct Case {
        const char *name;
        Bytes frame;
        std::function<bool(const RigState &)> check;
    };
    const std::vector<Case> cases = {
        {"frequency",
         {0x43, 0x91, 0x00, 0x00, 0x01},
         [](const RigState &r) { return r.vfo[0].frequency == 43910000; }},
        {"non-BCD frequency ignored",
         {0x4A, 0x91, 0x00, 0x00, 0x01},
         [](const RigState &r) { return r.vfo[0].frequency == 14420000; }},
        {"mode USB",
         {0x01, 0, 0, 0, 0x07},
         [](const RigState &r) { return r.vfo[0].modeCode == 1; }},
        {"mode FM narrow",
         {0x88, 0, 0, 0, 0x07},
         [](const RigState &r) { return r.vfo[0].modeCode == 0x88; }},
        {"unknown mode ignored",
         {0x06, 0, 0, 0, 0x07},
         [](const RigState &r) { return r.vfo[0].modeCode == 0x08; }},
        {"split on", {0, 0, 0, 0, 0x02}, [](const RigState &r) { return r.split; }},
        {"ptt on", {0, 0, 0, 0, 0x08}, [](const RigState &r) { return r.ptt; }},
        {"repeater minus",
         {0x09, 0, 0, 0, 0x09},
         [](const RigState &r) { return r.rptDirection == -1; }},
        {"repeater plus",
         {0x49, 0, 0, 0, 0x09},
         [](const RigState &r) { return r.rptDirection == 1; }},
        {"repeater offset 600 kHz",
         {0x00, 0x06, 0x00, 0x00, 0xF9},
         [](const RigState &r) { return r.rptOffset == 60000; }},
        {"tone mode DCS",
         {0x0A, 0, 0, 0, 0x0A},
         [](const RigState &r) { return r.toneModeCode == 0x0A; }},
        {"tone mode CTCSS enc/dec",
         {0x2A, 0, 0, 0, 0x0A},
         [](const RigState &r) { return r.toneModeCode == 0x2A; }},
        {"unknown tone mode ignored",
         {0x5A, 0, 0, 0, 0x0A},
         [](const RigState &r) { return r.toneModeCode == 0x8A; }},
        {"CTCSS as BCD, transmit and receive",
         {0x10, 0x00, 0x12, 0x30, 0x0B},
         [](const RigState &r) { return r.ctcssTenthsTx == 1000 && r.ctcssTenthsRx == 1230; }},
        {"CTCSS as a single code byte",
         {0x3F, 0, 0, 0, 0x0B},
         [](const RigState &r) { return r.ctcssTenthsTx == 670 && r.ctcssTenthsRx == 670; }},
        {"CTCSS code byte 00 is 250.3 Hz",
         {0x00, 0, 0, 0, 0x0B},
         [](const RigState &r) { return r.ctcssTenthsTx == 2503; }},
        {"DCS transmit and receive",
         {0x07, 0x54, 0x00, 0x23, 0x0C},
         [](const RigState &r) { return r.dcsTx == 754 && r.dcsRx == 23; }},
        {"DCS without receive code uses it for both",
         {0x01, 0x14, 0, 0, 0x0C},
         [](const RigState &r) { return r.dcsTx == 114 && r.dcsRx == 114; }},
        {"DCS with a non-octal digit ignored",
         {0x00, 0x28, 0x00, 0x28, 0x0C},
         [](const RigState &r) { return r.dcsTx == 23; }},
        {"toggle VFO", {0, 0, 0, 0, 0x81}, [](const RigState &r) { return r.activeVfo == 1; }},
        {"unknown opcode ignored",
         {0x12, 0x34, 0x56, 0x78, 0x55},
         [](const RigState &r) { return r == RigState{}; }},
    };
    for (const Case &c : cases) {
        Engine engine;
        Send(engine, c.frame);
        EXPECT_TRUE(c.check(engine.rig())) << c.name;
        EXPECT_TRUE(engine.takeReady(10).empty()) << c.name << ": a set command got a reply";
    }
}

TEST(Engine, offCommands_clearWhatTheOnCommandsSet)
{
    Engine engine;
    for (const Bytes &frame : {Bytes{0, 0, 0, 0, 0x02}, Bytes{0, 0, 0, 0, 0x08},
                               Bytes{0x49, 0, 0, 0, 0x09}, Bytes{0x4A, 0, 0, 0, 0x0A}}) {
        Send(engine, frame);
    }
    for (const Bytes &frame : {Bytes{0, 0, 0, 0, 0x82}, Bytes{0, 0, 0, 0, 0x88},
                               Bytes{0x89, 0, 0, 0, 0x09}, Bytes{0x8A, 0, 0, 0, 0x0A}}) {
        Send(engine, frame);
    }
    EXPECT_EQ(engine.rig(), RigState{});
}

TEST(Engine, frequencyAndMode_followTheActiveVfo)
{
    Engine engine;
    Send(engine, {0x14, 0x52, 0x30, 0x00, 0x01});
    Send(engine, {0, 0, 0, 0, 0x81});
    Send(engine, {0x00, 0x70, 0x50, 0x00, 0x01});
    Send(engine, {0x00, 0, 0, 0, 0x07});
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0x03}), (Bytes{0x00, 0x70, 0x50, 0x00, 0x00}));
    Send(engine, {0, 0, 0, 0, 0x81});
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0x03}, 2), (Bytes{0x14, 0x52, 0x30, 0x00, 0x08}));
}

TEST(Engine, frequencyWhileTransmitting_isTheTransmitFrequency)
{
    Engine engine;
    RigState &rig = engine.rig();
    rig.vfo[0].frequency = 14525000;
    rig.vfo[1] = {43910000, 0x01};
    rig.ptt = true;
    rig.rptDirection = -1;
    rig.rptOffset = 60000;
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0x03}), (Bytes{0x14, 0x46, 0x50, 0x00, 0x08}));
    rig.split = true;
    rig.rptDirection = 0;
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0x03}, 2), (Bytes{0x43, 0x91, 0x00, 0x00, 0x01}));
}

// A shift past either end of the eight digits was read back as bytes that are not BCD.
TEST(Engine, frequencyWhileTransmitting_staysWithinEightDigits)
{
    Engine engine;
    RigState &rig = engine.rig();
    rig.vfo[0].frequency = 14525000;
    rig.ptt = true;
    rig.rptDirection = -1;
    rig.rptOffset = 99999999;
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0x03}), (Bytes{0x00, 0x00, 0x00, 0x00, 0x08}));
    rig.rptDirection = 1;
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0x03}, 2), (Bytes{0x99, 0x99, 0x99, 0x99, 0x08}));
}

TEST(Engine, rxStatus_reportsSquelchToneCentringAndSLevel)
{
    struct Case {
        const char *name;
        Freq frequency;
        std::uint8_t mode;
        std::uint8_t toneMode;
        int rxTone;
        std::uint8_t expected;
    };
    const Case cases[] = {
        {"no signal", 14600000, 0x08, 0x8A, 885, 0x80},
        {"on centre", 14525000, 0x08, 0x8A, 885, 0x09},
        {"250 Hz off is still centred", 14525025, 0x08, 0x8A, 885, 0x09},
        {"500 Hz off in FM", 14525050, 0x08, 0x8A, 885, 0x29},
        {"500 Hz off in FM narrow", 14525050, 0x88, 0x8A, 885, 0x29},
        {"500 Hz off in USB: no discriminator", 14525050, 0x01, 0x8A, 885, 0x09},
        {"at the edge of the width", 14525600, 0x08, 0x8A, 885, 0x29},
        {"just past the edge", 14525601, 0x08, 0x8A, 885, 0x80},
        {"CTCSS decoder, tone matches", 14525000, 0x08, 0x2A, 885, 0x09},
        {"CTCSS decoder, other tone", 14525000, 0x08, 0x2A, 1000, 0x49},
        {"CTCSS decoder, no signal", 14600000, 0x08, 0x3A, 885, 0xC0},
        {"CTCSS encoder only never misses", 14525000, 0x08, 0x4A, 1000, 0x09},
        {"DCS decoder never matches", 14525000, 0x08, 0x0A, 885, 0x49},
    };
    for (const Case &c : cases) {
        Engine engine({}, OneRepeater());
        engine.rig().vfo[0] = {c.frequency, c.mode};
        engine.rig().toneModeCode = c.toneMode;
        engine.rig().ctcssTenthsRx = c.rxTone;
        EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0xE7}), Bytes{c.expected}) << c.name;
    }
}

TEST(Engine, rxStatus_takesTheStrongestOverlappingSignalAndClampsS)
{
    Engine engine({}, {{7'050'000, 3, 3000}, {7'051'000, 20, 3000}});
    engine.rig().vfo[0] = {705000, 0x00};
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0xE7}), Bytes{0x0F});
    engine.setSignals({});
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0xE7}, 2), Bytes{0x80});
}

// With fading, every reading of a heard signal moves its S level within 3 of the signal's
// own, never repeating the last one, and leaves the squelch, tone and centring bits alone;
// the same seed gives the same readings.
TEST(Engine, fading_movesTheSLevelAtEveryReadingAndRepeatsWithTheSeed)
{
    auto readings = [](unsigned seed, int sLevel, Freq frequency) {
        Engine engine({.seed = seed, .fading = true}, {{145'250'000, sLevel, 12'000, 885}});
        engine.rig().vfo[0] = {frequency, 0x08};
        engine.rig().toneModeCode = 0x2A; // CTCSS decoder on another tone: the tone bit set
        engine.rig().ctcssTenthsRx = 1000;
        Bytes replies;
        for (int i = 0; i < 300; ++i) {
            const Bytes reply = Ask(engine, {0, 0, 0, 0, 0xE7}, 2.0 * i);
            EXPECT_EQ(reply.size(), 1u);
            replies.push_back(reply.empty() ? 0xFF : reply[0]);
        }
        return replies;
    };
    const Bytes offCentre = readings(5, 9, 14525050);
    std::vector<int> seen(16, 0);
    for (std::size_t i = 0; i < offCentre.size(); ++i) {
        EXPECT_EQ(offCentre[i] & 0xF0, 0x60) << i; // tone unmatched, off centre, squelch open
        const int level = offCentre[i] & 0x0F;
        EXPECT_TRUE(level >= 6 && level <= 12) << i << ": S" << level;
        if (i > 0) {
            EXPECT_NE(offCentre[i], offCentre[i - 1]) << i;
        }
        ++seen[level];
    }
    EXPECT_EQ(std::count_if(seen.begin(), seen.end(), [](int n) { return n > 20; }), 7);

    EXPECT_EQ(readings(5, 9, 14525050), offCentre);
    EXPECT_NE(readings(6, 9, 14525050), offCentre);

    for (const auto &[level, low, high] : {std::tuple{14, 11, 15}, std::tuple{0, 0, 3}}) {
        for (const std::uint8_t reply : readings(5, level, 14525000)) {
            EXPECT_GE(reply & 0x0F, low) << "S" << level;
            EXPECT_LE(reply & 0x0F, high) << "S" << level;
        }
    }
    for (const std::uint8_t reply : readings(5, 9, 14600000)) {
        EXPECT_EQ(reply, 0xC0); // nothing heard: no level to fade
    }
}

TEST(Engine, txStatus_reportsTransmitSplitAndPower)
{
    Engine engine;
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0xF7}), Bytes{0x80});
    Send(engine, {0, 0, 0, 0, 0x02}, 2);
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0xF7}, 2), Bytes{0xA0});
    Send(engine, {0, 0, 0, 0, 0x08}, 4);
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0xF7}, 4), Bytes{0x2A});
    Send(engine, {0, 0, 0, 0, 0x82}, 6);
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0xF7}, 6), Bytes{0x0A});
}

TEST(Engine, eepromRead_repliesTwoBytesWithTheSplitFlagAt8D)
{
    Engine engine;
    EXPECT_EQ(Ask(engine, {0x00, 0x8C, 0, 0, 0xBB}), (Bytes{0x00, 0x00}));
    Send(engine, {0, 0, 0, 0, 0x02}, 2);
    EXPECT_EQ(Ask(engine, {0x00, 0x8C, 0, 0, 0xBB}, 2), (Bytes{0x00, 0x80}));
    EXPECT_EQ(Ask(engine, {0x00, 0x8D, 0, 0, 0xBB}, 4), (Bytes{0x80, 0x00}));
}

TEST(Engine, framing_assemblesFramesSplitOverWrites)
{
    Engine engine;
    const Bytes stream = {0x43, 0x91, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x03};
    engine.receive(stream.data(), 2, 0.0);
    EXPECT_TRUE(engine.receivedFrames().empty());
    engine.receive(stream.data() + 2, 4, 0.05);
    engine.receive(stream.data() + 6, 4, 0.1);
    ASSERT_EQ(engine.receivedFrames().size(), 2u);
    EXPECT_EQ(engine.receivedFrames()[1], (Frame{0, 0, 0, 0, 0x03}));
    EXPECT_EQ(engine.rig().vfo[0].frequency, 43910000);
    EXPECT_EQ(engine.takeReady(1), (Bytes{0x43, 0x91, 0x00, 0x00, 0x08}));
}

// A stray byte would shift every later frame; after an idle gap it is dropped, logged as
// discarded, and the next request is answered. Bytes within the gap still make a frame.
TEST(Engine, framing_dropsAPartialFrameAfterAnIdleGap)
{
    Engine engine({}, {});
    const double gap = Engine::kPartialFrameTimeout;
    Send(engine, {0x55}, 1.0);
    EXPECT_DOUBLE_EQ(engine.partialFrameExpiry(), 1.0 + gap);
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0xE7}, 1.0 + gap), Bytes{0x80});
    EXPECT_TRUE(std::isinf(engine.partialFrameExpiry()));

    // Two stray bytes noticed by the clock alone, before anything else arrives.
    Send(engine, {0x12, 0x34}, 3.0);
    EXPECT_TRUE(engine.takeReady(3.0 + gap - 0.001).empty());
    engine.takeReady(3.0 + gap);
    Send(engine, {0, 0, 0}, 4.0);
    Send(engine, {0, 0xF7}, 4.0 + gap - 0.001);

    const auto &log = engine.log(); // the last reply is not yet due
    ASSERT_EQ(log.size(), 5u);
    EXPECT_TRUE(log[0].discarded);
    EXPECT_EQ(log[0].bytes, Bytes{0x55});
    EXPECT_FALSE(log[1].discarded);
    EXPECT_TRUE(log[3].discarded);
    EXPECT_DOUBLE_EQ(log[3].time, 3.0 + gap);
    EXPECT_EQ(log[3].bytes, (Bytes{0x12, 0x34}));
    EXPECT_EQ(engine.receivedFrames(),
              (std::vector<Frame>{{0, 0, 0, 0, 0xE7}, {0, 0, 0, 0, 0xF7}}));
}

TEST(Engine, replies_comeAfterTheDelayInRequestOrder)
{
    Engine engine({}, {});
    EXPECT_TRUE(std::isinf(engine.nextReplyTime()));
    const Bytes requests = {0, 0, 0, 0, 0xE7, 0, 0, 0, 0, 0xF7, 0, 0, 0, 0, 0x03};
    engine.receive(requests.data(), requests.size(), 1.0);
    EXPECT_DOUBLE_EQ(engine.nextReplyTime(), 1.0 + kDelay);
    EXPECT_TRUE(engine.takeReady(1.0 + kDelay - 0.001).empty());
    EXPECT_EQ(engine.takeReady(1.0 + kDelay), (Bytes{0x80, 0x80, 0x14, 0x42, 0x00, 0x00, 0x08}));
    EXPECT_TRUE(engine.takeReady(5).empty());
    EXPECT_TRUE(std::isinf(engine.nextReplyTime()));
}

TEST(Engine, log_recordsFramesAndRepliesInTimeOrder)
{
    Engine engine({}, {});
    Send(engine, {0, 0, 0, 0, 0xE7}, 1.0);
    Send(engine, {0, 0, 0, 0, 0x81}, 1.5); // the reply fell due in between
    engine.takeReady(2.0);
    const auto &log = engine.log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_TRUE(log[0].received);
    EXPECT_DOUBLE_EQ(log[0].time, 1.0);
    EXPECT_FALSE(log[1].received);
    EXPECT_DOUBLE_EQ(log[1].time, 1.0 + kDelay);
    EXPECT_EQ(log[1].bytes, Bytes{0x80});
    EXPECT_TRUE(log[2].received);
    EXPECT_DOUBLE_EQ(log[2].time, 1.5);
    engine.clearLog();
    EXPECT_TRUE(engine.log().empty());
}

TEST(Engine, extraDelay_addsToEveryReply)
{
    Engine engine({.replyDelayMs = 50, .extraDelayMs = 200}, {});
    Send(engine, {0, 0, 0, 0, 0xE7}, 1.0);
    EXPECT_DOUBLE_EQ(engine.nextReplyTime(), 1.25);
    EXPECT_TRUE(engine.takeReady(1.2).empty());
    EXPECT_EQ(engine.takeReady(1.25), Bytes{0x80});
}

TEST(Engine, drop_losesTheGivenShareDeterministically)
{
    auto run = [](unsigned seed, double share) {
        Engine engine({.dropShare = share, .seed = seed}, {});
        Bytes replies;
        for (int i = 0; i < 1000; ++i) {
            Send(engine, {0, 0, 0, 0, 0xE7}, i);
            const Bytes got = engine.takeReady(i + 0.5);
            replies.push_back(got.empty() ? 0 : 1);
        }
        return replies;
    };
    const Bytes a = run(7, 0.3);
    const long kept = std::count(a.begin(), a.end(), 1);
    EXPECT_NEAR(kept, 700, 50);
    EXPECT_EQ(run(7, 0.3), a);
    EXPECT_NE(run(8, 0.3), a);
    const Bytes all = run(7, 0.0);
    EXPECT_EQ(std::count(all.begin(), all.end(), 1), 1000);
    const Bytes none = run(7, 1.0);
    EXPECT_EQ(std::count(none.begin(), none.end(), 1), 0);
}

TEST(Engine, acknowledge_answersSetsWith00WhenChangedAndF0WhenAlreadySo)
{
    Engine engine({.acknowledgeSets = true}, {});
    const std::vector<std::pair<Bytes, std::uint8_t>> steps = {
        {{0, 0, 0, 0, 0x08}, 0x00},             // PTT on
        {{0, 0, 0, 0, 0x08}, 0xF0},             // already on
        {{0, 0, 0, 0, 0x88}, 0x00},             // off
        {{0x14, 0x42, 0, 0, 0x01}, 0xF0},       // the frequency it already has
        {{0x14, 0x43, 0, 0, 0x01}, 0x00},       // a new one
        {{0x06, 0, 0, 0, 0x07}, 0xF0},          // a mode it does not know
        {{0, 0, 0, 0, 0x81}, 0x00},             // toggling always changes
        {{0x08, 0x85, 0x08, 0x85, 0x0B}, 0xF0}, // the tone it has
    };
    double now = 0;
    for (const auto &[frame, ack] : steps) {
        EXPECT_EQ(Ask(engine, frame, now), Bytes{ack}) << int(frame[4]) << " at " << now;
        now += 2;
    }
    // Status requests are answered with their status, not an acknowledgement.
    EXPECT_EQ(Ask(engine, {0, 0, 0, 0, 0xF7}, now), Bytes{0x80});
    EXPECT_TRUE(Ask(engine, {0, 0, 0, 0, 0x55}, now + 2).empty());
}
