#include "app/PanelWiring.h"

namespace dorv::gui {

namespace {

ButtonWiring key(const char *name, ButtonState PanelState::*member, RadioAction click = {},
                 RadioAction press = {}, RadioAction release = {})
{
    return {QString::fromLatin1(name),
            [member](const PanelState &panel) -> const ButtonState & { return panel.*member; },
            std::move(click), std::move(press), std::move(release)};
}

template <std::size_t N>
void addArray(QVector<ButtonWiring> &keys, const char *name,
              std::array<ButtonState, N> PanelState::*member,
              const std::function<void(Radio &, int)> &click)
{
    for (int i = 0; i < int(N); ++i) {
        RadioAction onClick;
        if (click) {
            onClick = [click, i](Radio &radio) { click(radio, i); };
        }
        keys.append({QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i),
                     [member, i](const PanelState &panel) -> const ButtonState & {
                         return (panel.*member)[i];
                     },
                     onClick,
                     {},
                     {}});
    }
}

// A handler the core has not defined yet stays empty here: naming it would break the
// link. Wiring one is replacing {} with the call named in its comment.
QVector<ButtonWiring> buildButtons()
{
    using P = PanelState;
    QVector<ButtonWiring> keys{
        key("CATbutton", &P::CATbutton, [](Radio &r) { r.power.CATbutton_Click(); }),
        key("MOXbutton", &P::MOXbutton, [](Radio &r) { r.transmit.MOXbutton_Click(); }),
        key("SYNCbutton", &P::SYNCbutton, [](Radio &r) { r.power.SYNCbutton_Click(); }),
        key("SCOPEbutton", &P::SCOPEbutton, [](Radio &r) { r.scope.SCOPEbutton_Click(); }),
        key("SEARCHbutton", &P::SEARCHbutton, [](Radio &r) { r.search.SEARCHbutton_Click(); }),
        key("RPTbutton", &P::RPTbutton, [](Radio &r) { r.split.RPTbutton_Click(); }),
        key("REVbutton", &P::REVbutton, [](Radio &r) { r.split.REVbutton_Click(); }),
        key("TONEbutton", &P::TONEbutton, [](Radio &r) { r.tone.TONEbutton_Click(); }),
        key("SCANbutton", &P::SCANbutton, [](Radio &r) { r.scan.SCANbutton_Click(); }),
        key("PRIbutton", &P::PRIbutton, [](Radio &r) { r.pri.PRIbutton_Click(); }),
        key("PMSbutton", &P::PMSbutton, [](Radio &r) { r.pms.PMSbutton_Click(); }),
        key("BandDownButton", &P::BandDownButton, [](Radio &r) { r.bands.BandDownButton_Click(); }),
        key("BandUpButton", &P::BandUpButton, [](Radio &r) { r.bands.BandUpButton_Click(); }),
        key("MhzDownButton", &P::MhzDownButton, [](Radio &r) { r.bands.MhzDownButton_Click(); }),
        key("MhzUpButton", &P::MhzUpButton, [](Radio &r) { r.bands.MhzUpButton_Click(); }),
        key("STObutton", &P::STObutton, [](Radio &r) { r.quick.STObutton_Click(); }),
        key("RCLbutton", &P::RCLbutton, [](Radio &r) { r.quick.RCLbutton_Click(); }),
        key("FASTbutton", &P::FASTbutton, [](Radio &r) { r.tuning.FASTbutton_Click(); }),
        key("LOCKbutton", &P::LOCKbutton, [](Radio &r) { r.clar.LOCKbutton_Click(); }),
        key("HOMEbutton", &P::HOMEbutton, [](Radio &r) { r.home.HOMEbutton_Click(); }),
        key("VFOMRbutton", &P::VFOMRbutton, [](Radio &r) { r.memory.VFOMRbutton_Click(); }),
        // Press and hold is the write: MCK reports the press and the release.
        key(
            "MCKbutton", &P::MCKbutton, {}, [](Radio &r) { r.mck.MCKbutton_MouseDown(); },
            [](Radio &r) { r.mck.MCKbutton_MouseUp(); }),
        key("ABbutton", &P::ABbutton, [](Radio &r) { r.vfo.ABbutton_Click(); }),
        key("SWAPbutton", &P::SWAPbutton, [](Radio &r) { r.vfo.SWAPbutton_Click(); }),
        key("SUBbutton", &P::SUBbutton, [](Radio &r) { r.vfo.SUBbutton_Click(); }),
        key("SPLITbutton", &P::SPLITbutton, [](Radio &r) { r.split.SPLITbutton_Click(); }),
        key("CLARbutton", &P::CLARbutton, [](Radio &r) { r.clar.CLARbutton_Click(); }),
        key("ENTbutton", &P::ENTbutton, [](Radio &r) { r.keypad.ENTbutton_Click(); }),
        key("DOPbutton", &P::DOPbutton, [](Radio &r) { r.clar.DOPbutton_Click(); }),
        key(
            "btnJogDown", &P::btnJogDown, [](Radio &r) { r.scan.btnJogDown_Click(); },
            [](Radio &r) { r.tuning.btnJogDown_MouseDown(); },
            [](Radio &r) { r.tuning.btnJogDown_MouseUp(); }),
        key(
            "btnJogUp", &P::btnJogUp, [](Radio &r) { r.scan.btnJogUp_Click(); },
            [](Radio &r) { r.tuning.btnJogUp_MouseDown(); },
            [](Radio &r) { r.tuning.btnJogUp_MouseUp(); }),
    };
    addArray(keys, "ModeButton", &P::ModeButton,
             [](Radio &r, int i) { r.mode.ModeButton_Click(i); });
    addArray(keys, "BandButton", &P::BandButton,
             [](Radio &r, int i) { r.bands.BandButton_Click(i); });
    return keys;
}

KnobWiring knob(const char *name, int number, KnobState PanelState::*member,
                void (Tuning::*press)(), void (Tuning::*release)(), void (Tuning::*change)(int))
{
    // A step turns the knob one position from the value the core last handled.
    return {QString::fromLatin1(name),
            number,
            [member](const PanelState &panel) -> const KnobState & { return panel.*member; },
            [press](Radio &r) { (r.tuning.*press)(); },
            [release](Radio &r) { (r.tuning.*release)(); },
            [member, change](Radio &r, int direction) {
                (r.tuning.*change)((r.panel.*member).Value + direction);
            }};
}

} // namespace

