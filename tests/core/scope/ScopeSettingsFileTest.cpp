#include "ScopeFixture.h"

using namespace dorv;
using namespace dorv::test;

namespace {

using ScopeSettingsFileTest = ScopeFixture;

std::vector<int> Ticked(const MenuArray &menu)
{
    std::vector<int> ticked;
    for (std::size_t i = 0; i < menu.size(); ++i) {
        if (menu[i].Checked) {
            ticked.push_back(static_cast<int>(i));
        }
    }
    return ticked;
}

TEST_F(ScopeSettingsFileTest, storedChoices_areAppliedToMenusTimerAndChart)
{
    writeScopeFile({0x01, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x03, 0x00, 0x04,
                    0x00, 0x01, 0x00});
    scope.SCOPEbutton_Click();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Ticked(view.mnuActiveSearchArray), std::vector<int>{5});
    EXPECT_EQ(Ticked(view.mnuContinuousScan), std::vector<int>{0});
    EXPECT_EQ(Ticked(view.mnuDisplayModeArray), std::vector<int>{0});
    EXPECT_EQ(Ticked(view.mnuScopeScanSpeedArray), std::vector<int>{2});
    EXPECT_EQ(scope.TimerScope.interval(), 400);
    EXPECT_EQ(Ticked(view.mnuHandleArray), std::vector<int>{3});
    EXPECT_EQ(view.stripScope.Handles, 3);
    EXPECT_EQ(Ticked(view.mnuWrapWidthArray), std::vector<int>{4});
    EXPECT_EQ(Ticked(view.mnuColorFillArray), std::vector<int>{1});
    EXPECT_FALSE(view.stripScope.Fill);
}

TEST_F(ScopeSettingsFileTest, invalidFile_isReplacedByTheDefaultsWhateverTheRestHolds)
{
    writeScopeFile({0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0x04,
                    0x00, 0x01, 0x00});
    scope.SCOPEbutton_Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Open Scope Settings File");
    EXPECT_EQ(host.messages[0].text,
              "The band scope settings file does NOT exist in the program directory, or it is "
              "corrupted. A default settings file will be created.");
    EXPECT_EQ(scopeFile(), (Bytes{0x01, 0x00, 0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                  0x00, 0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Ticked(view.mnuActiveSearchArray), std::vector<int>{3});
    EXPECT_EQ(scope.TimerScope.interval(), 1000);
}

TEST_F(ScopeSettingsFileTest, missingFile_isCreatedWithTheDefaults)
{
    std::filesystem::remove(scopeFilePath());
    scope.SCOPEbutton_Click();
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(scopeFile().size(), 16u);
    EXPECT_EQ(scopeFile()[0], 0x01);
}

// Indexes beyond their menus (a damaged or foreign file) tick the nearest entry.
TEST_F(ScopeSettingsFileTest, outOfRangeIndexes_areClampedToTheirMenus)
{
    writeScopeFile({0x01, 0x00, 0x0C, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x09, 0x00, 0x07, 0x00, 0x00,
                    0x00, 0x05, 0x00});
    scope.SCOPEbutton_Click();
    EXPECT_EQ(Ticked(view.mnuActiveSearchArray), std::vector<int>{9});
    EXPECT_EQ(Ticked(view.mnuContinuousScan), std::vector<int>{0});
    EXPECT_EQ(Ticked(view.mnuScopeScanSpeedArray), std::vector<int>{4});
    EXPECT_EQ(scope.TimerScope.interval(), 250);
    EXPECT_EQ(Ticked(view.mnuHandleArray), std::vector<int>{3});
    EXPECT_EQ(Ticked(view.mnuWrapWidthArray), std::vector<int>{1});
    EXPECT_EQ(Ticked(view.mnuColorFillArray), std::vector<int>{1});
}

TEST_F(ScopeSettingsFileTest, storedWrap_loadsAsPanAndExitSavesItBackAsPan)
{
    writeScopeFile({0x01, 0x00, 0x03, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01,
                    0x00, 0x00, 0x00});
    scope.SCOPEbutton_Click();
    EXPECT_EQ(Ticked(view.mnuDisplayModeArray), std::vector<int>{0});
    scope.mnuDisplayModeArray_Click(1); // choosing Wrap still applies Pan
    EXPECT_EQ(Ticked(view.mnuDisplayModeArray), std::vector<int>{0});
    EXPECT_EQ(view.stripScope.DisplayMode, 0);
    scope.mnuFileArray_Click(0);
    EXPECT_FALSE(view.Visible);
    EXPECT_EQ(scopeFile()[6], 0x00);
    EXPECT_EQ(scopeFile()[7], 0x00);
}

TEST_F(ScopeSettingsFileTest, choosingS7AfterS2_leavesOnlyS7Ticked)
{
    scope.SCOPEbutton_Click();
    scope.mnuActiveSearchArray_Click(2);
    scope.mnuActiveSearchArray_Click(7);
    EXPECT_EQ(Ticked(view.mnuActiveSearchArray), std::vector<int>{7});
    EXPECT_EQ(scope.ScopeSettings.ActiveSearch, 7);
}

TEST_F(ScopeSettingsFileTest, exitSavesTheChoicesButTheCloseBoxDoesNot)
{
    scope.SCOPEbutton_Click();
    const Bytes before = scopeFile();
    scope.mnuScopeScanSpeedArray_Click(3);
    scope.mnuColorFillArray_Click(1);
    scope.Form_Unload();
    EXPECT_EQ(scopeFile(), before);
    EXPECT_FALSE(view.Visible);

    scope.SCOPEbutton_Click(); // the change was lost with the close box
    EXPECT_EQ(Ticked(view.mnuScopeScanSpeedArray), std::vector<int>{0});
    scope.mnuScopeScanSpeedArray_Click(3);
    scope.mnuColorFillArray_Click(1);
    scope.mnuFileArray_Click(0);
    EXPECT_EQ(scopeFile()[8], 0x03);
    EXPECT_EQ(scopeFile()[14], 0x01);
}

// A directory where the file belongs can be neither read nor replaced: both are reported,
// the menus keep the choices they had, and nothing is lost.
TEST_F(ScopeSettingsFileTest, unreadableAndUnwritableFile_areReported)
{
    std::filesystem::remove(scopeFilePath());
    std::filesystem::create_directory(scopeFilePath());
    scope.SCOPEbutton_Click();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, "Open Band Scope Settings File");
    EXPECT_EQ(host.messages[0].text.rfind(
                  "Error encountered while trying to open file BANDSCOPE.DORV. ", 0),
              0u);
    EXPECT_EQ(Ticked(view.mnuScopeScanSpeedArray), std::vector<int>{0});

    scope.mnuFileArray_Click(0);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].title, "Save Band Scope Settings File");
    EXPECT_EQ(host.messages[1].buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(std::filesystem::is_directory(scopeFilePath()));
    EXPECT_FALSE(view.Visible);
}

} // namespace
