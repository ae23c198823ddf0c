#pragma once

#include "model/Units.h"

#include <array>
#include <optional>
#include <string>

namespace dorv {

class CatCommands;
class Host;
struct RadioState;

// One row of the dialog; the row index is the band index (0 = 430 MHz .. 3 = 29 MHz).
struct ShiftRow {
    const char *BandLabel;  // "430 MHz"
    const char *RangeLabel; // "( 0 - 20.00 MHz )"
    Freq Largest;           // the range's top, 10 Hz units
    const char *DefaultText;
};
constexpr int kShiftRows = 4;
const std::array<ShiftRow, kShiftRows> &ShiftRows();

// What frmRPTshift shows. The GUI writes the boxes' texts and the option pairs back before
// every handler, and when FocusBox is a row index it gives that box the focus with its text
// selected, then sets FocusBox to -1.
struct RptShiftForm {
    bool Visible = false;
    std::array<std::string, kShiftRows> txtRPToffset;
    bool ssopt144On = true; // ssopt144(0) "On" selected, else ssopt144(1) "Off"
    bool ssopt430On = true;
    int FocusBox = -1;
};

// frmRPTshift: the repeater shift magnitude of the 430, 144, 50 and 29 MHz bands in MHz,
// and the automatic repeater shift switches of 144 and 430 MHz.
class RptShiftDialog {
public:
    RptShiftDialog(Host &host, RadioState &state, CatCommands &cat)
        : host_(host), state_(state), cat_(cat)
    {
    }

    void Form_Load();
    // The operator edited the box: `text` is what it holds now.
    void txtRPToffset_Change(int Index, const std::string &text);
    // Reformats the box's number with two decimals; any other text stays as typed. SAVE
    // still stores the amount as typed ("1.234" shows "1.23" and stores 1.234 MHz), whether
    // it is pressed with Enter or with the mouse, which first takes the focus from the box.
    void txtRPToffset_LostFocus(int Index);
    // Stores the switches and the offsets in the band table's main and PMS entries, gives the
    // main VFO its band's new offset, and sends it when a serial port is chosen. A box that
    // holds no amount within its row's range is refused and nothing is stored.
    void cmdSAVE_Click();
    // Shows the default offsets and switches; nothing is stored until SAVE.
    void cmdDEFAULT_Click();
    void cmdCancel_Click();

    RptShiftForm form;

private:
    void DisplayRPTinfo();
    bool refuseBadBox();
    // The text whose amount SAVE stores for box i: what was typed before the box was
    // reformatted, while the box still shows that reformatted text.
    const std::string &AmountText(int i) const;
    void close();

    // What a box held before leaving it reformatted it, and the text it then showed.
    struct Typed {
        std::string before;
        std::string shown;
    };

    Host &host_;

    RadioState &state_;

    CatCommands &cat_;
    std::array<std::optional<Typed>, kShiftRows> typed_;
};

} // namespace dorv
