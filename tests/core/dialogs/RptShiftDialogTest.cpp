#include "core/functions/FunctionsFixture.h"
#include "dialogs/ShiftText.h"

namespace dorv::test {
namespace {

constexpr int k430 = 0, k144 = 1, k50 = 2, k29 = 3;

// The main VFO on 144 MHz, port 1 open; the four bands' main, sub and PMS entries each with
// their own offset, so a write to the wrong one shows.
class RptShiftDialogTest : public FunctionsTest {
protected:
    RptShiftDialogTest()
    {
        const Freq offsets[] = {500000, 60000, 100000, 10000};
        for (int b = 0; b < 4; ++b) {
            s.BandTable.BandMainVfo[b].RptOffset = offsets[b];
            s.BandTable.BandSubVfo[b].RptOffset = offsets[b] + 1000;
            s.BandTable.BandPmsVfo[b].RptOffset = offsets[b] + 2000;
        }
        s.Settings.Ars144 = true;
        s.Settings.Ars430 = false;
    }

    void type(int box, const std::string &text)
    {
        dialog.form.txtRPToffset[box] = text;
        dialog.txtRPToffset_LostFocus(box);
    }

    RptShiftDialog &dialog = radio.dialogs.frmRPTshift;
};

TEST_F(RptShiftDialogTest, formLoad_showsMainOffsetsInWholeTensOfKhzAndTheSwitches)
{
    s.BandTable.BandMainVfo[k29].RptOffset = 12345; // 123.45 kHz, cut to .12
    dialog.Form_Load();
    EXPECT_TRUE(dialog.form.Visible);
    EXPECT_EQ(dialog.form.txtRPToffset, (std::array<std::string, 4>{"5.00", ".60", "1.00", ".12"}));
    EXPECT_TRUE(dialog.form.ssopt144On);
    EXPECT_FALSE(dialog.form.ssopt430On);
}

// 0.6 MHz reads ".60" on leaving the box and is stored as 600 kHz in the band's main and PMS
// entries; the main VFO on that band takes it and the radio gets it.
TEST_F(RptShiftDialogTest, save_storesMainAndPmsEntriesAndSendsTheMainVfosBand)
{
    dialog.Form_Load();
    type(k144, "0.6");
    EXPECT_EQ(dialog.form.txtRPToffset[k144], ".60");
    type(k430, "7.6");
    dialog.form.ssopt430On = true;
    dialog.form.ssopt144On = false;
    dialog.cmdSAVE_Click();

    EXPECT_FALSE(dialog.form.Visible);
    EXPECT_EQ(s.BandTable.BandMainVfo[k144].RptOffset, 60000);
    EXPECT_EQ(s.BandTable.BandPmsVfo[k144].RptOffset, 60000);
    EXPECT_EQ(s.BandTable.BandSubVfo[k144].RptOffset, 61000);
    EXPECT_EQ(s.BandTable.BandMainVfo[k430].RptOffset, 760000);
    EXPECT_EQ(s.BandTable.BandPmsVfo[k430].RptOffset, 760000);
    EXPECT_EQ(s.BandTable.BandSubVfo[k430].RptOffset, 501000);
    EXPECT_TRUE(s.Settings.Ars430);
    EXPECT_FALSE(s.Settings.Ars144);
    EXPECT_EQ(s.MainVfo.RptOffset, 60000);
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{F(0x00, 0x06, 0x00, 0x00, 0xF9)}));
    EXPECT_EQ(engine.rig().rptOffset, 60000);
}

TEST_F(RptShiftDialogTest, save_keepsTenHertzUnitsAndReopeningCutsToTwoDecimals)
{
    dialog.Form_Load();
    type(k50, "1.234");
    EXPECT_EQ(dialog.form.txtRPToffset[k50], "1.23");
    // The box is reformatted, but what is stored is what was typed: the operator may also
    // press SAVE without leaving the box.
    dialog.form.txtRPToffset[k50] = "1.234";
    dialog.cmdSAVE_Click();
    EXPECT_EQ(s.BandTable.BandMainVfo[k50].RptOffset, 123400);
    dialog.Form_Load();
    EXPECT_EQ(dialog.form.txtRPToffset[k50], "1.23");
}

// Leaving a box reformats it, as a mouse click on SAVE does first: SAVE still stores the
// amount typed. An edit after that is what was typed.
TEST_F(RptShiftDialogTest, save_afterTheBoxWasReformattedStoresWhatWasTyped)
{
    dialog.Form_Load();
    type(k50, "1.234");
    dialog.txtRPToffset_LostFocus(k50); // left a second time
    dialog.cmdSAVE_Click();
    EXPECT_EQ(s.BandTable.BandMainVfo[k50].RptOffset, 123400);

    dialog.Form_Load();
    type(k50, "1.234");
    dialog.txtRPToffset_Change(k50, "1.23");
    dialog.txtRPToffset_LostFocus(k50);
    dialog.cmdSAVE_Click();
    EXPECT_EQ(s.BandTable.BandMainVfo[k50].RptOffset, 123000);
}

// No offset reaches the radio for a main VFO off the four bands, nor without a port.
TEST_F(RptShiftDialogTest, save_sendsNoOffsetOffTheFourBandsOrWithoutAPort)
{
    s.MainBand = 7;
    s.MainVfo = {1420000, ModeUSB, 0};
    dialog.Form_Load();
    type(k144, "1");
    dialog.cmdSAVE_Click();
    EXPECT_EQ(s.BandTable.BandMainVfo[k144].RptOffset, 100000);
    EXPECT_EQ(s.MainVfo.RptOffset, 0);
    EXPECT_TRUE(takeFrames().empty());

    s.MainBand = k144;
    s.Settings.CommPort = 10;
    dialog.Form_Load();
    type(k144, "2");
    dialog.cmdSAVE_Click();
    EXPECT_EQ(s.MainVfo.RptOffset, 200000);
    EXPECT_TRUE(takeFrames().empty());
}

