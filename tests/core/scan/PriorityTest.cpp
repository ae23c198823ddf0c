#include "ScanFixture.h"

using namespace dorv;
using namespace dorv::test;

namespace {

constexpr int kPri5s = 2;
constexpr int kPriOff = 3;
constexpr Freq kChannelZero = 14550000;
constexpr Freq kOperator = 14500000;

class PriorityTest : public ScanFixture {
protected:
    PriorityTest()
    {
        radio.intervals.mnuPRIspeed_Click(kPri5s);
        s.BandTable.BandSubVfo[kBand144] = {14420000, ModeFM};
        s.BandTable.LastSubBand = kBand144;
    }

    void channelZero() { store(0, kChannelZero).Description = "Priority" + std::string(41, ' '); }

    // Retunes of the main VFO between the operator's frequency and channel 0.
    std::vector<Step> mainSteps() const
    {
        std::vector<Step> out;
        for (const Step &step : steps()) {
            if (step.freq == kChannelZero || step.freq == kOperator) {
                out.push_back(step);
            }
        }
        return out;
    }
};

TEST_F(PriorityTest, pri_refusedWithTheIntervalOffFirstThenWithChannelZeroEmpty)
{
    powerOn(kBand144, {kOperator, ModeFM});
    radio.intervals.mnuPRIspeed_Click(kPriOff);
    radio.pri.PRIbutton_Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Priority Monitor Interval OFF");
    EXPECT_EQ(host.messages[0].text,
              "The priority monitor interval under the Settings Menu has been turned off. You "
              "must select a priority monitor interval before monitoring can take place.");
    EXPECT_EQ(host.beeps, 0);

    radio.intervals.mnuPRIspeed_Click(kPri5s);
    radio.pri.PRIbutton_Click();
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].title, "Help");
    EXPECT_EQ(host.messages[1].text, "You must save frequency information in memory channel 0 "
                                     "before selecting the Priority (PRI) function.");
    EXPECT_EQ(host.beeps, 1);
    EXPECT_FALSE(s.PriOn);
    EXPECT_FALSE(radio.pri.TimerPriorityMonitor.enabled());
}

// Every 5 s the radio goes to channel 0; busy, it stays the 5 s pause, then comes back to
// the operator's frequency, and the next check follows 5 s later.
TEST_F(PriorityTest, busyChannelZero_holdsThePauseThenReturnsAndChecksAgain)
{
    channelZero();
    engine.setSignals({{145500000, 9, 12000, 0}});
    powerOn(kBand144, {kOperator, ModeFM});
    radio.pri.PRIbutton_Click();
    EXPECT_TRUE(s.PriOn);
    EXPECT_EQ(p.ledMRnumber, "Pr");
    EXPECT_TRUE(p.ledMRnumberVisible);
    const double start = host.now();

    bool looked = false;
    after(7.0, [&] {
        looked = true;
        EXPECT_EQ(s.MainVfo.Frequency, kChannelZero);
        EXPECT_TRUE(p.lblCH.Visible);
        EXPECT_EQ(p.lblMemoryDesc.Caption, "Priority");
        EXPECT_TRUE(p.lblMemoryDesc.Visible);
        EXPECT_FALSE(p.MainKnob.Enabled);
        EXPECT_FALSE(p.ChannelKnob.Enabled);
        EXPECT_FALSE(p.btnJogUp.Enabled);
    });
    ASSERT_TRUE(runUntil([&] { return mainSteps().size() >= 3; }, 20.0));
    EXPECT_TRUE(looked);
    const std::vector<Step> retunes = mainSteps();
    EXPECT_EQ(retunes[0].freq, kChannelZero);
    EXPECT_NEAR(retunes[0].time - start, 5.0, 0.05);
    EXPECT_EQ(retunes[1].freq, kOperator);
    EXPECT_GE(retunes[1].time - retunes[0].time, 5.0);
    EXPECT_LE(retunes[1].time - retunes[0].time, 5.6);
    EXPECT_EQ(retunes[2].freq, kChannelZero);
    // The next interval starts once both VFOs are back at the radio: the sub VFO goes out
    // between two toggles, 1 s of waits after the main VFO.
    EXPECT_GE(retunes[2].time - retunes[1].time, 6.0);
    EXPECT_LE(retunes[2].time - retunes[1].time, 6.1);
}

