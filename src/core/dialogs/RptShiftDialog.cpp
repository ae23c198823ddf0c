#include "dialogs/RptShiftDialog.h"

#include "Radio.h"
#include "dialogs/ShiftText.h"
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
    radio_.host.panelChanged();
}

void RptShiftDialog::DisplayRPTinfo()
{
    const RadioState &s = radio_.state;
    form.ssopt144On = s.Settings.Ars144;
    form.ssopt430On = s.Settings.Ars430;
    for (int i = 0; i < kShiftRows; ++i) {
        form.txtRPToffset[i] = FormatShiftMhz(s.BandTable.BandMainVfo[i].RptOffset);
    }
}

void RptShiftDialog::txtRPToffset_LostFocus(int Index)
{
    if (Index < 0 || Index >= kShiftRows) {
        return;
    }
    if (const auto text = ReformatShiftText(form.txtRPToffset[Index])) {
        form.txtRPToffset[Index] = *text;
    }
}

void RptShiftDialog::cmdDEFAULT_Click()
{
    form.ssopt144On = true;
    form.ssopt430On = true;
    for (int i = 0; i < kShiftRows; ++i) {
        form.txtRPToffset[i] = ShiftRows()[i].DefaultText;
    }
    radio_.host.panelChanged();
}

// The first box, from the top row down, that holds no amount within its range is refused:
// the operator is told which band and range, and that box gets the focus back.
bool RptShiftDialog::refuseBadBox()
{
    for (int i = kShiftRows - 1; i >= 0; --i) {
        const ShiftRow &row = ShiftRows()[i];
        const auto units = ParseShiftMhz(form.txtRPToffset[i]);
        if (units && *units >= 0 && *units <= row.Largest) {
            continue;
        }
        radio_.host.beep();
        radio_.host.messageBox(std::string("The repeater shift for ") + row.BandLabel +
                                   " must be a number of MHz in the range " + row.RangeLabel +
                                   ". Nothing was saved.",
                               "Repeater Shift", MsgIcon::Exclamation, MsgButtons::Ok);
        form.FocusBox = i;
        radio_.host.panelChanged();
        return true;
    }
    return false;
}

void RptShiftDialog::cmdSAVE_Click()
{
    if (refuseBadBox()) {
        return;
    }
    RadioState &s = radio_.state;
    s.Settings.Ars144 = form.ssopt144On;
    s.Settings.Ars430 = form.ssopt430On;
    for (int i = 0; i < kShiftRows; ++i) {
        const auto offset = static_cast<Freq>(*ParseShiftMhz(form.txtRPToffset[i]));
        s.BandTable.BandMainVfo[i].RptOffset = offset;
        s.BandTable.BandPmsVfo[i].RptOffset = offset;
    }
    if (s.MainBand >= 0 && s.MainBand < kShiftRows) {
        s.MainVfo.RptOffset = s.BandTable.BandMainVfo[s.MainBand].RptOffset;
        if (s.Settings.CommPort != kNoCommPort) {
            radio_.cat.SendRptOffsetToRadio(s.MainVfo.RptOffset);
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
    radio_.host.panelChanged();
}

} // namespace dorv
