// A radio behind a slow link (a network with its round trip): every reply comes late, and
// the meter, scanning and the read-back wait for it rather than give up on it.
#include "ScanFixture.h"

using namespace dorv;
using namespace dorv::test;

namespace {

ft897sim::Options Delayed(int ms)
{
    ft897sim::Options options;
    options.extraDelayMs = ms;
    return options;
}

constexpr int kMeter100ms = 5;

class SlowLinkTest : public ScanFixture {
protected:
    explicit SlowLinkTest(int delayMs = 150) : ScanFixture(Delayed(delayMs)) {}

    // Runs the clock, failing if the panel ever calls the radio silent.
    void expectNeverSilent(double seconds)
    {
        const double end = host.now() + seconds;
        while (host.now() < end) {
            host.yield();
            ASSERT_FALSE(p.RadioNotAnswering) << host.now();
        }
    }
};

// Status requests the radio received while its reply to the one before was still on its
// way: asked again too early, so a reply is thrown away and the link carries twice the load.
int RequestsOverAReplyInFlight(const ft897sim::Engine &engine)
{
    int early = 0;
    bool answered = true;
    for (const auto &entry : engine.log()) {
        if (!entry.received) {
            answered = true;
        } else if (entry.bytes.size() == 5 && entry.bytes[4] == Opcode::RxStatus) {
            early += answered ? 0 : 1;
            answered = false;
        }
    }
    return early;
}

TEST_F(SlowLinkTest, meterFasterThanTheRoundTripFollowsTheSignal)
{
    radio.intervals.mnuMeterSpeed_Click(kMeter100ms);
    engine.setSignals({{145000000, 9, 12000, 0}});
    powerOn(kBand144, {14500000, ModeFM});
    expectNeverSilent(3);
    EXPECT_LE(RequestsOverAReplyInFlight(engine), 1) << "only until the round trip is known";
    EXPECT_EQ(p.LMeter[0].End, 9);
    EXPECT_TRUE(p.lblBusy.Visible);

    engine.setSignals({}); // the station stops
    expectNeverSilent(2);
    EXPECT_EQ(p.LMeter[0].End, 0);
    EXPECT_FALSE(p.lblBusy.Visible);
}

class SlowerLinkTest : public SlowLinkTest {
protected:
    SlowerLinkTest() : SlowLinkTest(700) {}
};

TEST_F(SlowerLinkTest, syncReadsTheRadioWhenItsReplyTakesLongerThanTheSerialTries)
{
    powerOn(kBand144, {14500000, ModeFM});
    engine.rig().vfo[0] = {14523000, 0x08};
    radio.power.SYNCbutton_Click();
    EXPECT_EQ(s.MainVfo.Frequency, 14523000);
    EXPECT_EQ(p.ledFreq, "145.230.00");
}

TEST_F(SlowerLinkTest, memoryScanStepsThroughBothMemoriesWithoutCallingTheRadioSilent)
{
    store(10, 14510000);
    store(20, 14520000);
    powerOn(kBand144, {14500000, ModeFM});
    s.CurrentMemory = 10;
    radio.memory.VFOMRbutton_Click();
    host.run(1.0);
    engine.clearLog();
    radio.scan.SCANbutton_Click();
    expectNeverSilent(8);
    // A request asked again while its reply is on its way brings a second reply later,
    // which the next channel would take for its own.
    EXPECT_LE(RequestsOverAReplyInFlight(engine), 1);
    const std::vector<Freq> freqs = stepFrequencies();
    ASSERT_GE(freqs.size(), 4u);
    for (std::size_t i = 0; i < freqs.size(); ++i) {
        EXPECT_EQ(freqs[i], i % 2 == 0 ? 14520000 : 14510000) << i;
    }
}

} // namespace
