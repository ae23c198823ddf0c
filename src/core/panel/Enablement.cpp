#include "panel/Enablement.h"

#include "cat/CatLink.h"
#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/Mck.h"
#include "panel/QuickMemory.h"
#include "panel/SubModeBlink.h"

namespace dorv {

namespace {

constexpr int kStartDelayMs = 500;

// One button's Enabled value in each panel state, in the order of PanelMode:
// OFF QM MCK SUB KEY PRI CLR JOG RUN ARM MR VFO PMS.
// '0' disabled, '1' enabled, and the conditional cells:
// 'a' disabled with the link off, unchanged while transmitting (MOX must end it);
// 'b' enabled while a search runs; 'c' enabled while a SCAN scan runs;
// 'd' enabled on a split memory; 'e' enabled while split is on.
struct ButtonRow {
    ButtonState PanelState::*button;
    const char *cells;
};

constexpr ButtonRow kButtonRows[] = {
    {&PanelState::CATbutton, "1111111111111"},    {&PanelState::MOXbutton, "a000011101111"},
    {&PanelState::SEARCHbutton, "00000000b0011"}, {nullptr, "0001001001111"}, // ModeButton 0..7
    {&PanelState::SYNCbutton, "0001000001111"},   {&PanelState::SCOPEbutton, "0000000000010"},
    {&PanelState::RCLbutton, "0000001000011"},    {&PanelState::STObutton, "0000001000011"},
    {&PanelState::FASTbutton, "0001011001111"},   {&PanelState::LOCKbutton, "0000011001111"},
    {&PanelState::HOMEbutton, "0000011000111"},   {&PanelState::VFOMRbutton, "0000011000111"},
    {&PanelState::ABbutton, "0000000001111"},     {&PanelState::SPLITbutton, "0000000000111"},
    {&PanelState::MCKbutton, "0010000001111"},    {&PanelState::SWAPbutton, "0000000000110"},
    {&PanelState::SUBbutton, "0001000001111"},    {&PanelState::RPTbutton, "0101100001111"},
    {&PanelState::REVbutton, "0101101001111"},    {&PanelState::TONEbutton, "0101100001111"},
    {&PanelState::SCANbutton, "01011000c1111"},   {&PanelState::PRIbutton, "0101110000111"},
    {&PanelState::PMSbutton, "0101101000111"},    {&PanelState::BandDownButton, "0101100001111"},
    {&PanelState::BandUpButton, "0101100001111"}, {&PanelState::MhzDownButton, "0101111001111"},
    {&PanelState::MhzUpButton, "0101111001111"},  {&PanelState::ENTbutton, "0001101001111"},
    {&PanelState::DOPbutton, "0001100000de0"},    {&PanelState::CLARbutton, "0000001001111"},
};

} // namespace

Enablement::Enablement(Host &host, RadioState &state, PanelState &panel, CatLink &link, Mck &mck,
                       QuickMemory &quick)
    : host_(host), state_(state), panel_(panel), link_(link), mck_(mck), quick_(quick)
{
    TimerDelay.setInterval(kStartDelayMs);
    TimerDelay.setTickHandler([this] { TimerDelay_Timer(); });
    link_.AttachTimer(TimerDelay);
}

Enablement::PanelMode Enablement::CurrentPanelMode() const
{
    return panelMode(state_.ClarOn);
}

bool Enablement::EnabledWithoutClarifier(ButtonState PanelState::*button) const
{
    const PanelMode mode = panelMode(false);
    for (const ButtonRow &row : kButtonRows) {
        if (row.button == button && mode != PanelMode::None) {
            return row.cells[static_cast<int>(mode)] == '1';
        }
    }
    return (panel_.*button).Enabled;
}

Enablement::PanelMode Enablement::panelMode(bool clarOn) const
{
    const RadioState &s = state_;
    if (!s.CatOn || panel_.lblOnAir.Visible) {
        return PanelMode::Off;
    }
    if (s.StoPending || s.RclPending) {
        return PanelMode::QM;
    }
    if (s.MckOn) {
        return PanelMode::MCK;
    }
    if (s.SubActive) {
        return PanelMode::SUB;
    }
    if (s.KeypadEntry) {
        return PanelMode::KEY;
    }
    if (s.PriOn) {
        return PanelMode::PRI;
    }
    if (clarOn) {
        return PanelMode::CLR;
    }
    if (s.JogHeld) {
        return PanelMode::JOG;
    }
    if ((s.ScanOn || s.SearchOn) && s.ScanDirection != 0) {
        return PanelMode::RUN;
    }
    if (s.ScanOn) {
        return PanelMode::ARM;
    }
    switch (s.OperatingState) {
    case StateMR:
        return PanelMode::MR;
    case StateVFO:
        return PanelMode::VFO;
    case StatePMS:
        return PanelMode::PMS;
    default:
        return PanelMode::None;
    }
}

void Enablement::ToggleFunctionButtons()
{
    const RadioState &s = state_;
    PanelState &p = panel_;
    const PanelMode mode = CurrentPanelMode();

    if (mode != PanelMode::None) {
        const int column = static_cast<int>(mode);
        const bool splitMemory = s.currentMemoryIsSplit();
        for (const ButtonRow &row : kButtonRows) {
            bool enabled = false;
            switch (row.cells[column]) {
            case '1':
                enabled = true;
                break;
            case 'a':
                if (s.CatOn) {
                    continue; // transmitting: MOX keeps its state so it can end the transmission
                }
                break;
            case 'b':
                enabled = s.SearchOn;
                break;
            case 'c':
                enabled = s.ScanOn;
                break;
            case 'd':
                enabled = splitMemory;
                break;
            case 'e':
                enabled = s.SplitOn;
                break;
            default:
                break;
            }
            if (row.button == nullptr) {
                for (ButtonState &b : p.ModeButton) {
                    b.Enabled = enabled;
                }
            } else {
                (p.*row.button).Enabled = enabled;
            }
        }
    }
    for (ButtonState &b : p.BandButton) {
        b.Enabled = p.BandDownButton.Enabled;
    }
    host_.panelChanged();
}

void Enablement::TimerDelay_Timer()
{
    RadioState &s = state_;
    PanelState &p = panel_;

    if (s.SubActive) {
        BlinkSubModeLabels(p);
    }
    const bool mckWrote = s.MckOn && mck_.TimerDelayTick();
    if (!mckWrote && (s.StoPending || s.RclPending)) {
        quick_.TimerDelayTick();
    }
    host_.panelChanged();
}

} // namespace dorv
