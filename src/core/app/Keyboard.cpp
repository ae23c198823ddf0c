#include "app/Keyboard.h"

#include "app/Power.h"
#include "cat/CatCommands.h"
#include "cat/Meters.h"
#include "host/Host.h"
#include "model/PanelState.h"
#include "model/RadioState.h"
#include "panel/BandStepping.h"
#include "panel/ClarLock.h"
#include "panel/Enablement.h"
#include "panel/HomeChannels.h"
#include "panel/KeyCodes.h"
#include "panel/Keypad.h"
#include "panel/Mck.h"
#include "panel/MemoryMode.h"
#include "panel/ModeSelect.h"
#include "panel/QuickMemory.h"
#include "panel/SplitRepeater.h"
#include "panel/ToneSquelch.h"
#include "panel/Transmit.h"
#include "panel/Tuning.h"
#include "panel/VfoOps.h"
#include "scan/Pms.h"
#include "scan/PriorityMonitor.h"
#include "scan/Scanner.h"

namespace dorv {

namespace {

constexpr int kNoModifier = 0;

// The top-row or numeric keypad digit of a key, or -1.
int DigitOf(int KeyCode)
{
    if (KeyCode >= key::Digit0 && KeyCode <= key::Digit0 + 9) {
        return KeyCode - key::Digit0;
    }
    if (KeyCode >= key::Numpad0 && KeyCode <= key::Numpad0 + 9) {
        return KeyCode - key::Numpad0;
    }
    return -1;
}

// The mouse handlers of each knob, indexed by knob number - 1 (main, clarifier, channel).
struct KnobHandlers {
    void (Tuning::*press)();
    void (Tuning::*turn)(int);
    void (Tuning::*release)();
};
constexpr KnobHandlers kKnobHandlers[] = {
    {&Tuning::MainKnob_MouseDown, &Tuning::MainKnob_Change, &Tuning::MainKnob_MouseUp},
    {&Tuning::SubKnob_MouseDown, &Tuning::SubKnob_Change, &Tuning::SubKnob_MouseUp},
    {&Tuning::ChannelKnob_MouseDown, &Tuning::ChannelKnob_Change, &Tuning::ChannelKnob_MouseUp},
};

} // namespace

template <typename Handler> void Keyboard::press(const ButtonState &button, Handler handler)
{
    if (button.Enabled) {
        handler();
    }
}

// BAND DOWN and BAND UP switch the clarifier off themselves, so their keys act where the
// clarifier alone keeps the buttons disabled.
bool Keyboard::bandKeyUsable(ButtonState PanelState::*button) const
{
    return (panel_.*button).Enabled ||
           (state_.ClarOn && enablement_.EnabledWithoutClarifier(button));
}

Keyboard::KnobKey Keyboard::knobKeyFor(int KeyCode)
{
    switch (KeyCode) {
    case key::PageUp:
        return {Tuning::MainKnobNumber, 1};
    case key::PageDown:
        return {Tuning::MainKnobNumber, -1};
    case key::NumpadMultiply:
        return {Tuning::SubKnobNumber, 1};
    case key::NumpadDivide:
        return {Tuning::SubKnobNumber, -1};
    case key::NumpadAdd:
        return {Tuning::ChannelKnobNumber, 1};
    case key::NumpadSubtract:
        return {Tuning::ChannelKnobNumber, -1};
    default:
        return {0, 0};
    }
}

// The first key-down of a hold presses the knob; every key-down, auto-repeats included,
// turns it one step.
void Keyboard::knobKeyDown(KnobKey k)
{
    Tuning &t = tuning_;
    KnobState &knob = t.Knob(k.which);
    if (!knob.Enabled) {
        return;
    }
    const KnobHandlers &handlers = kKnobHandlers[k.which - 1];
    if (!knobKeyHeld_[k.which - 1]) {
        knobKeyHeld_[k.which - 1] = true;
        (t.*handlers.press)();
    }
    (t.*handlers.turn)(knob.Value + k.direction);
}

// A pressed knob is always released, even when it was disabled meanwhile, so the
// re-send timer never outlives the key.
void Keyboard::knobKeyUp(KnobKey k)
{
    if (!knobKeyHeld_[k.which - 1]) {
        return;
    }
    knobKeyHeld_[k.which - 1] = false;
    (tuning_.*kKnobHandlers[k.which - 1].release)();
}

// One jog step per key-down; the meter polling resumes when the key comes up.
void Keyboard::jogKeyDown(int KeyCode, int direction)
{
    RadioState &s = state_;
    const ButtonState &button = direction < 0 ? panel_.btnJogDown : panel_.btnJogUp;
    if (!button.Enabled) {
        return;
    }
    // With SCAN armed the key starts or stops the scan, once per hold: its auto-repeats
    // would otherwise stop and start it again and again.
    if (s.ScanOn) {
        if (jogKey_ != KeyCode) {
            jogKey_ = KeyCode;
            direction < 0 ? scan_.btnJogDown_Click() : scan_.btnJogUp_Click();
        }
        return;
    }
    // A held jog button owns the jog: its direction decides the wrap at the band edge.
    if (s.JogHeld) {
        return;
    }
    jogKey_ = KeyCode;
    s.ScanDirection = direction;
    s.ScanStep = tuning_.JogStep(direction);
    meters_.TurnOffLMeter();
    cat_.StepFrequency();
}

void Keyboard::jogKeyUp(int KeyCode)
{
    RadioState &s = state_;
    if (jogKey_ != KeyCode) {
        return;
    }
    jogKey_ = 0;
    if (s.ScanOn || s.JogHeld) {
        return; // a jog button pressed meanwhile ends the jog on its own release
    }
    s.ScanDirection = 0;
    if (s.CatOn && !panel_.lblOnAir.Visible) { // else the link or transmitter owns it
        meters_.TurnOnLMeter();
    }
}

// The space bar holds the transmitter from its first key-down to its key-up. The repeated
// key-downs between try nothing again: a refused start shows its message once per press, and
// a transmission ended meanwhile (MOX, the time-out) stays ended while the key is down.
void Keyboard::spaceKeyDown()
{
    if (spaceKeyHeld_) {
        return;
    }
    spaceKeyHeld_ = true;
    if (panel_.MOXbutton.Enabled) {
        transmit_.Hold(kSpaceBarHolder);
    }
}

// Letting go is never refused: the transmission ends unless another input still holds it.
void Keyboard::spaceKeyUp()
{
    spaceKeyHeld_ = false;
    transmit_.LetGo(kSpaceBarHolder);
}

// Ctrl+M is the MCK button: held down it is one press, however often the key repeats,
// and its release comes with the key-up, whichever modifier is still down then.
void Keyboard::mckKeyDown()
{
    if (mckKeyHeld_ || !panel_.MCKbutton.Enabled) {
        return;
    }
    mckKeyHeld_ = true;
    mck_.MCKbutton_MouseDown();
}

void Keyboard::mckKeyUp()
{
    if (!mckKeyHeld_) {
        return;
    }
    mckKeyHeld_ = false;
    mck_.MCKbutton_MouseUp();
}

// D, P, R and S act with any modifier; the other letters by theirs: Shift chooses a mode,
// Ctrl a button, the plain letter a few buttons of its own.
void Keyboard::letterKey(int KeyCode, int Shift)
{
    PanelState &p = panel_;
    switch (KeyCode) {
    case key::D:
        jogKeyDown(KeyCode, -1);
        return;
    case key::P:
        press(p.CATbutton, [this] { power_.CATbutton_Click(); });
        return;
    case key::R:
        press(p.RCLbutton, [this] { quick_.RCLbutton_Click(); });
        return;
    case key::S:
        press(p.STObutton, [this] { quick_.STObutton_Click(); });
        return;
    default:
        break;
    }
    if (Shift == key::ShiftMask) {
        shiftLetterKey(KeyCode);
    } else if (Shift == key::CtrlMask) {
        ctrlLetterKey(KeyCode);
    } else if (Shift == kNoModifier) {
        plainLetterKey(KeyCode);
    }
}

void Keyboard::shiftLetterKey(int KeyCode)
{
    int index = -1;
    switch (KeyCode) {
    case key::A:
        index = ModeAM;
        break;
    case key::C:
        index = ModeCW;
        break;
    case key::F:
        index = ModeFM;
        break;
    case key::L:
        index = ModeLSB;
        break;
    case key::U:
        index = ModeUSB;
        break;
    default:
        return;
    }
    press(panel_.ModeButton[index], [this, index] { mode_.ModeButton_Click(index); });
}

// C and F press CLAR and FAST alike plain and with Ctrl.
void Keyboard::clarOrFastKey(int KeyCode)
{
    PanelState &p = panel_;
    if (KeyCode == key::C) {
        press(p.CLARbutton, [this] { clar_.CLARbutton_Click(); });
    } else if (KeyCode == key::F) {
        press(p.FASTbutton, [this] { tuning_.FASTbutton_Click(); });
    }
}

void Keyboard::ctrlLetterKey(int KeyCode)
{
    PanelState &p = panel_;
    switch (KeyCode) {
    case key::A:
        press(p.ABbutton, [this] { vfo_.ABbutton_Click(); });
        break;
    case key::B:
        press(p.SWAPbutton, [this] { vfo_.SWAPbutton_Click(); });
        break;
    case key::L:
        press(p.SPLITbutton, [this] { split_.SPLITbutton_Click(); });
        break;
    case key::H:
        // During memory channel check Ctrl+H stores the HOME channel, although the HOME
        // button itself is disabled there.
        if (p.HOMEbutton.Enabled || state_.MckOn) {
            home_.HOMEbutton_Click();
        }
        break;
    case key::M:
        mckKeyDown();
        break;
    case key::U:
        press(p.SUBbutton, [this] { vfo_.SUBbutton_Click(); });
        break;
    case key::V:
        press(p.VFOMRbutton, [this] { memory_.VFOMRbutton_Click(); });
        break;
    default:
        clarOrFastKey(KeyCode);
        break;
    }
}

void Keyboard::plainLetterKey(int KeyCode)
{
    PanelState &p = panel_;
    switch (KeyCode) {
    case key::L:
        press(p.LOCKbutton, [this] { clar_.LOCKbutton_Click(); });
        break;
    case key::U:
        jogKeyDown(KeyCode, 1);
        break;
    default:
        clarOrFastKey(KeyCode);
        break;
    }
}

void Keyboard::digitKey(int digit)
{
    const RadioState &s = state_;
    PanelState &p = panel_;
    switch (digit) {
    case 1:
        press(p.RPTbutton, [this] { split_.RPTbutton_Click(); });
        break;
    case 2:
        // During memory channel check in MR the key deletes the memory, although the
        // REV button itself is disabled there.
        if (p.REVbutton.Enabled || (s.MckOn && s.OperatingState == StateMR)) {
            split_.REVbutton_Click();
        }
        break;
    case 3:
        press(p.TONEbutton, [this] { tone_.TONEbutton_Click(); });
        break;
    case 4:
        // During memory channel check in MR the key toggles the memory's skip flag,
        // although the SCAN button itself is disabled there.
        if (p.SCANbutton.Enabled || (s.MckOn && s.OperatingState == StateMR)) {
            scan_.SCANbutton_Click();
        }
        break;
    case 5:
        press(p.PRIbutton, [this] { pri_.PRIbutton_Click(); });
        break;
    case 6:
        // During memory channel check the key stores the PMS limits, although the PMS
        // button itself is disabled there.
        if (p.PMSbutton.Enabled || s.MckOn) {
            pms_.PMSbutton_Click();
        }
        break;
    case 7:
        if (bandKeyUsable(&PanelState::BandDownButton)) {
            bands_.BandDownButton_Click();
        }
        break;
    case 8:
        if (bandKeyUsable(&PanelState::BandUpButton)) {
            bands_.BandUpButton_Click();
        }
        break;
    case 9:
        press(p.MhzDownButton, [this] { bands_.MhzDownButton_Click(); });
        break;
    default:
        press(p.MhzUpButton, [this] { bands_.MhzUpButton_Click(); });
        break;
    }
}

// F1 is the 1.8 MHz band (index 11), F12 the 430 MHz band (index 0).
void Keyboard::functionKey(int KeyCode)
{
    const int band = kBandCount - 1 - (KeyCode - key::F1);
    press(panel_.BandButton[band], [this, band] { bands_.BandButton_Click(band); });
}

void Keyboard::Form_KeyDown(int KeyCode, int Shift)
{
    RadioState &s = state_;
    PanelState &p = panel_;
    if (!s.CatOn && KeyCode != key::P) {
        return;
    }
    if (const KnobKey k = knobKeyFor(KeyCode); k.which != 0) {
        knobKeyDown(k);
    } else if (const int digit = DigitOf(KeyCode); digit >= 0) {
        digitKey(digit);
    } else if (KeyCode >= key::F1 && KeyCode < key::F1 + kBandCount) {
        functionKey(KeyCode);
    } else {
        switch (KeyCode) {
        case key::Space:
            spaceKeyDown();
            break;
        case key::NumpadDecimal:
            press(p.DOPbutton, [this] { clar_.DOPbutton_Click(); });
            break;
        case key::Enter:
        case key::NumpadSeparator:
            press(p.ENTbutton, [this] { keypad_.ENTbutton_Click(); });
            break;
        case key::Escape:
            if (s.KeypadEntry) {
                keypad_.CancelEntry();
            }
            break;
        default:
            letterKey(KeyCode, Shift);
            break;
        }
    }
    host_.panelChanged();
}

void Keyboard::Form_KeyUp(int KeyCode, int /*Shift*/)
{
    if (const KnobKey k = knobKeyFor(KeyCode); k.which != 0) {
        knobKeyUp(k);
    } else if (KeyCode == key::Space) {
        spaceKeyUp();
    } else if (KeyCode == key::D || KeyCode == key::U) {
        jogKeyUp(KeyCode);
    } else if (KeyCode == key::M) {
        mckKeyUp();
    }
    host_.panelChanged();
}

} // namespace dorv
