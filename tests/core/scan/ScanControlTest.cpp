#include "ScanFixture.h"
#include "support/FunctionButtons.h"

#include <set>
#include <string>

using namespace dorv;
using namespace dorv::test;

namespace {

class ScanControlTest : public ScanFixture {
protected:
    std::set<std::string> enabledButtons() { return EnabledButtons(p); }
};

TEST_F(ScanControlTest, enablement_runningScanOrSearchLeavesOnlyItsOwnButton)
{
    powerOn(kBand144, {14500000, ModeFM});
    const std::set<std::string> vfoState = enabledButtons();

    radio.scan.SCANbutton_Click();
    EXPECT_EQ(enabledButtons(), (std::set<std::string>{"CAT", "SCAN"}));
    EXPECT_FALSE(p.MainKnob.Enabled);
    EXPECT_FALSE(p.ChannelKnob.Enabled);
    EXPECT_TRUE(p.btnJogUp.Enabled);
    EXPECT_TRUE(p.btnJogDown.Enabled);

    // Armed and stopped: the VFO state's buttons but for the memory and PMS keys.
    radio.scan.btnJogUp_Click();
    std::set<std::string> armed = vfoState;
    for (const char *off :
         {"SCOPE", "RCL", "STO", "HOME", "VFOMR", "SPLIT", "SWAP", "PRI", "PMS", "SEARCH", "DOP"}) {
        armed.erase(off);
    }
    EXPECT_EQ(enabledButtons(), armed);
    EXPECT_TRUE(p.MainKnob.Enabled);

    radio.scan.SCANbutton_Click();
    EXPECT_EQ(enabledButtons(), vfoState);

    radio.search.SEARCHbutton_Click();
    EXPECT_EQ(enabledButtons(), (std::set<std::string>{"CAT", "SEARCH"}));
    radio.search.SEARCHbutton_Click();
    EXPECT_EQ(enabledButtons(), vfoState);
}

TEST_F(ScanControlTest, scanIntervalOff_refusesToArm)
{
    powerOn(kBand144, {14500000, ModeFM});
    radio.intervals.mnuScanSpeed_Click(6); // OFF
    radio.scan.SCANbutton_Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Scan Interval OFF");
    EXPECT_EQ(host.messages[0].text,
              "The scan interval under the Settings Menu has been turned off. You must select "
              "a scan interval before scanning can take place.");
    EXPECT_FALSE(s.ScanOn);
    EXPECT_TRUE(steps().empty());
}

// The radio goes silent in the middle of a scan: the step waits, the status bar says so,
// the scan goes on when replies come back, and SCAN and POWER still end it.
TEST_F(ScanControlTest, silentRadio_neverHangsThePanel)
{
    powerOn(kBand144, {14500000, ModeFM});
    radio.scan.SCANbutton_Click();
    host.run(1.0);
    // The step waits inside its tick from here on: what the test does next is scheduled.
    engine.setDropShare(1.0); // the radio stops answering
    Freq heldAt = 0;
    after(0.5, [&] {
        heldAt = s.MainVfo.Frequency;
        EXPECT_FALSE(p.RadioNotAnswering);
    });
    bool checked = false;
    after(3.5, [&] {
        checked = true;
        EXPECT_TRUE(p.RadioNotAnswering);
        EXPECT_EQ(s.MainVfo.Frequency, heldAt);
        engine.setDropShare(0.0);
    });
    ASSERT_TRUE(runUntil([&] { return checked && s.MainVfo.Frequency != heldAt; }, 5.0));
    EXPECT_FALSE(p.RadioNotAnswering);

    engine.setDropShare(1.0);
    after(2.0, [&] { radio.scan.SCANbutton_Click(); });
    ASSERT_TRUE(runUntil([&] { return !s.ScanOn; }, 5.0));
    EXPECT_FALSE(radio.scan.TimerScanner.enabled());
    EXPECT_EQ(s.ScanDirection, 0);

    radio.scan.SCANbutton_Click();
    EXPECT_TRUE(s.ScanOn);
    after(2.0, [&] { radio.power.CATbutton_Click(); });
    ASSERT_TRUE(runUntil([&] { return !s.CatOn; }, 5.0));
    EXPECT_FALSE(s.ScanOn);
    EXPECT_FALSE(p.lblSCAN.Visible);
    EXPECT_FALSE(radio.scan.TimerScanner.enabled());
    EXPECT_FALSE(radio.meters.TimerSignalMeter.enabled());
}

TEST_F(ScanControlTest, powerOff_endsARunningSearch)
{
    powerOn(kBand144, {14500000, ModeFM});
    radio.search.SEARCHbutton_Click();
    host.run(1.0);
    radio.power.CATbutton_Click();
    EXPECT_FALSE(s.SearchOn);
    EXPECT_FALSE(p.lblSEARCH.Visible);
    EXPECT_EQ(s.ScanDirection, 0);
    engine.clearLog();
    host.run(2.0);
    EXPECT_TRUE(engine.log().empty());
}

} // namespace
