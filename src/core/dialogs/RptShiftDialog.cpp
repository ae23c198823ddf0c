#include "dialogs/RptShiftDialog.h"

#include "cat/CatCommands.h"
#include "dialogs/ShiftText.h"
#include "host/Host.h"
#include "model/RadioState.h"
#include "model/files/SettingsDefaults.h"

namespace dorv {

const std::array<ShiftRow, kShiftRows> &ShiftRows()
{
    static const std::array<ShiftRow, kShiftRows> rows = {{
        {"430 MHz", "( 0 - 20.00 MHz )", 2000000, "5.00"},
        {"144 MHz", "( 0 - 4.00 MHz )", 400000, ".60"},
        {"50 MHz", "( 0 - 4.00 MHz )", 400000, "1.00"},
        {"29 MHz", "( 0 - 1.70 MHz )", 170000, ".10"},
    }};
    return rows;
}

void RptShiftDialog::Form_Load()
{
    DisplayRPTinfo();
    form.FocusBox = -1;
    form.Visible = true;
    host_.panelChanged();
}

void RptShiftDialog::DisplayRPTinfo()
{
    const RadioState &s = state_;
    typed_ = {};
    form.ssopt144On = s.Settings.Ars144;
    form.ssopt430On = s.Settings.Ars430;
    for (int i = 0; i < kShiftRows; ++i) {
        form.txtRPToffset[i] = FormatShiftMhz(s.BandTable.BandMainVfo[i].RptOffset);
    }
}

void RptShiftDialog::txtRPToffset_Change(int Index, const std::string &text)
{
    if (Index < 0 || Index >= kShiftRows) {
        return;
    }
    form.txtRPToffset[Index] = text;
    typed_[Index].reset();
}

void RptShiftDialog::txtRPToffset_LostFocus(int Index)
{
    if (Index < 0 || Index >= kShiftRows) {
        return;
    }
    const std::string before = AmountText(Index);
    if (const auto text = ReformatShiftText(form.txtRPToffset[Index])) {
        form.txtRPToffset[Index] = *text;
        typed_[Index] = Typed{before, *text};
    }
}

const std::string &RptShiftDialog::AmountText(int i) const
{
    const auto &typed = typed_[i];
    return typed && typed->shown == form.txtRPToffset[i] ? typed->before : form.txtRPToffset[i];
}

void RptShiftDialog::cmdDEFAULT_Click()
{
    form.ssopt144On = true;
    form.ssopt430On = true;
    typed_ = {};
    for (int i = 0; i < kShiftRows; ++i) {
        form.txtRPToffset[i] = ShiftRows()[i].DefaultText;
    }
    host_.panelChanged();
}

// The first box, from the top row down, that holds no amount within its range is refused:
// the operator is told which band and range, and that box gets the focus back.
bool RptShiftDialog::refuseBadBox()
{
    for (int i = kShiftRows - 1; i >= 0; --i) {
        const ShiftRow &row = ShiftRows()[i];
        const auto units = ParseShiftMhz(AmountText(i));
        if (units && *units >= 0 && *units <= row.Largest) {
            continue;
        }
        host_.beep();
        host_.messageBox(std::string("The repeater shift for ") + row.BandLabel +
                             " must be a number of MHz in the range " + row.RangeLabel +
                             ". Nothing was saved.",
                         "Repeater Shift", MsgIcon::Exclamation, MsgButtons::Ok);
        form.FocusBox = i;
        host_.panelChanged();
        return true;
    }
    return false;
}

void RptShiftDialog::cmdSAVE_Click()
{
    if (refuseBadBox()) {
        return;
    }
    RadioState &s = state_;
    s.Settings.Ars144 = form.ssopt144On;
    s.Settings.Ars430 = form.ssopt430On;
    for (int i = 0; i < kShiftRows; ++i) {
        const auto offset = static_cast<Freq>(*ParseShiftMhz(AmountText(i)));
        s.BandTable.BandMainVfo[i].RptOffset = offset;
        s.BandTable.BandPmsVfo[i].RptOffset = offset;
    }
    if (s.MainBand >= 0 && s.MainBand < kShiftRows) {
        s.MainVfo.RptOffset = s.BandTable.BandMainVfo[s.MainBand].RptOffset;
        if (s.Settings.CommPort != kNoCommPort) {
            cat_.SendRptOffsetToRadio(s.MainVfo.RptOffset);
        }
    }
    close();
}

void RptShiftDialog::cmdCancel_Click()
{
    close();
}

void RptShiftDialog::close()
{
    form.Visible = false;
    host_.panelChanged();
}

} // namespace dorv
