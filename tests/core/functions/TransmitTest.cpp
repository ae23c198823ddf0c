#include "FunctionsFixture.h"

namespace dorv::test {
namespace {

using TransmitTest = FunctionsTest;

const CatFrame kPttOn = F(0, 0, 0, 0, 0x08);
const CatFrame kPttOff = F(0, 0, 0, 0, 0x88);

TEST_F(TransmitTest, mox_repeaterShiftShowsTheTransmitFrequencyWithoutSendingIt)
{
    s.MainVfo = {14515000, ModeFM, 60000, kRptMinus};
    radio.transmit.MOXbutton_Click();
    EXPECT_EQ(takeFrames(), std::vector<CatFrame>{kPttOn});
    EXPECT_TRUE(engine.rig().ptt);
    EXPECT_TRUE(p.lblOnAir.Visible);
    EXPECT_EQ(p.ledFreq, "144.550.00");
    // Locked for the transmission: only MOX (and CAT) stay usable, no knob turns.
    EXPECT_TRUE(p.MOXbutton.Enabled);
    EXPECT_FALSE(p.ModeButton[ModeFM].Enabled || p.RPTbutton.Enabled || p.MainKnob.Enabled);

    host.run(2.1); // the power meter asks on one tick and reads the answer on the next
    EXPECT_EQ(engine.receivedFrames().back(), F(0, 0, 0, 0, 0xF7));
    EXPECT_GT(p.LMeter[1].End, 0.0);

    radio.transmit.MOXbutton_Click();
    EXPECT_EQ(takeFrames(), std::vector<CatFrame>{kPttOff});
    EXPECT_FALSE(engine.rig().ptt);
    EXPECT_EQ(p.ledFreq, "145.150.00");
    EXPECT_EQ(p.LMeter[1].End, 0.0);
    EXPECT_TRUE(p.ModeButton[ModeFM].Enabled && p.MainKnob.Enabled);
    EXPECT_FALSE(radio.meters.TimerPowerMeter.enabled());
}

TEST_F(TransmitTest, mox_repeaterTransmitFrequencyMustLieInsideTheTuningLimits)
{
    const struct {
        Freq frequency;
        int direction;
        Freq lower;
        bool transmits;
    } rows[] = {
        {14515000, kRptMinus, 14460000, false}, // 144.550 below PMS-like limits
        {14520000, kRptMinus, 14460000, true},  // exactly the lower limit
        {14740000, kRptPlus, 14400000, false},  // exactly the upper limit, which is excluded
        {14739999, kRptPlus, 14400000, true},
    };
    for (const auto &row : rows) {
        host.messages.clear();
        s.BandTable.TuneLower[1] = row.lower;
        s.MainVfo = {row.frequency, ModeFM, 60000, static_cast<std::int16_t>(row.direction)};
        p.ledFreq = "145.000.00";
        radio.transmit.MOXbutton_Click();
        EXPECT_EQ(p.lblOnAir.Visible, row.transmits) << row.frequency;
        EXPECT_EQ(engine.rig().ptt, row.transmits) << row.frequency;
        if (row.transmits) {
            radio.transmit.MOXbutton_Click();
            EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{kPttOn, kPttOff}));
            EXPECT_TRUE(host.messages.empty());
            continue;
        }
        EXPECT_EQ(takeFrames(), std::vector<CatFrame>{});
        EXPECT_EQ(p.ledFreq, "145.000.00");
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].title, "Help");
        EXPECT_EQ(host.messages[0].text.rfind("The transmit frequency is outside the current "
                                              "band limit.",
                                              0),
                  0u);
        EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
    }
}

TEST_F(TransmitTest, mox_clarifierTransmitsOnTheFrequencyWithoutTheOffset)
{
    s.MainBand = 7;
    s.ClarOn = true;
    s.MainVfo = {1420150, ModeUSB, 0, kRptSimplex, 0, 0, 0, 150};
    radio.transmit.MOXbutton_Click();
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{F(0x01, 0x42, 0x00, 0x00, 0x01), kPttOn}));
    radio.transmit.MOXbutton_Click();
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{kPttOff, F(0x01, 0x42, 0x01, 0x50, 0x01)}));
    EXPECT_EQ(p.ledFreq, "14.201.50");

    // With a repeater shift the readout shows the shift from the unclarified frequency.
    s.MainBand = 1;
    s.MainVfo = {14515150, ModeFM, 60000, kRptMinus, 0, 0, 0, 150};
    radio.transmit.MOXbutton_Click();
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{F(0x14, 0x51, 0x50, 0x00, 0x01), kPttOn}));
    EXPECT_EQ(p.ledFreq, "144.550.00");
    radio.transmit.MOXbutton_Click();
    takeFrames();

    // Refused: the radio keeps the clarified receive frequency.
    s.BandTable.TuneLower[1] = 14460000;
    radio.transmit.MOXbutton_Click();
    EXPECT_EQ(takeFrames(), std::vector<CatFrame>{});
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(TransmitTest, mox_splitSendsOnlyThePttAndLeavesTheReadout)
{
    s.SplitOn = true;
    s.MainVfo.RptDirection = kRptSplit;
    p.ledFreq = "145.000.00";
    radio.transmit.MOXbutton_Click();
    radio.transmit.MOXbutton_Click();
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{kPttOn, kPttOff}));
    EXPECT_EQ(p.ledFreq, "145.000.00");
}

TEST_F(TransmitTest, mox_menusLockedNeverKeysUpButAlwaysEndsATransmission)
{
    s.MenusLocked = true;
    radio.transmit.MOXbutton_Click();
    EXPECT_EQ(takeFrames(), std::vector<CatFrame>{});
    EXPECT_FALSE(p.lblOnAir.Visible);

    // Locked while on the air: releasing the space bar must still unkey.
    s.MenusLocked = false;
    radio.transmit.MOXbutton_Click();
    s.MenusLocked = true;
    radio.transmit.MOXbutton_Click();
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{kPttOn, kPttOff}));
    EXPECT_FALSE(engine.rig().ptt);
}

} // namespace
} // namespace dorv::test
