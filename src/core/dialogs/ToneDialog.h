#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dorv {

class CatCommands;
class Host;
struct RadioState;

// What a tone or code dialog shows. The GUI shows the dialog modally while Visible, draws
// the option with index Selected as the chosen one, and reports a click on an option
// through optCTCSS_Click before SAVE.
struct ToneDialogForm {
    bool Visible = false;
    std::string Caption;
    int Selected = -1; // -1: no option selected
};

// frmCTCSS and frmDCS: choose the CTCSS tone or the DCS code of the operated VFO (the sub
// VFO while SUB is on, else the main VFO) from one option button per table entry. SAVE and
// DEFAULT store the choice and send it to the radio at once; CANCEL changes nothing.
class ToneDialog {
public:
    enum class Kind { Ctcss, Dcs };

    ToneDialog(Host &host, RadioState &state, CatCommands &cat, Kind kind);

    Kind kind() const { return kind_; }
    // Captions of the option buttons, by index: "67.0" .. "250.3", or "023" .. "754".
    const std::vector<std::string> &Options() const { return options_; }
    // Caption of the frame around the options: "Frequency (Hz)" or "Code Number".
    const char *FrameCaption() const;

    // Opens the dialog on the operated VFO's tone or code (DisplayCTCSSInfo).
    void Form_Load();
    void optCTCSS_Click(int Index);
    void cmdSAVE_Click();
    void cmdDEFAULT_Click();
    void cmdCancel_Click();

    ToneDialogForm form;

private:
    std::int16_t &operatedValue();
    void store(int index);
    void close();

    Host &host_;

    RadioState &state_;

    CatCommands &cat_;
    Kind kind_;
    std::vector<std::string> options_;
};

} // namespace dorv
