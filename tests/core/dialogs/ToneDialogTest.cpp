#include "core/functions/FunctionsFixture.h"

namespace dorv::test {
namespace {

enum SettingsItem { TuningSteps = 8, RepeaterShifts = 9, CtcssTones = 11, DcsCodes = 12 };

class ToneDialogTest : public FunctionsTest {
protected:
    ToneDialog &ctcss = radio.dialogs.frmCTCSS;
    ToneDialog &dcs = radio.dialogs.frmDCS;
};

// The option captions are the digits that go down the line, for every tone and code: the
// BCD of "88.5" is 08 85, of "051" is 00 51, sent for transmit and receive alike.
TEST_F(ToneDialogTest, save_sendsTheCaptionOfEveryOptionAsBcd)
{
    for (ToneDialog *dialog : {&ctcss, &dcs}) {
        const bool isCtcss = dialog == &ctcss;
        ASSERT_EQ(dialog->Options().size(), isCtcss ? 39u : 104u);
        for (int i = 0; i < static_cast<int>(dialog->Options().size()); ++i) {
            std::string digits = dialog->Options()[i];
            std::erase(digits, '.');
            digits.insert(0, 4 - digits.size(), '0');
            const auto byte = [&](int at) {
                return static_cast<std::uint8_t>((digits[at] - '0') << 4 | (digits[at + 1] - '0'));
            };
            dialog->Form_Load();
            dialog->optCTCSS_Click(i);
            dialog->cmdSAVE_Click();
            const std::uint8_t op = isCtcss ? 0x0B : 0x0C;
            EXPECT_EQ(takeFrames(),
                      (std::vector<CatFrame>{F(byte(0), byte(2), byte(0), byte(2), op)}))
                << dialog->Options()[i];
            EXPECT_EQ(isCtcss ? s.MainVfo.CtcssTone : s.MainVfo.DcsCode, i);
            EXPECT_EQ(isCtcss ? s.SentMain.CtcssTone : s.SentMain.DcsCode, i);
        }
    }
    EXPECT_EQ(ctcss.Options().front(), "67.0");
    EXPECT_EQ(ctcss.Options().back(), "250.3");
    EXPECT_EQ(dcs.Options().front(), "023");
    EXPECT_EQ(dcs.Options().back(), "754");
    EXPECT_EQ(engine.rig().ctcssTenthsRx, 2503);
    EXPECT_EQ(engine.rig().dcsRx, 754);
}

TEST_F(ToneDialogTest, menuOpensEachDialogOnTheOperatedVfo)
{
    s.MainVfo.CtcssTone = 3;
    s.MainVfo.DcsCode = 40;
    s.SubVfo.CtcssTone = 20;
    s.SubVfo.DcsCode = 90;
    radio.app.mnuSettingsArray_Click(CtcssTones);
    EXPECT_TRUE(ctcss.form.Visible);
    EXPECT_EQ(ctcss.form.Caption, "CTCSS Tone (MAIN VFO)");
    EXPECT_EQ(ctcss.form.Selected, 3);
    ctcss.cmdCancel_Click();
    EXPECT_FALSE(ctcss.form.Visible);

    s.SubActive = true;
    radio.app.mnuSettingsArray_Click(DcsCodes);
    EXPECT_TRUE(dcs.form.Visible);
    EXPECT_EQ(dcs.form.Caption, "DCS Code (SUB VFO)");
    EXPECT_EQ(dcs.form.Selected, 90);

    radio.app.mnuSettingsArray_Click(TuningSteps);
    radio.app.mnuSettingsArray_Click(RepeaterShifts);
    EXPECT_TRUE(radio.dialogs.frmTuningSteps.form.Visible);
    EXPECT_TRUE(radio.dialogs.frmRPTshift.form.Visible);
    EXPECT_TRUE(takeFrames().empty());
}

// With SUB on the radio operates the sub VFO: its tone and code go out without a toggle,
// and the main VFO keeps its own.
TEST_F(ToneDialogTest, save_subActiveChangesOnlyTheSubVfo)
{
    s.SubActive = true;
    s.MainVfo.CtcssTone = 5;
    s.MainVfo.DcsCode = 5;
    s.SubVfo.CtcssTone = 9;
    ctcss.Form_Load();
    EXPECT_EQ(ctcss.form.Caption, "CTCSS Tone (SUB VFO)");
    EXPECT_EQ(ctcss.form.Selected, 9);
    ctcss.optCTCSS_Click(12); // 100.0 Hz
    ctcss.cmdSAVE_Click();
    EXPECT_FALSE(ctcss.form.Visible);
    EXPECT_EQ(s.SubVfo.CtcssTone, 12);
    EXPECT_EQ(s.SentSub.CtcssTone, 12);
    EXPECT_EQ(s.MainVfo.CtcssTone, 5);

    dcs.Form_Load();
    dcs.optCTCSS_Click(0);
    dcs.cmdSAVE_Click();
    EXPECT_EQ(s.SubVfo.DcsCode, 0);
    EXPECT_EQ(s.SentSub.DcsCode, 0);
    EXPECT_EQ(s.MainVfo.DcsCode, 5);
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{F(0x10, 0x00, 0x10, 0x00, 0x0B),
                                                   F(0x00, 0x23, 0x00, 0x23, 0x0C)}));
}

// DEFAULT takes effect at once and the dialog stays open; a CANCEL after it keeps it.
TEST_F(ToneDialogTest, default_selectsIndex8AndSendsAtOnce)
{
    s.MainVfo.DcsCode = 30;
    dcs.Form_Load();
    dcs.cmdDEFAULT_Click();
    EXPECT_TRUE(dcs.form.Visible);
    EXPECT_EQ(dcs.form.Selected, 8);
    EXPECT_EQ(dcs.Options()[8], "051");
    EXPECT_EQ(s.MainVfo.DcsCode, 8);
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{F(0x00, 0x51, 0x00, 0x51, 0x0C)}));
    dcs.cmdCancel_Click();
    EXPECT_EQ(s.MainVfo.DcsCode, 8);

    s.MainVfo.CtcssTone = 0;
    ctcss.Form_Load();
    ctcss.cmdDEFAULT_Click();
    EXPECT_EQ(ctcss.Options()[8], "88.5");
    EXPECT_EQ(takeFrames(), (std::vector<CatFrame>{F(0x08, 0x85, 0x08, 0x85, 0x0B)}));
    EXPECT_EQ(s.MainVfo.CtcssTone, 8);
}

TEST_F(ToneDialogTest, cancel_afterAChangeSendsNothingAndKeepsTheIndex)
{
    s.MainVfo.CtcssTone = 4;
    s.MainVfo.DcsCode = 60;
    for (ToneDialog *dialog : {&ctcss, &dcs}) {
        dialog->Form_Load();
        dialog->optCTCSS_Click(20);
        dialog->cmdCancel_Click();
        EXPECT_FALSE(dialog->form.Visible);
        dialog->Form_Load();
        EXPECT_EQ(dialog->form.Selected, dialog == &ctcss ? 4 : 60);
    }
    EXPECT_EQ(s.MainVfo.CtcssTone, 4);
    EXPECT_EQ(s.MainVfo.DcsCode, 60);
    EXPECT_TRUE(takeFrames().empty());
}

} // namespace
} // namespace dorv::test
