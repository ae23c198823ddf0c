#include "FunctionsFixture.h"

#include <algorithm>

namespace dorv::test {
namespace {

using SplitRepeaterTest = FunctionsTest;

TEST_F(SplitRepeaterTest, rptButton_stepsMinusPlusSimplexInFmOnly)
{
    const struct {
        int direction;
        std::uint8_t code;
    } presses[] = {{kRptMinus, 0x09}, {kRptPlus, 0x49}, {kRptSimplex, 0x89}};
    for (const auto &press : presses) {
        radio.split.RPTbutton_Click();
        EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{F(press.code, 0, 0, 0, 0x09)}));
        EXPECT_EQ(s.MainVfo.RptDirection, press.direction);
        EXPECT_EQ(engine.rig().rptDirection, press.direction);
    }

    s.MainVfo.Mode = ModeUSB;
    radio.split.RPTbutton_Click();
    EXPECT_TRUE(takeFrames().empty());
    EXPECT_EQ(s.MainVfo.RptDirection, kRptSimplex);
}

TEST_F(SplitRepeaterTest, revButton_movesOntoTheTransmitFrequencyAndBackAgain)
{
    s.MainVfo = {14694000, ModeFM, 60000, kRptMinus};
    radio.split.REVbutton_Click();
    EXPECT_EQ(takeFrames(),
              (std::vector<CatFrame>{F(0x14, 0x63, 0x40, 0x00, 0x01), F(0x49, 0, 0, 0, 0x09)}));
    EXPECT_EQ(s.MainVfo.Frequency, 14634000);
    EXPECT_EQ(s.MainVfo.RptDirection, kRptPlus);
    EXPECT_EQ(p.ledFreq, "146.340.00");

    radio.split.REVbutton_Click();
    EXPECT_EQ(takeFrames(),
              (std::vector<CatFrame>{F(0x14, 0x69, 0x40, 0x00, 0x01), F(0x09, 0, 0, 0, 0x09)}));
    EXPECT_EQ(engine.rig().vfo[0].frequency, 14694000);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SplitRepeaterTest, revButton_inSimplexRefusesWithTheRepeaterMessage)
{
    radio.split.REVbutton_Click();
    EXPECT_TRUE(takeFrames().empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "You must be in repeater mode before reversing can take place.");
    EXPECT_EQ(host.messages[0].title, "Help");
    EXPECT_EQ(s.MainVfo.Frequency, 14500000);
}

TEST_F(SplitRepeaterTest, splitButton_onLoadsTheOtherVfoOffRestoresTheState)
{
    s.MainVfo.RptDirection = kRptMinus;
    s.SentMain.RptDirection = kRptMinus;

    radio.split.SPLITbutton_Click();
    // The sub VFO goes to the radio's other VFO inside the toggle bracket, then split on.
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{kToggle, F(0x00, 0x70, 0x50, 0x00, 0x01),
                                                   kToggle, F(0, 0, 0, 0, 0x02)}));
    const auto &rig = engine.rig();
    EXPECT_TRUE(rig.split);
    EXPECT_EQ(rig.activeVfo, 0);
    EXPECT_EQ(rig.vfo[1].frequency, 705000);
    EXPECT_EQ(s.MainVfo.RptDirection, kRptSplit);
    EXPECT_EQ(s.BandTable.BandMainVfo[1].RptDirection, kRptMinus);
    EXPECT_TRUE(p.lblSPLIT.Visible && p.lblRXTX.Visible && !p.lblTXRX.Visible);
    EXPECT_TRUE(p.DOPbutton.Enabled);

    radio.split.SPLITbutton_Click();
    const auto frames = takeFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front(), F(0, 0, 0, 0, 0x82));
    // Everything is re-sent: the main VFO's direction and offset, and the sub VFO again.
    for (const CatFrame &expected : {F(0x09, 0, 0, 0, 0x09), F(0x00, 0x06, 0x00, 0x00, 0xF9),
                                     F(0x00, 0x70, 0x50, 0x00, 0x01)}) {
        EXPECT_NE(std::find(frames.begin(), frames.end(), expected), frames.end());
    }
    EXPECT_FALSE(rig.split);
    EXPECT_EQ(rig.activeVfo, 0);
    EXPECT_EQ(rig.rptDirection, -1);
    EXPECT_EQ(s.MainVfo.RptDirection, kRptMinus);
    EXPECT_EQ(p.ImgRPTdirection, (std::array<bool, 2>{false, true}));
    EXPECT_FALSE(p.lblSPLIT.Visible || p.lblRXTX.Visible || p.DOPbutton.Enabled);
}

TEST_F(SplitRepeaterTest, splitButton_clickedAgainWhileSwitchingIsDropped)
{
    Timer again{"again"};
    again.setInterval(300); // inside the toggle bracket of the switch
    again.setTickHandler([&] {
        again.setEnabled(false);
        radio.split.SPLITbutton_Click();
    });
    host.attachTimer(again);
    again.setEnabled(true);
    radio.split.SPLITbutton_Click();
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{kToggle, F(0x00, 0x70, 0x50, 0x00, 0x01),
                                                   kToggle, F(0, 0, 0, 0, 0x02)}));
    EXPECT_TRUE(s.SplitOn && engine.rig().split);

    radio.split.SPLITbutton_Click(); // and a later click switches as before
    EXPECT_FALSE(s.SplitOn || engine.rig().split);
}

TEST_F(SplitRepeaterTest, clarifierKnob_heldAcrossASplitSwitchEndsOnTheRadiosMainVfo)
{
    for (bool splitAtPress : {true, false}) {
        SCOPED_TRACE(splitAtPress ? "split off while held" : "split on while held");
        if (splitAtPress) {
            radio.split.SPLITbutton_Click();
        }
        radio.tuning.SubKnob_MouseDown();
        radio.split.SPLITbutton_Click();
        radio.tuning.SubKnob_MouseUp();
        EXPECT_EQ(engine.rig().activeVfo, 0);
    }
}

} // namespace
} // namespace dorv::test
