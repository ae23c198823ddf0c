#include "FunctionsFixture.h"
#include "panel/KeyCodes.h"

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

// The space bar, the MOX button and each network client hold the transmitter; it stays on
// the air until the last of them lets go, and MOX pressed while on the air ends it for all.
TEST_F(TransmitTest, holders_keepTheTransmitterKeyedUntilTheLastLetsGo)
{
    const int client = radio.net.OpenClient();
    radio.keyboard.Form_KeyDown(key::Space, 0);
    radio.net.Receive(client, "T 1\n"); // joins the transmission
    radio.keyboard.Form_KeyUp(key::Space, 0);
    EXPECT_TRUE(engine.rig().ptt) << "the client still holds it";
    radio.net.Receive(client, "T 0\n");
    EXPECT_FALSE(engine.rig().ptt);
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{kPttOn, kPttOff}));

    // The other way round: the client keys, the space bar joins, the client goes.
    radio.net.Receive(client, "T 1\n");
    radio.keyboard.Form_KeyDown(key::Space, 0);
    radio.net.CloseClient(client);
    EXPECT_TRUE(p.lblOnAir.Visible) << "the space bar still holds it";
    radio.keyboard.Form_KeyUp(key::Space, 0);
    EXPECT_FALSE(p.lblOnAir.Visible);

    // A latched MOX outlasts the space bar; pressed again it ends the transmission for every
    // holder, and a holder letting go later changes nothing.
    const int other = radio.net.OpenClient();
    radio.transmit.MOXbutton_Click();
    radio.keyboard.Form_KeyDown(key::Space, 0);
    radio.keyboard.Form_KeyUp(key::Space, 0);
    radio.net.Receive(other, "T 1\n");
    EXPECT_TRUE(p.lblOnAir.Visible);
    radio.transmit.MOXbutton_Click();
    EXPECT_FALSE(p.lblOnAir.Visible);
    takeFrames();
    radio.net.Receive(other, "T 0\n");
    radio.net.CloseClient(other);
    EXPECT_EQ(takeFrames(), std::vector<CatFrame>{});
}

// A client that never keyed cannot end what others hold; a refused start leaves no hold
// behind that a later transmission would inherit.
TEST_F(TransmitTest, holders_onlyTheirOwnLetGoCountsAndARefusedStartHoldsNothing)
{
    const int bystander = radio.net.OpenClient();
    radio.keyboard.Form_KeyDown(key::Space, 0);
    radio.net.Receive(bystander, "T 0\n");
    radio.net.CloseClient(bystander);
    EXPECT_TRUE(engine.rig().ptt);
    radio.keyboard.Form_KeyUp(key::Space, 0);

    s.MenusLocked = true;
    const int refused = radio.net.OpenClient();
    radio.net.Receive(refused, "T 1\n");
    s.MenusLocked = false;
    radio.keyboard.Form_KeyDown(key::Space, 0);
    radio.keyboard.Form_KeyUp(key::Space, 0);
    EXPECT_FALSE(engine.rig().ptt) << "the refused client's T 1 held the transmitter";
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{kPttOn, kPttOff, kPttOn, kPttOff}));
}

TEST_F(TransmitTest, timeOut_endsATransmissionWhoeverHoldsItAndSaysSo)
{
    radio.transmit.SetTimeOut(1);
    const int client = radio.net.OpenClient();
    radio.transmit.MOXbutton_Click();
    radio.keyboard.Form_KeyDown(key::Space, 0);
    radio.net.Receive(client, "T 1\n");
    host.run(59);
    EXPECT_TRUE(engine.rig().ptt);
    EXPECT_TRUE(host.messages.empty());
    host.run(2);
    EXPECT_FALSE(engine.rig().ptt);
    EXPECT_FALSE(p.lblOnAir.Visible);
    EXPECT_FALSE(radio.meters.TimerPowerMeter.enabled());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Transmit Time-out");
    EXPECT_EQ(host.messages[0].text,
              "The transmit time-out has switched the transmitter back to receive after 1 "
              "minute on the air. The time-out can be changed or switched off under Settings > "
              "Transmit Time-out.");

    // The key still held does not key up again with its repeats; a new press does.
    radio.keyboard.Form_KeyDown(key::Space, 0);
    EXPECT_FALSE(engine.rig().ptt);
    radio.keyboard.Form_KeyUp(key::Space, 0);
    radio.net.Receive(client, "T 0\n");
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{kPttOn, kPttOff}));
    radio.keyboard.Form_KeyDown(key::Space, 0);
    EXPECT_TRUE(engine.rig().ptt);

    // Each transmission has its own time: this one started a minute after the first.
    host.run(59);
    EXPECT_TRUE(engine.rig().ptt);
    host.run(2);
    EXPECT_FALSE(engine.rig().ptt);
    EXPECT_EQ(host.messages.size(), 2u);
    radio.keyboard.Form_KeyUp(key::Space, 0);
}

TEST_F(TransmitTest, timeOut_offLetsATransmissionRunAndFiveMinutesIsTheDefault)
{
    EXPECT_EQ(radio.transmit.TimeOut(), 5);
    radio.transmit.SetTimeOut(0);
    radio.transmit.MOXbutton_Click();
    host.yieldStep = 0.01;
    host.run(6 * 60);
    EXPECT_TRUE(engine.rig().ptt);
    EXPECT_TRUE(host.messages.empty());
    radio.transmit.MOXbutton_Click();
}

} // namespace
} // namespace dorv::test