TEST_F(PriorityTest, memoryState_eachCheckReturnsToThePositionOrTheNextInUse)
{
    channelZero();
    store(25, 14525000);
    store(30, 14530000);
    powerOn(kBand144, {kOperator, ModeFM});
    s.CurrentMemory = 25;
    radio.memory.VFOMRbutton_Click();
    ASSERT_EQ(s.CurrentMemory, 25);
    host.run(0.5);
    engine.clearLog();
    radio.pri.PRIbutton_Click();

    ASSERT_TRUE(runUntil([&] { return stepFrequencies().size() >= 2; }, 8.0));
    host.run(0.5);
    EXPECT_EQ(stepFrequencies(), (std::vector<Freq>{kChannelZero, 14525000}));
    EXPECT_EQ(s.CurrentMemory, 25);
    EXPECT_EQ(p.ledMRnumber, "Pr");
    EXPECT_FALSE(p.lblCH.Visible);

    // Position 25 emptied meanwhile: the check comes back to the next memory in use.
    s.Memories[25].Vfo.Frequency = 0;
    --s.MemoryCount;
    engine.clearLog();
    ASSERT_TRUE(runUntil([&] { return stepFrequencies().size() >= 2; }, 8.0));
    host.run(0.5);
    EXPECT_EQ(stepFrequencies(), (std::vector<Freq>{kChannelZero, 14530000}));
    EXPECT_EQ(s.CurrentMemory, 30);

    // Ended between checks, the monitor leaves the memory where the operator is.
    radio.pri.PRIbutton_Click();
    EXPECT_FALSE(s.PriOn);
    EXPECT_EQ(s.CurrentMemory, 30);
    EXPECT_EQ(p.ledMRnumber, "030");
}

TEST_F(PriorityTest, priDuringACheck_endsAtOnceBackOnTheOperatorsFrequency)
{
    channelZero();
    engine.setSignals({{145500000, 9, 12000, 0}});
    powerOn(kBand144, {kOperator, ModeFM});
    radio.pri.PRIbutton_Click();
    double endedAt = 0;
    after(6.0, [&] {
        ASSERT_EQ(s.MainVfo.Frequency, kChannelZero);
        radio.pri.PRIbutton_Click();
        endedAt = host.now();
    });
    ASSERT_TRUE(runUntil([&] { return endedAt > 0; }, 10.0));
    EXPECT_LT(host.now() - endedAt, 0.5);
    EXPECT_FALSE(s.PriOn);
    EXPECT_FALSE(p.ledMRnumberVisible);
    EXPECT_EQ(s.MainVfo.Frequency, kOperator);
    EXPECT_EQ(mainSteps().back().freq, kOperator);
    const std::size_t before = mainSteps().size();
    host.run(12.0);
    EXPECT_EQ(mainSteps().size(), before);
    EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
}

// HOME during a check ends the monitor as PRI does (operator's frequency, knobs, meter and
// buttons back), then recalls HOME; the next HOME returns to the operator's frequency.
TEST_F(PriorityTest, homeDuringACheck_endsTheMonitorLikePriThenRecallsHome)
{
    constexpr Freq kHome = 14620000;
    channelZero();
    s.HomeChannels[kBand144].Vfo = {kHome, ModeFM};
    s.HomeChannels[kBand144].Band = kBand144;
    engine.setSignals({{145500000, 9, 12000, 0}});
    powerOn(kBand144, {kOperator, ModeFM});
    radio.pri.PRIbutton_Click();
    bool pressed = false;
    after(6.0, [&] {
        ASSERT_EQ(s.MainVfo.Frequency, kChannelZero);
        radio.home.HOMEbutton_Click();
        pressed = true;
    });
    ASSERT_TRUE(runUntil([&] { return pressed; }, 10.0));
    host.run(0.5);
    EXPECT_FALSE(s.PriOn);
    EXPECT_TRUE(s.HomeActive);
    EXPECT_EQ(s.ScanDirection, 0);
    EXPECT_EQ(p.ledMRnumber, "H");
    EXPECT_EQ(s.MainVfo.Frequency, kHome);
    EXPECT_EQ(engine.rig().vfo[0].frequency, kHome);
    EXPECT_TRUE(p.MainKnob.Enabled);
    EXPECT_TRUE(p.ChannelKnob.Enabled);
    EXPECT_TRUE(p.btnJogUp.Enabled);
    EXPECT_TRUE(p.SCANbutton.Enabled) << "the PRI layout of the buttons is gone";
    EXPECT_FALSE(p.lblCH.Visible);
    EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
    EXPECT_EQ(s.BandTable.BandMainVfo[kBand144].Frequency, kOperator);

    // No check comes back, and the second HOME returns to the operator's frequency.
    const std::size_t before = mainSteps().size();
    host.run(12.0);
    EXPECT_EQ(mainSteps().size(), before);
    radio.home.HOMEbutton_Click();
    EXPECT_FALSE(s.HomeActive);
    EXPECT_EQ(s.MainVfo.Frequency, kOperator);
    EXPECT_EQ(engine.rig().vfo[0].frequency, kOperator);
}

