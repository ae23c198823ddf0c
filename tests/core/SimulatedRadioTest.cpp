#include "Radio.h"
#include "SimulatedPort.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

using namespace dorv;
using dorv::test::FakeHost;

namespace {

// The core's commands against the in-process simulated radio on the virtual clock:
// what the program sends must be what the radio ends up holding.
class SimulatedRadioTest : public ::testing::Test {
protected:
    SimulatedRadioTest() : port(engine, [this] { return host.now(); }), radio(host, port, "/tmp")
    {
        radio.state.Settings.CommPort = 1;
        radio.link.OpenCommPort();
    }

    FakeHost host;
    ft897sim::Engine engine;
    ft897sim::SimulatedPort port;
    Radio radio;
};

TEST_F(SimulatedRadioTest, subVfoReachesTheOtherVfoThroughTheToggleBracket)
{
    RadioState &s = radio.state;
    s.MainVfo = {14525000, ModeFM};
    s.SubVfo = {705000, ModeLSB};
    radio.cat.SendFreqToRadioMB(s.MainVfo.Frequency);
    radio.cat.SendModeToRadioMB();
    radio.cat.ToggleVFOAB();
    radio.cat.SendFreqToRadioSB(s.SubVfo.Frequency);
    radio.cat.SendModeToRadioSB();
    radio.cat.ToggleVFOAB();

    const auto &rig = engine.rig();
    EXPECT_EQ(rig.activeVfo, 0);
    EXPECT_EQ(rig.vfo[0].frequency, 14525000);
    EXPECT_EQ(rig.vfo[0].modeCode, 0x08);
    EXPECT_EQ(rig.vfo[1].frequency, 705000);
    EXPECT_EQ(rig.vfo[1].modeCode, 0x00);
    EXPECT_EQ(engine.receivedFrames().size(), 6u);
}

TEST_F(SimulatedRadioTest, toneDcsOffsetAndSplitLandInTheRadio)
{
    RadioState &s = radio.state;
    s.MainVfo.CtcssTone = 12; // 100.0 Hz
    s.MainVfo.DcsCode = 103;  // 754
    s.MainVfo.RptDirection = kRptMinus;
    radio.cat.SendToneToRadioMB();
    radio.cat.SendDcsToRadioMB();
    radio.cat.SendRptOffsetToRadio(60000);
    radio.cat.SendRptDirectionToRadio();
    radio.cat.SplitOnToRadio();

    const auto &rig = engine.rig();
    EXPECT_EQ(rig.ctcssTenthsTx, 1000);
    EXPECT_EQ(rig.ctcssTenthsRx, 1000);
    EXPECT_EQ(rig.dcsTx, 754);
    EXPECT_EQ(rig.dcsRx, 754);
    EXPECT_EQ(rig.rptOffset, 60000);
    EXPECT_EQ(rig.rptDirection, -1);
    EXPECT_TRUE(rig.split);
}

TEST_F(SimulatedRadioTest, statusReplyArrivesOnlyAfterTheRadiosDelay)
{
    radio.link.write(MakeFrame(Opcode::RxStatus));
    EXPECT_EQ(port.bytesAvailable(), 0);
    host.run(0.010);
    EXPECT_EQ(port.bytesAvailable(), 0);
    host.run(0.015);
    EXPECT_EQ(port.bytesAvailable(), 1);
}

} // namespace
