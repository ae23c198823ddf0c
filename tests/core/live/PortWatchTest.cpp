#include "LiveFixture.h"

using namespace dorv;
using namespace dorv::test;

namespace {

// The link on, the meter polling a radio that hears an S9 signal (BUSY lit), the serial
// port on port 1, which the default port map calls /dev/ttyUSB0.
class PortWatchTest : public LiveFixture {
protected:
    PortWatchTest()
    {
        engine.setSignals({{145500000, 9, 12000, 0}});
        s.Settings.TuneOnStartup = false;
        s.BandTable.BandMainVfo[1] = {14550000, ModeFM};
        s.BandTable.LastMainBand = 1;
        radio.power.CATbutton_Click();
        pollMeter();
    }

    void expectMeterBlank()
    {
        EXPECT_FALSE(p.lblBusy.Visible);
        EXPECT_EQ(p.LMeter[0].End, 0);
        EXPECT_EQ(p.LMeter[1].End, 0);
        EXPECT_EQ(p.LMeter[2].Value, 0);
    }

    std::string status() const { return PortWatch::StatusText(p); }

    // Status requests the radio received after `since` (seconds on the virtual clock).
    int requestsSince(double since) const
    {
        int count = 0;
        for (const auto &entry : engine.log()) {
            count += entry.received && entry.time > since && entry.bytes.back() == 0xE7;
        }
        return count;
    }
};

TEST_F(PortWatchTest, deviceGone_saysWhichBlanksTheMeterAndResumesWithinASecondOfItsReturn)
{
    ASSERT_TRUE(p.lblBusy.Visible);
    ASSERT_EQ(p.LMeter[0].End, 9);

    port.setPresent(false);
    host.run(PortWatch::kRetryMs / 1000.0 + 0.1);
    EXPECT_TRUE(p.PortGone);
    expectMeterBlank();
    // However long it stays away, the device is named, not the radio.
    host.run(Meters::kSilentPolls + 2.0);
    EXPECT_EQ(status(), "The serial device /dev/ttyUSB0 is gone: plug the radio's cable back "
                        "in. The link resumes when the device returns.");
    expectMeterBlank();

    port.setPresent(true);
    const double back = host.now();
    host.run(1.0);
    EXPECT_FALSE(p.PortGone);
    EXPECT_GE(requestsSince(back), 1) << "no status request within a second";
    host.run(1.0); // the next tick reads the reply
    EXPECT_TRUE(p.lblBusy.Visible);
    EXPECT_EQ(p.LMeter[0].End, 9);
    EXPECT_EQ(status(), "");
}

// POWER off and on while the device is away: the link goes on, says the device is gone
// and comes back with it.
TEST_F(PortWatchTest, powerCycledWhileGone_linkComesBackWithTheDevice)
{
    port.setPresent(false);
    host.run(1.0);
    radio.power.CATbutton_Click();
    host.run(PortWatch::kRetryMs / 1000.0);
    EXPECT_EQ(status(), "") << "the link is off: nothing to say";
    radio.power.CATbutton_Click();
    ASSERT_TRUE(s.CatOn);
    host.run(1.0);
    EXPECT_TRUE(p.PortGone);

    port.setPresent(true);
    const double back = host.now();
    host.run(1.0);
    EXPECT_GE(requestsSince(back), 1);
    host.run(1.0);
    EXPECT_TRUE(p.lblBusy.Visible);
}

// A radio that stops answering on a device that is still there: the radio is named, the
// last reading does not stay on the meter, and replies bring it back.
TEST_F(PortWatchTest, radioMuted_namesTheRadioAndBlanksTheMeterUntilRepliesReturn)
{
    engine.setDropShare(1);
    host.run(Meters::kSilentPolls * 1.0 + 1.0);
    EXPECT_TRUE(p.RadioNotAnswering);
    EXPECT_FALSE(p.PortGone);
    expectMeterBlank();
    EXPECT_EQ(status().rfind("The radio is not answering", 0), 0u) << status();

    engine.setDropShare(0);
    pollMeter();
    EXPECT_FALSE(p.RadioNotAnswering);
    EXPECT_TRUE(p.lblBusy.Visible);
    EXPECT_EQ(status(), "");
}

} // namespace