const QVector<ButtonWiring> &panelButtons()
{
    static const QVector<ButtonWiring> buttons = buildButtons();
    return buttons;
}

const QVector<KnobWiring> &panelKnobs()
{
    static const QVector<KnobWiring> knobs{
        knob("MainKnob", Tuning::MainKnobNumber, &PanelState::MainKnob, &Tuning::MainKnob_MouseDown,
             &Tuning::MainKnob_MouseUp, &Tuning::MainKnob_Change),
        knob("SubKnob", Tuning::SubKnobNumber, &PanelState::ClarKnob, &Tuning::SubKnob_MouseDown,
             &Tuning::SubKnob_MouseUp, &Tuning::SubKnob_Change),
        knob("ChannelKnob", Tuning::ChannelKnobNumber, &PanelState::ChannelKnob,
             &Tuning::ChannelKnob_MouseDown, &Tuning::ChannelKnob_MouseUp,
             &Tuning::ChannelKnob_Change),
    };
    return knobs;
}

const KeyboardWiring &panelKeyboard()
{
    static const KeyboardWiring keyboard{
        [](Radio &r, int code, int shift) { r.keyboard.Form_KeyDown(code, shift); },
        [](Radio &r, int code, int shift) { r.keyboard.Form_KeyUp(code, shift); }};
    return keyboard;
}

} // namespace dorv::gui
