#include "dialogs/ToneDialog.h"

#include "cat/CatCommands.h"
#include "host/Host.h"
#include "model/CodeTables.h"
#include "model/RadioState.h"

namespace dorv {

namespace {

// 670 -> "67.0"
std::vector<std::string> CtcssCaptions()
{
    std::vector<std::string> captions;
    for (std::int16_t tenths : CtcssToneTable()) {
        captions.push_back(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
    }
    return captions;
}

// 23 -> "023": the code's three octal digits.
std::vector<std::string> DcsCaptions()
{
    std::vector<std::string> captions;
    for (std::int16_t code : DcsCodeTable()) {
        std::string digits = std::to_string(code);
        captions.push_back(std::string(3 - digits.size(), '0') + digits);
    }
    return captions;
}

} // namespace

ToneDialog::ToneDialog(Host &host, RadioState &state, CatCommands &cat, Kind kind)
    : host_(host), state_(state), cat_(cat), kind_(kind),
      options_(kind == Kind::Ctcss ? CtcssCaptions() : DcsCaptions())
{
}

const char *ToneDialog::FrameCaption() const
{
    return kind_ == Kind::Ctcss ? "Frequency (Hz)" : "Code Number";
}

std::int16_t &ToneDialog::operatedValue()
{
    VfoInfo &vfo = state_.operatedVfo();
    return kind_ == Kind::Ctcss ? vfo.CtcssTone : vfo.DcsCode;
}

void ToneDialog::Form_Load()
{
    const std::string title = kind_ == Kind::Ctcss ? "CTCSS Tone" : "DCS Code";
    form.Caption = title + (state_.SubActive ? " (SUB VFO)" : " (MAIN VFO)");
    const int current = operatedValue();
    form.Selected = current >= 0 && current < static_cast<int>(options_.size()) ? current : -1;
    form.Visible = true;
    host_.panelChanged();
}

void ToneDialog::optCTCSS_Click(int Index)
{
    if (Index >= 0 && Index < static_cast<int>(options_.size())) {
        form.Selected = Index;
    }
}

// Stores the index in the operated VFO and sends it at once. The radio operates the sub
// VFO while SUB is on, so the sub VFO's tone and code go out as the panel sends them.
void ToneDialog::store(int index)
{
    operatedValue() = static_cast<std::int16_t>(index);
    CatCommands &cat = cat_;
    const bool sub = state_.SubActive;
    if (kind_ == Kind::Ctcss) {
        sub ? cat.SendToneToRadioSB() : cat.SendToneToRadioMB();
    } else {
        sub ? cat.MarkDcsSentSB() : cat.SendDcsToRadioMB();
    }
}

void ToneDialog::cmdSAVE_Click()
{
    if (form.Selected >= 0) {
        store(form.Selected);
    }
    close();
}

// Takes effect at once; a CANCEL afterwards keeps it.
void ToneDialog::cmdDEFAULT_Click()
{
    form.Selected = kDefaultToneIndex;
    store(kDefaultToneIndex);
    host_.panelChanged();
}

void ToneDialog::cmdCancel_Click()
{
    close();
}

void ToneDialog::close()
{
    form.Visible = false;
    host_.panelChanged();
}

} // namespace dorv
