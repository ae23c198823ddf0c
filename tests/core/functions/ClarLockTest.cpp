#include "FunctionsFixture.h"

namespace dorv::test {
namespace {

using ClarLockTest = FunctionsTest;

TEST_F(ClarLockTest, clarButton_movesTheReceiveFrequencyByTheOffsetAndBack)
{
    s.MainBand = 7;
    s.MainVfo = {1420000, ModeUSB, 0, kRptSimplex, 0, 0, 0, 150};
    radio.clar.CLARbutton_Click();
    EXPECT_EQ(takeFrames(), std::vector<CatFrame>{F(0x01, 0x42, 0x01, 0x50, 0x01)});
    EXPECT_EQ(p.ledFreq, "14.201.50");
    EXPECT_TRUE(s.ClarOn && p.lblCLAR.Visible);
    EXPECT_FALSE(p.ChannelKnob.Enabled);

    radio.clar.CLARbutton_Click();
    EXPECT_EQ(takeFrames(), std::vector<CatFrame>{F(0x01, 0x42, 0x00, 0x00, 0x01)});
    EXPECT_EQ(s.MainVfo.Frequency, 1420000);
    EXPECT_FALSE(s.ClarOn || p.lblCLAR.Visible);
    EXPECT_TRUE(p.ChannelKnob.Enabled);
}

TEST_F(ClarLockTest, lockButton_holdsTheKnobsUntilPressedAgain)
{
    radio.clar.LOCKbutton_Click();
    EXPECT_TRUE(p.ledLOCK);
    EXPECT_FALSE(p.MainKnob.Enabled || p.ChannelKnob.Enabled);
    radio.clar.LOCKbutton_Click();
    EXPECT_TRUE(p.MainKnob.Enabled && p.ChannelKnob.Enabled);
    EXPECT_TRUE(takeFrames().empty());
}

} // namespace
} // namespace dorv::test
