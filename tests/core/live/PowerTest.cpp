#include "LiveFixture.h"

#include <filesystem>

using namespace dorv;
using namespace dorv::test;

namespace {

class PowerTest : public LiveFixture {
protected:
    PowerTest() { setUpVfos(); }

    void setUpVfos()
    {
        // Band table: main on 2 m FM, sub on 40 m LSB, both with tone 88.5 Hz.
        s.BandTable.BandMainVfo[1] = {14500000, ModeFM, 0, kRptSimplex, 0, 8, 0, 0};
        s.BandTable.BandSubVfo[9] = {710000, ModeLSB, 0, kRptSimplex, 0, 8, 0, 0};
        s.BandTable.LastMainBand = 1;
        s.BandTable.LastSubBand = 9;
        s.MainBand = 1;
        s.SubBand = 9;
        s.MainVfo = s.BandTable.BandMainVfo[1];
        s.SubVfo = s.BandTable.BandSubVfo[9];
        // The radio holds other frequencies on its two VFOs.
        engine.rig().vfo[0] = {14523000, 0x08};
        engine.rig().vfo[1] = {705000, 0x00};
    }

    // The full send of both VFOs after the last-sent record was reset. The DCS code
    // (023) goes out only the first time: the reset keeps the DCS entries.
    static std::vector<CatFrame> fullSend(const CatFrame &mainFreq, const CatFrame &subFreq,
                                          bool firstSend)
    {
        const CatFrame tone = F(0x08, 0x85, 0x08, 0x85, 0x0B);
        const CatFrame dcs = F(0x00, 0x23, 0x00, 0x23, 0x0C);
        std::vector<CatFrame> frames = {F(0x08, 0, 0, 0, 0x07), mainFreq,
                                        F(0x89, 0, 0, 0, 0x09), F(0, 0, 0, 0, 0xF9),
                                        F(0x8A, 0, 0, 0, 0x0A), tone};
        if (firstSend) {
            frames.push_back(dcs);
        }
        frames.insert(frames.end(),
                      {kToggle, F(0x00, 0, 0, 0, 0x07), subFreq, F(0x8A, 0, 0, 0, 0x0A), tone});
        if (firstSend) {
            frames.push_back(dcs);
        }
        frames.push_back(kToggle);
        return frames;
    }
};

TEST_F(PowerTest, switchOn_readsRadioWhenTickedThenSendsBothVfos)
{
    const CatFrame readMain = F(0x14, 0x52, 0x30, 0x00, 0x01);
    const CatFrame readSub = F(0x00, 0x70, 0x50, 0x00, 0x01);
    std::vector<CatFrame> ticked = {kReadFreqMode, F(0x08, 0, 0, 0, 0x07), kToggle,
                                    kReadFreqMode, F(0x00, 0, 0, 0, 0x07), kToggle};
    const auto tickedSend = fullSend(readMain, readSub, true);
    ticked.insert(ticked.end(), tickedSend.begin(), tickedSend.end());
    const struct {
        bool tune;
        std::vector<CatFrame> frames;
        Freq main, sub;
    } rows[] = {
        {true, ticked, 14523000, 705000},
        {false, fullSend(F(0x14, 0x50, 0, 0, 0x01), F(0x00, 0x71, 0, 0, 0x01), false), 14500000,
         710000},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.tune);
        if (s.CatOn) {
            radio.power.CATbutton_Click();
        }
        setUpVfos();
        engine.clearLog();
        s.Settings.TuneOnStartup = row.tune;
        radio.power.CATbutton_Click();
        EXPECT_EQ(engine.receivedFrames(), row.frames);
        EXPECT_EQ(s.MainVfo.Frequency, row.main);
        EXPECT_EQ(s.SubVfo.Frequency, row.sub);
        EXPECT_EQ(engine.rig().activeVfo, 0);
        EXPECT_EQ(engine.rig().vfo[1].frequency, row.sub);
        EXPECT_TRUE(p.LMeterVisible && p.ledFreqVisible && p.ledSubFreqVisible);
        EXPECT_EQ(radio.enablement.TimerDelayTag, "OFF");
        EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
    }
}

