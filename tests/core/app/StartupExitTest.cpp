#include "core/files/FilesFixture.h"
#include "model/Version.h"

#include <gtest/gtest.h>

namespace dorv::test {
namespace {

namespace fs = std::filesystem;

class StartupExitTest : public FilesTest {
protected:
    void start()
    {
        radio.app.frmStartup_Load();
        radio.app.frmRadio_Load([this] { shownAt = host.clock; });
    }
    double shownAt = -1;
};

TEST_F(StartupExitTest, frmRadio_Load_emptyDirectoryGivesDefaultsAndDarkPanel)
{
    host.screen = {1024, 768};
    start();

    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].title, "Open Band Info File");
    EXPECT_EQ(host.messages[1].title, "Open Settings File");
    EXPECT_EQ(radio.panel.Caption, "DORV FT-897");
    EXPECT_TRUE(radio.panel.mnuCommPortArray[10].Checked);
    EXPECT_FALSE(s.CatOn);
    EXPECT_EQ(radio.panel.DisplayPanelColour, kPanelDark);
    EXPECT_FALSE(radio.panel.LMeterVisible);
    EXPECT_FALSE(radio.panel.MainKnob.Enabled || radio.panel.ClarKnob.Enabled ||
                 radio.panel.ChannelKnob.Enabled || radio.panel.btnJogUp.Enabled ||
                 radio.panel.btnJogDown.Enabled);
    // The main window appears after the 2 s pause, before the busy pointer goes.
    EXPECT_GE(shownAt, 2.0);
    EXPECT_FALSE(host.busyPointer);
    EXPECT_EQ(fs::file_size(file("bandinfo.dorv")), 1204u);
    EXPECT_EQ(fs::file_size(file("ft897.dorv")), 1248u);

    // The default settings re-applied through the menus.
    const PanelState &p = radio.panel;
    EXPECT_TRUE(p.mnuScanSpeed[0].Checked && p.mnuPRIspeed[2].Checked &&
                p.mnuPauseInterval[2].Checked && p.mnuSettingsArray[14].Checked);
    EXPECT_TRUE(p.mnuResizeDisplayArray[2].Checked && p.mnuResizeDisplayArray[5].Checked &&
                p.mnuResizeDisplayArray[7].Checked);
    EXPECT_EQ(p.WindowWidth, 15360);
    EXPECT_EQ(radio.meters.TimerSignalMeter.interval(), 500);
    EXPECT_EQ(s.PauseTime, 5);
}

// Cancel at the prompt, or a Yes whose save dialog is cancelled: nothing is written and
// the program goes on with the changes still unsaved.
TEST_F(StartupExitTest, EndDORV_cancelKeepsRunningAndWritesNothing)
{
    start();
    const Bytes band = ReadFileBytes(file("bandinfo.dorv"));
    const Bytes settings = ReadFileBytes(file("ft897.dorv"));
    const Bytes home = ReadFileBytes(file("homemem.dorv"));
    s.HomeChannels[0].Description = "CHANGED";
    s.BandTable.LastMainBand = 5;
    s.Settings.MeterSpeed = 6;

    for (const MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::Yes}) {
        s.MemoryDirty = true;
        host.messages.clear();
        host.messageAnswers = {answer};
        EXPECT_FALSE(radio.app.EndDORV());
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages[0].title, "Save File");
        EXPECT_EQ(host.messages[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_FALSE(radio.panel.ProgramEnded);
        EXPECT_TRUE(s.MemoryDirty);
    }
    EXPECT_EQ(ReadFileBytes(file("bandinfo.dorv")), band);
    EXPECT_EQ(ReadFileBytes(file("ft897.dorv")), settings);
    EXPECT_EQ(ReadFileBytes(file("homemem.dorv")), home);
}

// Exit writes the three files; what the menus chose and where the window stood is what
// the next run starts with.
TEST_F(StartupExitTest, EndDORV_writesTheFilesTheNextStartReapplies)
{
    start();
    radio.display.mnuResizeDisplayArray_Click(0);
    radio.display.mnuResizeDisplayArray_Click(4);
    radio.display.mnuResizeDisplayArray_Click(8);
    radio.intervals.mnuMeterSpeed_Click(6);
    radio.intervals.mnuPauseInterval_Click(3);
    radio.app.mnuSettingsArray_Click(14);
    radio.panel.WindowTop = 300; // the window was moved
    radio.panel.WindowLeft = 450;
    ASSERT_TRUE(radio.app.EndDORV());
    EXPECT_TRUE(radio.panel.ProgramEnded);
    EXPECT_EQ(fs::file_size(file("bandinfo.dorv")), 1204u);
    EXPECT_EQ(fs::file_size(file("ft897.dorv")), 1248u);
    EXPECT_EQ(fs::file_size(file("homemem.dorv")), 1236u);

    FakeHost host2;
    ClosedPort port2;
    Radio next(host2, port2, dir.string());
    next.app.frmRadio_Load();

    EXPECT_TRUE(host2.messages.empty());
    const PanelState &p = next.panel;
    EXPECT_TRUE(p.mnuResizeDisplayArray[0].Checked && p.mnuResizeDisplayArray[4].Checked &&
                p.mnuResizeDisplayArray[8].Checked);
    EXPECT_EQ(p.WindowWidth, 8810);
    EXPECT_EQ(p.WindowTop, 300);
    EXPECT_EQ(p.WindowLeft, 450);
    EXPECT_TRUE(p.LcdFace && p.ReducedColours);
    EXPECT_TRUE(p.mnuMeterSpeed[6].Checked);
    EXPECT_EQ(next.meters.TimerSignalMeter.interval(), 0);
    EXPECT_EQ(next.state.PauseTime, 3);
    EXPECT_FALSE(p.mnuSettingsArray[14].Checked);
    EXPECT_FALSE(next.state.Settings.TuneOnStartup);
}

TEST(VersionText, numbersJoinedByPointsWithoutBlanks)
{
    EXPECT_EQ(VersionText(2, 0, 1), "Version 2.0.1");
    EXPECT_EQ(VersionText(10, 12, 300), "Version 10.12.300");
    EXPECT_EQ(ProgramVersionText(), "Version " + VersionNumber());
}

} // namespace
} // namespace dorv::test