TEST_F(RptShiftDialogTest, defaultThenCancel_leavesEverythingAsBefore)
{
    const SettingsRecord settings = s.Settings;
    s.BandTable.BandMainVfo[k144].RptOffset = 70000;
    const BandRecord changed = s.BandTable;
    dialog.Form_Load();
    dialog.cmdDEFAULT_Click();
    EXPECT_EQ(dialog.form.txtRPToffset, (std::array<std::string, 4>{"5.00", ".60", "1.00", ".10"}));
    EXPECT_TRUE(dialog.form.ssopt144On && dialog.form.ssopt430On);
    dialog.cmdCancel_Click();
    EXPECT_EQ(s.BandTable, changed);
    EXPECT_EQ(s.Settings, settings);
    dialog.Form_Load();
    EXPECT_EQ(dialog.form.txtRPToffset[k144], ".70");
    EXPECT_FALSE(dialog.form.ssopt430On);
    EXPECT_TRUE(takeFrames().empty());
}

// A text that is no amount within the row's range is refused naming the band and range;
// the box gets the focus back and nothing of the dialog is stored.
TEST_F(RptShiftDialogTest, save_refusesTextsThatAreNoAmountInRange)
{
    const struct {
        int box;
        const char *text;
        const char *band;
        const char *range;
    } cases[] = {
        {k144, "abc", "144 MHz", "( 0 - 4.00 MHz )"},
        {k144, "", "144 MHz", "( 0 - 4.00 MHz )"},
        {k50, "-0.5", "50 MHz", "( 0 - 4.00 MHz )"},
        {k50, "1.2.3", "50 MHz", "( 0 - 4.00 MHz )"},
        {k144, "4.01", "144 MHz", "( 0 - 4.00 MHz )"},
        {k430, "20.006", "430 MHz", "( 0 - 20.00 MHz )"},
        {k29, "1.71", "29 MHz", "( 0 - 1.70 MHz )"},
        {k29, "1e3", "29 MHz", "( 0 - 1.70 MHz )"},
        {k430, "99999999999999999999", "430 MHz", "( 0 - 20.00 MHz )"},
    };
    const BandRecord bands = s.BandTable;
    const SettingsRecord settings = s.Settings;
    const VfoInfo main = s.MainVfo;
    for (const auto &c : cases) {
        host.messages.clear();
        dialog.Form_Load();
        dialog.form.ssopt430On = true;
        type(k144, "3"); // a good change elsewhere that must not be stored either
        type(c.box, c.text);
        dialog.cmdSAVE_Click();
        ASSERT_EQ(host.messages.size(), 1u) << c.text;
        const ShownMessage &m = host.messages[0];
        EXPECT_NE(m.text.find(c.band), std::string::npos) << m.text;
        EXPECT_NE(m.text.find(c.range), std::string::npos) << m.text;
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        EXPECT_TRUE(dialog.form.Visible) << c.text;
        EXPECT_EQ(dialog.form.FocusBox, c.box) << c.text;
        EXPECT_EQ(s.BandTable, bands) << c.text;
        EXPECT_EQ(s.Settings, settings) << c.text;
        EXPECT_EQ(s.MainVfo, main) << c.text;
        dialog.cmdCancel_Click();
    }
    EXPECT_TRUE(takeFrames().empty());

    // The range's ends are accepted.
    dialog.Form_Load();
    type(k430, "20");
    type(k144, "0");
    type(k50, " 4.00 ");
    type(k29, "1.7");
    dialog.cmdSAVE_Click();
    EXPECT_FALSE(dialog.form.Visible);
    EXPECT_EQ(s.BandTable.BandMainVfo[k430].RptOffset, 2000000);
    EXPECT_EQ(s.BandTable.BandMainVfo[k144].RptOffset, 0);
    EXPECT_EQ(s.BandTable.BandMainVfo[k50].RptOffset, 400000);
    EXPECT_EQ(s.BandTable.BandMainVfo[k29].RptOffset, 170000);
}

TEST(ShiftTextTest, reformatRoundsToHundredthsAndLeavesOtherTextAlone)
{
    const std::pair<const char *, const char *> cases[] = {
        {"0.6", ".60"},      {"1.7", "1.70"},   {"5", "5.00"},
        {"12.345", "12.35"}, {"1.234", "1.23"}, {" 0.004", ".00"},
        {"-0.6", "-.60"},    {"+2.", "2.00"},   {".995", "1.00"},
    };
    for (const auto &[typed, shown] : cases) {
        EXPECT_EQ(ReformatShiftText(typed), std::optional<std::string>(shown)) << typed;
    }
    for (const char *typed : {"", " ", "abc", ".", "1.2.3", "1,5", "5 MHz", "--1"}) {
        EXPECT_EQ(ReformatShiftText(typed), std::nullopt) << typed;
    }
    EXPECT_EQ(ParseShiftMhz("0.000005"), 1);
    EXPECT_EQ(ParseShiftMhz("0.0000049"), 0);
    EXPECT_EQ(FormatShiftMhz(0), ".00");
    EXPECT_EQ(FormatShiftMhz(2000000), "20.00");
}

} // namespace
} // namespace dorv::test