TEST_F(PowerTest, switchOff_endsTransmissionFirstEvenWithMenusLocked)
{
    for (bool locked : {false, true}) {
        SCOPED_TRACE(locked);
        s.Settings.TuneOnStartup = false;
        radio.power.CATbutton_Click();
        radio.transmit.MOXbutton_Click();
        ASSERT_TRUE(p.lblOnAir.Visible);
        s.MenusLocked = locked;
        radio.vfo.SUBbutton_Click();
        s.MainVfo.Frequency = 14512340; // tuned since the link came on
        p.WindowTop = 300;
        engine.clearLog();

        radio.power.CATbutton_Click();
        const auto frames = commandFrames();
        ASSERT_EQ(frames.size(), 2u);
        EXPECT_EQ(frames[0], F(0, 0, 0, 0, 0x88)); // PTT off before anything else
        EXPECT_EQ(frames[1], kToggle);             // then SUB off
        EXPECT_FALSE(engine.rig().ptt);
        EXPECT_FALSE(s.CatOn || s.SubActive || p.lblOnAir.Visible || p.LMeterVisible);
        EXPECT_FALSE(radio.meters.TimerPowerMeter.enabled() ||
                     radio.meters.TimerSignalMeter.enabled());
        EXPECT_EQ(s.BandTable.BandMainVfo[1].Frequency, 14512340);
        EXPECT_EQ(s.Settings.WindowTop, 300);
        for (const char *file : {"bandinfo.dorv", "ft897.dorv", "homemem.dorv"}) {
            EXPECT_TRUE(std::filesystem::exists(dir / file)) << file;
        }
        s.MenusLocked = false;
    }
}

TEST_F(PowerTest, catButton_secondPressWhileSwitchingIsIgnored)
{
    // A double click: the second press comes while the switch waits on the radio.
    Timer presser("presser");
    presser.setInterval(100);
    presser.setTickHandler([&] {
        presser.setEnabled(false);
        radio.power.CATbutton_Click();
    });
    host.attachTimer(presser);
    s.Settings.TuneOnStartup = true;
    for (bool on : {true, false}) {
        SCOPED_TRACE(on);
        if (!on) {
            radio.vfo.SUBbutton_Click(); // switching off then waits on the SUB toggle
        }
        presser.setEnabled(true);
        radio.power.CATbutton_Click();
        EXPECT_FALSE(presser.enabled()); // the second press came
        EXPECT_EQ(s.CatOn, on);
        EXPECT_EQ(p.LMeterVisible && p.ledFreqVisible, on);
        EXPECT_EQ(radio.meters.TimerSignalMeter.enabled(), on);
        EXPECT_EQ(engine.rig().activeVfo, 0);
    }
}

TEST_F(PowerTest, catButton_colourByDisplaySettingAndRefusalWithoutPort)
{
    const struct {
        int colours;
        Rgb lit;
    } rows[] = {{7, {0, 200, 240}}, {8, {0, 255, 255}}, {5, kPanelDark}};
    for (const auto &row : rows) {
        s.Settings.TuneOnStartup = false;
        s.Settings.DisplayColours = static_cast<std::int16_t>(row.colours);
        radio.power.CATbutton_Click();
        EXPECT_EQ(p.DisplayPanelColour, row.lit);
        EXPECT_EQ(p.LMeterColour, row.lit);
        radio.power.CATbutton_Click();
        EXPECT_EQ(p.DisplayPanelColour, kPanelDark);
        EXPECT_EQ(p.LMeterColour, kPanelDark);
    }
    s.PortReady = false;
    radio.power.CATbutton_Click();
    EXPECT_FALSE(s.CatOn);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "SERIAL PORT ERROR");
}

} // namespace
