#include "LiveFixture.h"

using namespace dorv;
using namespace dorv::test;

namespace {

ft897sim::Options Acknowledging()
{
    ft897sim::Options options;
    options.acknowledgeSets = true;
    return options;
}

// The link on, polling a radio that acknowledges every set command with a byte.
class StatusLinkTest : public LiveFixture {
protected:
    StatusLinkTest() : LiveFixture(Acknowledging())
    {
        engine.setSignals({{145500000, 9, 12000, 0}});
        s.Settings.TuneOnStartup = false;
        s.BandTable.BandMainVfo[1] = {14550000, ModeFM};
        s.BandTable.LastMainBand = 1;
        radio.power.CATbutton_Click();
    }
};

TEST_F(StatusLinkTest, meter_acknowledgementsNeverReadAsStatus)
{
    pollMeter();
    EXPECT_TRUE(p.lblBusy.Visible);
    EXPECT_EQ(p.LMeter[0].End, 9);

    // Tune off the signal the way a handler does: meter off, send, meter on. The
    // acknowledgement (0x00, read as status: BUSY, S 0) arrives after the meter is on.
    radio.meters.TurnOffLMeter();
    radio.cat.SendFreqToRadioMB(14560000);
    radio.meters.TurnOnLMeter();
    for (int i = 0; i < 3000; ++i) {
        host.yield();
        ASSERT_FALSE(p.lblBusy.Visible) << host.now();
    }
    EXPECT_EQ(p.LMeter[0].End, 0);
    EXPECT_FALSE(p.RadioNotAnswering);
}

TEST_F(StatusLinkTest, unplugged_pollsGiveUpAndThePanelSaysSo)
{
    pollMeter();
    port.setPresent(false); // the cable is pulled: nothing arrives any more
    const double start = host.now();
    host.run(Meters::kSilentPolls * 1.0 + 1.5);
    EXPECT_TRUE(p.RadioNotAnswering);
    const VfoInfo before = s.MainVfo;
    radio.power.SYNCbutton_Click(); // gives up after its tries
    EXPECT_EQ(s.MainVfo, before);
    EXPECT_LT(host.now() - start, Meters::kSilentPolls + 3.0);

    port.setPresent(true);
    pollMeter();
    EXPECT_FALSE(p.RadioNotAnswering);
}

TEST_F(StatusLinkTest, sync_readsFrequencyModeAndBandIntoTheOperatedVfo)
{
    const struct {
        Freq freq;
        std::uint8_t modeCode;
        bool sub;
        Freq expectFreq;
        int expectMode, expectBand;
        std::string readout;
    } rows[] = {
        {14523000, 0x88, false, 14523000, ModeFM, 1, "145.230.00"},
        {705000, 0x00, false, 705000, ModeLSB, 9, "7.050.00"},
        {8000000, 0x06, false, 8000000, ModeUSB, 9, "80.000.00"}, // keeps the band
        {2120000, 0x0C, true, 2120000, ModePKT, 5, "21.200.00"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.freq);
        engine.rig().vfo[0] = {row.freq, row.modeCode};
        s.SubActive = row.sub;
        radio.power.SYNCbutton_Click();
        const VfoInfo &v = row.sub ? s.SubVfo : s.MainVfo;
        EXPECT_EQ(v.Frequency, row.expectFreq);
        EXPECT_EQ(v.Mode, row.expectMode);
        EXPECT_EQ(row.sub ? s.SubBand : s.MainBand, row.expectBand);
        EXPECT_EQ(row.sub ? p.ledSubFreq : p.ledFreq, row.readout);
        EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
    }
}

// Garbage that happens to be BCD: a frequency the radio cannot be on is no read-back.
TEST_F(StatusLinkTest, sync_replyOfAFrequencyOutsideTheRadioLeavesTheVfo)
{
    const VfoInfo before = s.MainVfo;
    for (const Freq garbage : {0, 5000, 6000000, 30000000, 99999999}) {
        SCOPED_TRACE(garbage);
        engine.rig().vfo[0] = {garbage, 0x01};
        radio.power.SYNCbutton_Click();
        EXPECT_EQ(s.MainVfo, before);
        EXPECT_EQ(p.ledFreq, "145.500.00");
    }
}

} // namespace

TEST_F(StatusLinkTest, sync_replyGoesToTheVfoOperatedWhenAskedEvenIfSubIsPressedMeanwhile)
{
    engine.rig().vfo[0] = {14525000, 0x08};
    const VfoInfo subBefore = s.SubVfo;
    Timer pressSub("pressSub");
    pressSub.setInterval(250); // after the request, before the reply is taken
    pressSub.setTickHandler([&] {
        pressSub.setEnabled(false);
        s.SubActive = true;
    });
    host.attachTimer(pressSub);
    pressSub.setEnabled(true);

    radio.power.SYNCbutton_Click();

    EXPECT_EQ(s.MainVfo.Frequency, 14525000);
    EXPECT_EQ(s.SubVfo, subBefore);
}
