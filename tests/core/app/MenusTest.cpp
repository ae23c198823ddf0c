#include "core/files/FilesFixture.h"

#include <functional>
#include <gtest/gtest.h>

namespace dorv::test {
namespace {

using MenusTest = FilesTest;

std::vector<int> Ticked(const MenuArray &menu)
{
    std::vector<int> ticked;
    for (int i = 0; i < static_cast<int>(menu.size()); ++i) {
        if (menu[i].Checked) {
            ticked.push_back(i);
        }
    }
    return ticked;
}

TEST_F(MenusTest, menuArrays_captionsByIndex)
{
    const PanelState &p = radio.panel;
    EXPECT_EQ(p.mnuSettingsArray[3].Caption, "Display");
    EXPECT_EQ(p.mnuSettingsArray[12].Caption, "DCS Codes...");
    EXPECT_EQ(p.mnuSettingsArray[14].Caption, "Tune to Radio on Start-up");
    EXPECT_FALSE(p.mnuSettingsArray[5].Visible || p.mnuSettingsArray[7].Visible ||
                 p.mnuDelayArray[3].Visible);
    EXPECT_EQ(p.mnuDelayArray[4].Caption, "Pause");
    EXPECT_EQ(p.mnuResizeDisplayArray[8].Caption, "8 Bit Colors");
    EXPECT_EQ(p.mnuHelpArray[2].Caption, "About DORV FT-897");
}

struct IntervalCase {
    void (UpdateIntervals::*click)(int);
    MenuArray PanelState::*menu;
    std::int16_t SettingsRecord::*stored;
    std::function<int(Radio &)> applied; // the value in effect: ms, or s for the pause
    int index;
    int expected;
};

TEST_F(MenusTest, intervalMenus_tickApplyAndStore)
{
    const auto scan = [](Radio &r) { return r.intervals.ScanInterval(); };
    const auto meter = [](Radio &r) {
        EXPECT_EQ(r.meters.TimerPowerMeter.interval(), r.meters.TimerSignalMeter.interval());
        return r.meters.TimerSignalMeter.interval();
    };
    const auto pri = [](Radio &r) { return r.intervals.PriInterval(); };
    const auto pause = [](Radio &r) { return r.state.PauseTime; };
    using U = UpdateIntervals;
    using P = PanelState;
    using S = SettingsRecord;
    const IntervalCase cases[] = {
        {&U::mnuScanSpeed_Click, &P::mnuScanSpeed, &S::ScanSpeed, scan, 4, 250},
        {&U::mnuScanSpeed_Click, &P::mnuScanSpeed, &S::ScanSpeed, scan, 6, 0},
        {&U::mnuMeterSpeed_Click, &P::mnuMeterSpeed, &S::MeterSpeed, meter, 5, 100},
        {&U::mnuMeterSpeed_Click, &P::mnuMeterSpeed, &S::MeterSpeed, meter, 6, 0},
        {&U::mnuMeterSpeed_Click, &P::mnuMeterSpeed, &S::MeterSpeed, meter, 7, 0}, // ignored
        {&U::mnuPRIspeed_Click, &P::mnuPRIspeed, &S::PriSpeed, pri, 0, 15000},
        {&U::mnuPRIspeed_Click, &P::mnuPRIspeed, &S::PriSpeed, pri, 3, 0},
        {&U::mnuPauseInterval_Click, &P::mnuPauseInterval, &S::PauseInterval, pause, 0, 30},
        {&U::mnuPauseInterval_Click, &P::mnuPauseInterval, &S::PauseInterval, pause, 4, 0},
    };
    radio.meters.TimerSignalMeter.setEnabled(true);
    for (const IntervalCase &c : cases) {
        SCOPED_TRACE(c.index);
        (radio.intervals.*c.click)(c.index);
        const int inMenu = std::min<int>(c.index, (radio.panel.*c.menu).size() - 1);
        EXPECT_EQ(Ticked(radio.panel.*c.menu), std::vector<int>{inMenu});
        EXPECT_EQ(s.Settings.*c.stored, inMenu);
        EXPECT_EQ(c.applied(radio), c.expected);
    }
    // OFF stops the meter's ticks but leaves it enabled.
    EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
}

TEST_F(MenusTest, mnuSettingsArray_Click_tuneOnStartupToggles)
{
    for (const bool expected : {true, false}) {
        radio.app.mnuSettingsArray_Click(14);
        EXPECT_EQ(radio.panel.mnuSettingsArray[14].Checked, expected);
        EXPECT_EQ(s.Settings.TuneOnStartup, expected);
    }
}

TEST_F(MenusTest, mnuHelpArray_Click_contentsOrMessageAndAbout)
{
    radio.app.mnuHelpArray_Click(0);
    EXPECT_EQ(host.helpShown, std::vector<std::string>{"dorvft897.html"});
    EXPECT_TRUE(host.messages.empty());

    host.helpAvailable = false;
    radio.app.mnuHelpArray_Click(0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("dorvft897.html"), std::string::npos);

    radio.app.mnuHelpArray_Click(2);
    EXPECT_TRUE(radio.panel.frmAboutVisible);
    radio.app.btnOK_Click();
    EXPECT_FALSE(radio.panel.frmAboutVisible);
}

} // namespace
} // namespace dorv::test
