#include "LiveFixture.h"
#include "panel/KeyCodes.h"

#include <string>

namespace dorv::test {
namespace {

// Split on 14.074 MHz USB, switched from the panel or from a network client as a digital
// mode program does, with both VFOs retuned while it is on.
class SplitOffTest : public LiveFixture {
protected:
    SplitOffTest()
    {
        s.Settings.TuneOnStartup = false;
        s.Settings.DialStep[7][ModeUSB] = 1; // 10 Hz
        s.BandTable.BandMainVfo[7] = {1407400, ModeUSB};
        s.BandTable.BandSubVfo[7] = {1407400, ModeUSB};
        s.BandTable.LastMainBand = s.BandTable.LastSubBand = 7;
        radio.power.CATbutton_Click();
        radio.net.Send = [this](int, const std::string &bytes) {
            answers += bytes;
            return std::size_t{0};
        };
        client = radio.net.OpenClient();
    }

    void ask(const std::string &line) { radio.net.Receive(client, line + "\n"); }
    void switchSplit(bool fromClient, bool on)
    {
        if (fromClient) {
            ask(on ? "S 1 VFOB" : "S 0 VFOA");
        } else {
            radio.split.SPLITbutton_Click();
        }
        ASSERT_EQ(s.SplitOn, on);
    }
    void pageUp()
    {
        radio.keyboard.Form_KeyDown(key::PageUp, 0);
        radio.keyboard.Form_KeyUp(key::PageUp, 0);
    }

    int client = 0;
    std::string answers;
};

TEST_F(SplitOffTest, splitOff_leavesBothVfosWhereTheyWereTunedDuringSplit)
{
    for (bool fromClient : {true, false}) {
        SCOPED_TRACE(fromClient ? "client" : "panel");
        switchSplit(fromClient, true);
        pageUp();
        pageUp();
        ask("I 14076000"); // the transmit VFO
        const Freq main = s.MainVfo.Frequency;
        ASSERT_EQ(p.ledFreq, fromClient ? "14.074.02" : "14.074.04");
        switchSplit(fromClient, false);

        EXPECT_EQ(s.MainVfo.Frequency, main);
        EXPECT_EQ(s.SubVfo.Frequency, 1407600);
        EXPECT_EQ(engine.rig().vfo[0].frequency, main);
        EXPECT_EQ(engine.rig().vfo[1].frequency, 1407600);
        EXPECT_FALSE(engine.rig().split);
        radio.power.SYNCbutton_Click();
        EXPECT_EQ(s.MainVfo.Frequency, main);
    }
}

// The direction the main VFO had before split comes back with it.
TEST_F(SplitOffTest, splitOff_restoresTheRepeaterDirectionOfBeforeSplit)
{
    radio.bands.BandButton_Click(1);
    radio.mode.ModeButton_Click(ModeFM);
    radio.split.RPTbutton_Click();
    ASSERT_EQ(s.MainVfo.RptDirection, kRptMinus);
    switchSplit(false, true);
    pageUp();
    switchSplit(false, false);
    EXPECT_EQ(s.MainVfo.RptDirection, kRptMinus);
    EXPECT_EQ(engine.rig().rptDirection, -1);
    EXPECT_EQ(p.ImgRPTdirection, (std::array<bool, 2>{false, true}));
}

} // namespace
} // namespace dorv::test
