#include "core/files/FilesFixture.h"

#include <gtest/gtest.h>

namespace dorv::test {
namespace {

using MenusTest = FilesTest;

int CheckedIndex(const MenuArray &menu)
{
    int found = -1;
    for (int i = 0; i < static_cast<int>(menu.size()); ++i) {
        if (menu[i].Checked) {
            EXPECT_EQ(found, -1) << "two items ticked";
            found = i;
        }
    }
    return found;
}

TEST_F(MenusTest, menuArrays_captionsByIndex)
{
    const PanelState &p = radio.panel;
    EXPECT_EQ(p.mnuSettingsArray[0].Caption, "Serial Port");
    EXPECT_EQ(p.mnuSettingsArray[3].Caption, "Display");
    EXPECT_EQ(p.mnuSettingsArray[8].Caption, "Tuning Steps...");
    EXPECT_EQ(p.mnuSettingsArray[12].Caption, "DCS Codes...");
    EXPECT_EQ(p.mnuSettingsArray[14].Caption, "Tune to Radio on Start-up");
    for (int unused : {5, 6, 7}) {
        EXPECT_FALSE(p.mnuSettingsArray[unused].Visible);
    }
    EXPECT_EQ(p.mnuDelayArray[4].Caption, "Pause");
    EXPECT_FALSE(p.mnuDelayArray[3].Visible);
    EXPECT_EQ(p.mnuResizeDisplayArray[8].Caption, "8 Bit Colors");
    EXPECT_EQ(p.mnuMemoryArray[0].Caption, "Manager...");
    EXPECT_EQ(p.mnuHelpArray[2].Caption, "About DORV FT-897");
}

struct IntervalCase {
    const char *menu;
    int index;
    int value; // timer interval in ms, or the pause in s
};

TEST_F(MenusTest, intervalMenus_tickApplyAndStore)
{
    const IntervalCase cases[] = {
        {"scan", 4, 250},  {"scan", 6, 0}, {"meter", 5, 100}, {"meter", 6, 0},
        {"pri", 0, 15000}, {"pri", 3, 0},  {"pause", 0, 30},  {"pause", 4, 0},
    };
    const PanelState &p = radio.panel;
    const SettingsRecord &set = s.Settings;
    for (const IntervalCase &c : cases) {
        SCOPED_TRACE(std::string(c.menu) + " " + std::to_string(c.index));
        const std::string menu = c.menu;
        if (menu == "scan") {
            radio.intervals.mnuScanSpeed_Click(c.index);
            EXPECT_EQ(CheckedIndex(p.mnuScanSpeed), c.index);
            EXPECT_EQ(radio.intervals.ScanInterval(), c.value);
            EXPECT_EQ(set.ScanSpeed, c.index);
        } else if (menu == "meter") {
            radio.meters.TimerSignalMeter.setEnabled(true);
            radio.intervals.mnuMeterSpeed_Click(c.index);
            EXPECT_EQ(CheckedIndex(p.mnuMeterSpeed), c.index);
            EXPECT_EQ(radio.meters.TimerSignalMeter.interval(), c.value);
            EXPECT_EQ(radio.meters.TimerPowerMeter.interval(), c.value);
            EXPECT_TRUE(radio.meters.TimerSignalMeter.enabled());
            EXPECT_EQ(set.MeterSpeed, c.index);
        } else if (menu == "pri") {
            radio.intervals.mnuPRIspeed_Click(c.index);
            EXPECT_EQ(CheckedIndex(p.mnuPRIspeed), c.index);
            EXPECT_EQ(radio.intervals.PriInterval(), c.value);
            EXPECT_EQ(set.PriSpeed, c.index);
        } else {
            radio.intervals.mnuPauseInterval_Click(c.index);
            EXPECT_EQ(CheckedIndex(p.mnuPauseInterval), c.index);
            EXPECT_EQ(s.PauseTime, c.value);
            EXPECT_EQ(set.PauseInterval, c.index);
        }
    }
    // An index outside the menu changes nothing.
    radio.intervals.mnuMeterSpeed_Click(7);
    EXPECT_EQ(CheckedIndex(p.mnuMeterSpeed), 6);
    EXPECT_EQ(set.MeterSpeed, 6);
}

TEST_F(MenusTest, mnuSettingsArray_Click_tuneOnStartupToggles)
{
    s.Settings.TuneOnStartup = true;
    radio.panel.mnuSettingsArray[14].Checked = true;
    radio.app.mnuSettingsArray_Click(14);
    EXPECT_FALSE(radio.panel.mnuSettingsArray[14].Checked);
    EXPECT_FALSE(s.Settings.TuneOnStartup);
    radio.app.mnuSettingsArray_Click(14);
    EXPECT_TRUE(radio.panel.mnuSettingsArray[14].Checked);
    EXPECT_TRUE(s.Settings.TuneOnStartup);
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
