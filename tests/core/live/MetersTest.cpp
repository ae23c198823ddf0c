#include "LiveFixture.h"
#include "support/RecordingRadio.h"

using namespace dorv;
using namespace dorv::test;

namespace {

// Status bytes fed by hand: the meters behind a port that records what they ask.
class MetersTest : public ::testing::Test, protected RecordingRadio {
protected:
    MetersTest() { port.opened = true; }

    // One poll that asks, then one that reads the byte the radio answered.
    void rxPoll(std::uint8_t status)
    {
        bool got = true;
        radio.meters.ReadRxStatus(got);
        EXPECT_FALSE(got);
        port.incoming.push_back(status);
        radio.meters.ReadRxStatus(got);
        EXPECT_TRUE(got);
    }
};

TEST_F(MetersTest, readRxStatus_busyCentringAndSValue)
{
    const struct {
        std::uint8_t status;
        int mode;
        bool busy, centred;
        double s, bandStart, bandEnd;
    } rows[] = {
        {0x00, ModeUSB, true, true, 0, 0, 0},      {0x8F, ModeUSB, false, true, 15, 0, 0},
        {0xE3, ModeUSB, false, false, 3, 1, 4},    {0x1F, ModeUSB, true, true, 31, 0, 0},
        {0x45, ModeFM, true, true, 5, 2.25, 2.75}, {0xA2, ModeFM, false, false, 2, 1, 4},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.status);
        s.MainVfo.Mode = static_cast<std::int16_t>(row.mode);
        rxPoll(row.status);
        EXPECT_EQ(p.lblBusy.Visible, row.busy);
        EXPECT_EQ(s.SignalCentred, row.centred);
        EXPECT_EQ(p.LMeter[0].End, row.s);
        EXPECT_EQ(p.LMeter[1].Start, row.bandStart);
        EXPECT_EQ(p.LMeter[1].End, row.bandEnd);
    }
    EXPECT_EQ(port.frames().back(), F(0, 0, 0, 0, 0xE7));
}

// A port that tells of arriving bytes: the reply is on the meter as it comes, and every
// tick asks, so the meter reads once each interval instead of every other one.
TEST_F(MetersTest, readRxStatus_showsTheReplyAsItArrivesAndAsksAtEachTick)
{
    for (const std::uint8_t status : {0x09, 0x83, 0x0C}) {
        const std::size_t asked = port.frames().size();
        bool got = true;
        radio.meters.ReadRxStatus(got);
        EXPECT_FALSE(got);
        ASSERT_EQ(port.frames().size(), asked + 1) << "a request at each tick";
        port.deliver({status});
        EXPECT_EQ(p.LMeter[0].End, status & 0x1F) << int(status);
        EXPECT_EQ(p.lblBusy.Visible, status < 0x80);
    }
}

// A reading tells the window that only the meter moved, so it is not compared whole each
// time; the first reading after a silence changes the status bar too.
TEST_F(MetersTest, readRxStatus_tellsOfAMeterChangeUnlessItEndsASilence)
{
    p.RadioNotAnswering = true;
    for (const bool endsSilence : {true, false, false}) {
        host.panelChanges = host.meterChanges = 0;
        bool got = true;
        radio.meters.ReadRxStatus(got);
        port.deliver({0x05});
        EXPECT_FALSE(p.RadioNotAnswering);
        EXPECT_EQ(host.panelChanges, endsSilence ? 1 : 0);
        EXPECT_EQ(host.meterChanges, endsSilence ? 0 : 1);
    }
}

TEST_F(MetersTest, readTxStatus_stepsThePowerReading)
{
    const struct {
        std::uint8_t status;
        double shown;
    } rows[] = {{0x0A, 5.0}, {0x84, 1.0}, {0x01, 0.5}, {0xE6, 2.5}, {0x00, 0.0}};
    for (const auto &row : rows) {
        bool got = true;
        radio.meters.ReadTxStatus(got);
        EXPECT_FALSE(got);
        port.incoming.push_back(row.status);
        radio.meters.ReadTxStatus(got);
        EXPECT_TRUE(got);
        EXPECT_EQ(p.LMeter[1].End, row.shown) << int(row.status);
    }
}