// With the pause OFF a check stays on channel 0 while it is busy, however long; when the
// signal goes the radio returns and channel 0's description goes with it.
TEST_F(PriorityTest, pauseOff_staysWhileChannelZeroIsBusyThenClearsItsDescription)
{
    radio.intervals.mnuPauseInterval_Click(kPauseOff);
    channelZero();
    engine.setSignals({{145500000, 9, 12000, 0}});
    powerOn(kBand144, {kOperator, ModeFM});
    radio.pri.PRIbutton_Click();
    bool stillThere = false;
    after(14.0, [&] {
        stillThere = s.MainVfo.Frequency == kChannelZero && p.lblMemoryDesc.Visible;
        engine.setSignals({});
    });
    ASSERT_TRUE(runUntil([&] { return mainSteps().size() >= 2; }, 20.0));
    EXPECT_TRUE(stillThere) << "9 s into the check, still on the busy channel 0";
    EXPECT_GE(mainSteps()[1].time - mainSteps()[0].time, 9.0);
    EXPECT_EQ(mainSteps()[1].freq, kOperator);
    host.run(0.5);
    EXPECT_FALSE(p.lblMemoryDesc.Visible) << "no description on the VFO display";
    EXPECT_FALSE(p.lblBusy.Visible);
}

// In PMS each check returns to the PMS VFO; VFO/M during a check ends the monitor there.
TEST_F(PriorityTest, pmsState_checksReturnToThePmsVfoAndVfoMEndsTheMonitor)
{
    constexpr Freq kPmsVfo = 14459000;
    s.BandTable.PmsLower[kBand144] = 14450000;
    s.BandTable.PmsUpper[kBand144] = 14460000;
    s.BandTable.BandPmsVfo[kBand144] = {kPmsVfo, ModeFM};
    channelZero();
    powerOn(kBand144, {kOperator, ModeFM});
    radio.pms.PMSbutton_Click();
    ASSERT_EQ(s.MainVfo.Frequency, kPmsVfo);
    engine.clearLog();
    radio.pri.PRIbutton_Click();
    ASSERT_TRUE(runUntil([&] { return stepFrequencies().size() >= 2; }, 8.0));
    EXPECT_EQ(stepFrequencies(), (std::vector<Freq>{kChannelZero, kPmsVfo}));
    EXPECT_EQ(s.OperatingState, StatePMS);
    EXPECT_EQ(p.ledMRnumber, "Pr");

    engine.setSignals({{145500000, 9, 12000, 0}});
    bool pressed = false;
    after(6.0, [&] {
        ASSERT_EQ(s.MainVfo.Frequency, kChannelZero);
        radio.memory.VFOMRbutton_Click();
        pressed = true;
    });
    ASSERT_TRUE(runUntil([&] { return pressed; }, 10.0));
    EXPECT_FALSE(s.PriOn);
    EXPECT_EQ(s.OperatingState, StatePMS);
    EXPECT_EQ(p.ledMRnumber, "LU");
    EXPECT_EQ(s.MainVfo.Frequency, kPmsVfo);
    EXPECT_EQ(engine.rig().vfo[0].frequency, kPmsVfo);
    EXPECT_TRUE(p.MainKnob.Enabled);
}

TEST_F(PriorityTest, moxWhilePriIsOn_endsItWithoutTransmitting)
{
    channelZero();
    powerOn(kBand144, {kOperator, ModeFM});
    radio.pri.PRIbutton_Click();
    EXPECT_TRUE(p.MOXbutton.Enabled);
    EXPECT_FALSE(p.SCANbutton.Enabled);
    EXPECT_FALSE(p.PMSbutton.Enabled);
    EXPECT_TRUE(p.VFOMRbutton.Enabled);
    radio.transmit.MOXbutton_Click();
    EXPECT_FALSE(s.PriOn);
    EXPECT_FALSE(p.lblOnAir.Visible);
    EXPECT_FALSE(radio.pri.TimerPriorityMonitor.enabled());
    for (const CatFrame &frame : commandFrames()) {
        EXPECT_NE(frame[4], Opcode::PttOn);
    }
}

} // namespace
