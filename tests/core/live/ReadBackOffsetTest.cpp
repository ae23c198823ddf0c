#include "LiveFixture.h"
#include "core/files/FilesFixture.h"
#include "model/files/RecordCodec.h"

#include <algorithm>

using namespace dorv;
using namespace dorv::test;

namespace {

class ReadBackOffsetTest : public LiveFixture {};

// A first start reads the radio on another band than the default one: the VFO takes
// that band's repeater offset, and no band's slot ever holds another band's offset.
TEST_F(ReadBackOffsetTest, readBackOntoAnotherBandTakesThatBandsOffset)
{
    radio.app.frmRadio_Load(); // empty directory: 28 MHz with its 100 kHz offset
    ASSERT_EQ(s.MainBand, 3);
    radio.link.mnuCommPortArray_Click(1);
    s.Settings.TuneOnStartup = true;
    engine.rig().vfo[0] = {1425000, 0x01}; // 14.250 MHz USB
    engine.clearLog();

    radio.power.CATbutton_Click();
    ASSERT_EQ(s.MainVfo.Frequency, 1425000);
    const auto frames = commandFrames();
    EXPECT_EQ(std::count(frames.begin(), frames.end(), F(0x00, 0x01, 0x00, 0x00, 0xF9)), 0)
        << "the 28 MHz band's 100 kHz offset went to the radio";
    EXPECT_EQ(s.MainVfo.RptOffset, 0);

    radio.bands.BandButton_Click(1); // 2 m, 144.200 MHz
    radio.mode.ModeButton_Click(ModeFM);
    radio.split.RPTbutton_Click();
    radio.split.REVbutton_Click();
    EXPECT_EQ(s.MainVfo.Frequency, 14420000 - 60000);

    ASSERT_TRUE(radio.app.EndDORV());
    const BandRecord saved = DecodeBandRecord(ReadFileBytes(dir / "bandinfo.dorv"));
    EXPECT_EQ(saved.BandMainVfo[1].RptOffset, 60000);
    EXPECT_EQ(saved.BandMainVfo[7].RptOffset, 0);
}

} // namespace