TEST_F(MetersTest, showSignalMeter_peakHoldsOneSecondThenFalls)
{
    const struct {
        int intervalMs;
        int holdCalls;
    } rows[] = {{100, 10}, {1000, 1}, {400, 3}, {0, 1}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.intervalMs);
        radio.meters.TimerSignalMeter.setInterval(row.intervalMs);
        radio.meters.ShowSignalMeter(6);
        for (int call = 1; call < row.holdCalls; ++call) {
            radio.meters.ShowSignalMeter(0);
            EXPECT_EQ(p.LMeter[2].Value, 6) << call;
        }
        for (int expected = 5; expected >= 0; --expected) {
            radio.meters.ShowSignalMeter(0);
            EXPECT_EQ(p.LMeter[2].Value, expected);
        }
        radio.meters.ShowSignalMeter(0);
        EXPECT_EQ(p.LMeter[2].Value, 0);
    }
}

TEST_F(MetersTest, readRxStatusMR_staysOnBusyWithPauseOffAndWaitsWithPause)
{
    s.CurrentMemory = 12;
    s.Memories[12].Description.replace(0, 8, "REPEATER");
    s.ScanDirection = 1;
    const struct {
        std::uint8_t status;
        int pause;
        bool moveOn;
        double waited;
    } rows[] = {{0x05, 0, false, 0}, {0x05, 3, true, 3}, {0x85, 0, true, 0}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.pause);
        s.PauseTime = row.pause;
        bool moveOn = !row.moveOn, send = true;
        radio.scanCheck.ReadRxStatusMR(moveOn, send);
        EXPECT_FALSE(send);
        port.incoming.push_back(row.status);
        const double start = host.now();
        radio.scanCheck.ReadRxStatusMR(moveOn, send);
        EXPECT_EQ(moveOn, row.moveOn);
        EXPECT_TRUE(send);
        EXPECT_NEAR(host.now() - start, row.waited, 0.01);
        EXPECT_EQ(p.lblBusy.Visible, row.status < 0x80);
    }
    EXPECT_EQ(p.lblMemoryDesc.Caption, "REPEATER");
}

TEST_F(MetersTest, readRxStatusSearch_storesCentredFmOnceAndSlowsOnSideband)
{
    s.SearchOn = true;
    s.ScanDirection = 1;
    s.MainVfo = {14550000, ModeFM};
    s.Memories[1].Vfo.Frequency = 14400000;
    bool moveOn = false, send = true;
    for (int pass = 0; pass < 2; ++pass) { // the second centred hit finds it stored
        radio.scanCheck.ReadRxStatusSearch(moveOn, send);
        port.incoming.push_back(0x09);
        radio.scanCheck.ReadRxStatusSearch(moveOn, send);
        EXPECT_TRUE(moveOn && send);
    }
    EXPECT_EQ(s.Memories[2].Vfo, s.MainVfo);
    EXPECT_EQ(s.Memories[3].Vfo.Frequency, 0);
    EXPECT_EQ(s.MemoryCount, 1);
    EXPECT_TRUE(s.MemoryDirty);
    EXPECT_FALSE(p.lblBusy.Visible);

    s.SearchOn = false;
    s.MainVfo = {1420030, ModeUSB};
    s.ScanStep = 50;
    for (std::uint8_t status : {0x27, 0xA0}) { // a signal slows, silence speeds up again
        radio.scanCheck.ReadRxStatusSearch(moveOn, send);
        port.incoming.push_back(status);
        radio.scanCheck.ReadRxStatusSearch(moveOn, send);
        EXPECT_TRUE(moveOn);
    }
    EXPECT_EQ(s.ScanStep, 50);
    EXPECT_EQ(s.MainVfo.Frequency, 1420050);
}

TEST_F(MetersTest, findFreeMemory_nothingStoredWhenFull)
{
    for (MemoryChannel &m : s.Memories) {
        m.Vfo.Frequency = 100000;
    }
    bool notStored = true;
    int pos = -1;
    radio.scanCheck.FindFreeMemory(notStored, pos);
    EXPECT_FALSE(notStored);
}

} // namespace
