#include "PanelFixture.h"
#include "panel/KeyCodes.h"

#include <functional>
#include <memory>

using namespace dorv;

namespace {

constexpr Freq kStart = 14500000;

// A radio with the link on in VFO state, main VFO at 145 MHz in DIG (no key selects DIG),
// sub VFO elsewhere, buttons and knobs enabled by state.
struct Bench : test::RecordingRadio {
    Bench()
    {
        linkOnInVfoState();
        s.MainBand = 1;
        s.MainVfo = {kStart, ModeDIG};
        s.SubBand = 1;
        s.SubVfo = {14420000, ModeUSB};
        refresh();
    }
    void refresh()
    {
        radio.enablement.ToggleFunctionButtons();
        radio.tuning.ChangeTuningKnob();
    }
    void down(int code, int mask = 0) { radio.keyboard.Form_KeyDown(code, mask); }
    void up(int code, int mask = 0) { radio.keyboard.Form_KeyUp(code, mask); }
};

void SetFm(Bench &b)
{
    b.s.MainVfo.Mode = ModeFM;
}

void OpenEntry(Bench &b)
{
    b.down(key::Enter);
}

TEST(KeyboardTest, keyDown_reachesTheHandlerOfItsButtonWithExactModifiers)
{
    using key::CtrlMask;
    using key::ShiftMask;
    const struct {
        const char *name;
        int code;
        int mask;
        std::function<void(Bench &)> setup;
        std::function<bool(Bench &)> done;
    } rows[] = {
        {"F5", key::F1 + 4, 0, nullptr, [](Bench &b) { return b.s.MainBand == 7; }},
        {"Alt+F12", key::F1 + 11, key::AltMask, nullptr,
         [](Bench &b) { return b.s.MainBand == 0; }},
        {"F1", key::F1, 0, nullptr, [](Bench &b) { return b.s.MainBand == 11; }},
        {"Shift+A", key::A, ShiftMask, nullptr,
         [](Bench &b) { return b.s.MainVfo.Mode == ModeAM; }},
        {"Ctrl+A", key::A, CtrlMask, nullptr,
         [](Bench &b) { return b.s.SubVfo.Frequency == kStart; }},
        {"Shift+Ctrl+A does nothing", key::A, ShiftMask | CtrlMask, nullptr,
         [](Bench &b) { return b.s.MainVfo.Mode == ModeDIG && b.s.SubVfo.Frequency != kStart; }},
        {"Ctrl+B", key::B, CtrlMask, nullptr,
         [](Bench &b) { return b.s.MainVfo.Frequency == 14420000; }},
        {"C", key::C, 0, nullptr, [](Bench &b) { return b.s.ClarOn; }},
        {"Ctrl+C", key::C, CtrlMask, nullptr, [](Bench &b) { return b.s.ClarOn; }},
        {"Shift+C", key::C, ShiftMask, nullptr,
         [](Bench &b) { return b.s.MainVfo.Mode == ModeCW; }},
        {"Shift+D", key::D, ShiftMask, nullptr,
         [](Bench &b) { return b.s.MainVfo.Frequency == kStart - 1000; }},
        {"F", key::F, 0, nullptr, [](Bench &b) { return b.p.ledFAST; }},
        {"Shift+F", key::F, ShiftMask, nullptr,
         [](Bench &b) { return b.s.MainVfo.Mode == ModeFM; }},
        {"L", key::L, 0, nullptr, [](Bench &b) { return b.p.ledLOCK; }},
        {"Shift+L", key::L, ShiftMask, nullptr,
         [](Bench &b) { return b.s.MainVfo.Mode == ModeLSB; }},
        {"Ctrl+L", key::L, CtrlMask, nullptr, [](Bench &b) { return b.s.SplitOn; }},
        {"U", key::U, 0, nullptr, [](Bench &b) { return b.s.MainVfo.Frequency == kStart + 1000; }},
        {"Shift+U", key::U, ShiftMask, nullptr,
         [](Bench &b) { return b.s.MainVfo.Mode == ModeUSB; }},
        {"Ctrl+U", key::U, CtrlMask, nullptr, [](Bench &b) { return b.s.SubActive; }},
        {"1", key::Digit0 + 1, 0, SetFm,
         [](Bench &b) { return b.s.MainVfo.RptDirection == kRptMinus; }},
        {"2", key::Digit0 + 2, 0, nullptr,
         [](Bench &b) { return b.host.messages.size() == 1; }}, // REV refuses simplex
        {"3", key::Digit0 + 3, 0, SetFm, [](Bench &b) { return b.s.MainVfo.ToneMode == 1; }},
        {"4 in an entry", key::Digit0 + 4, 0, OpenEntry,
         [](Bench &b) { return b.p.ledFreq == "---.--4.--"; }},
        {"Numpad 6 in an entry", key::Numpad0 + 6, 0, OpenEntry,
         [](Bench &b) { return b.p.ledFreq == "---.--6.--"; }},
        {"7", key::Digit0 + 7, 0, nullptr, [](Bench &b) { return b.s.MainBand == 2; }},
        {"Numpad 8", key::Numpad0 + 8, 0, nullptr, [](Bench &b) { return b.s.MainBand == 0; }},
        {"9", key::Digit0 + 9, 0, nullptr,
         [](Bench &b) { return b.s.MainVfo.Frequency == kStart - 100000; }},
        {"Numpad 0", key::Numpad0, 0, nullptr,
         [](Bench &b) { return b.s.MainVfo.Frequency == kStart + 100000; }},
        {"Enter", key::Enter, 0, nullptr, [](Bench &b) { return b.s.KeypadEntry; }},
        {"Numpad separator", key::NumpadSeparator, 0, nullptr,
         [](Bench &b) { return b.s.KeypadEntry; }},
        {"Numpad decimal", key::NumpadDecimal, 0,
         [](Bench &b) {
             OpenEntry(b);
             b.down(key::Digit0 + 1);
         },
         [](Bench &b) { return b.p.ledFreq == "--1.---.--"; }},
        {"Escape", key::Escape, 0, OpenEntry, [](Bench &b) { return !b.s.KeypadEntry; }},
        {"Space", key::Space, 0, nullptr, [](Bench &b) { return b.p.lblOnAir.Visible; }},
        {"Page Up", key::PageUp, 0, nullptr,
         [](Bench &b) { return b.s.MainVfo.Frequency == kStart + 1; }},
        {"Numpad *", key::NumpadMultiply, 0,
         [](Bench &b) {
             b.s.ClarOn = true;
             b.refresh();
         },
         [](Bench &b) { return b.s.MainVfo.ClarOffset == 1; }},
        {"Numpad +", key::NumpadAdd, 0, nullptr,
         [](Bench &b) { return b.s.MainVfo.Frequency == kStart + 250; }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Bench b;
        if (row.setup) {
            row.setup(b);
        }
        b.down(row.code, row.mask);
        EXPECT_TRUE(row.done(b));
    }
}

TEST(KeyboardTest, keyDown_withTheLinkOffOnlyPowerSwitchesItOn)
{
    Bench b;
    b.s.CatOn = false;
    b.refresh();
    for (int code : {key::F1 + 4, key::Digit0 + 7, key::PageUp, key::Space, key::U, key::Enter}) {
        b.down(code);
    }
    EXPECT_EQ(b.s.MainBand, 1);
    EXPECT_EQ(b.s.MainVfo.Frequency, kStart);
    EXPECT_FALSE(b.s.KeypadEntry);
    EXPECT_TRUE(b.port.written.empty());

    b.down(key::P);
    EXPECT_TRUE(b.s.CatOn);
}

TEST(KeyboardTest, keys_ofDisabledButtonsAndKnobsDoNothing)
{
    Bench b;
    b.down(key::L); // LOCK: knobs and jog off
    for (int code : {key::PageUp, key::NumpadAdd, key::D, key::U}) {
        b.down(code);
        b.up(code);
    }
    EXPECT_EQ(b.s.MainVfo.Frequency, kStart);

    b.down(key::L);
    b.down(key::Space); // transmitting: only MOX and POWER
    b.down(key::F1 + 4);
    b.down(key::A, key::ShiftMask);
    EXPECT_EQ(b.s.MainBand, 1);
    EXPECT_EQ(b.s.MainVfo.Mode, ModeDIG);
    b.up(key::Space);
    EXPECT_FALSE(b.p.lblOnAir.Visible);
}

// BAND DOWN/UP switch the clarifier off themselves, so their keys work with it on; the
// band keys F1-F12 and every other disabling reason still hold.
TEST(KeyboardTest, bandStepKeys_actWithTheClarifierOnButNotWhileTransmitting)
{
    const struct {
        int code;
        int band;
    } rows[] = {{key::Digit0 + 7, 2}, {key::Numpad0 + 8, 0}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.code);
        Bench b;
        b.down(key::C);
        ASSERT_TRUE(b.s.ClarOn);
        b.down(key::F1 + 4);
        EXPECT_EQ(b.s.MainBand, 1) << "F5 acted with the clarifier on";

        b.down(key::Space);
        ASSERT_TRUE(b.p.lblOnAir.Visible);
        b.down(row.code);
        EXPECT_EQ(b.s.MainBand, 1) << "band changed while transmitting";
        b.up(key::Space);

        b.down(row.code);
        EXPECT_EQ(b.s.MainBand, row.band);
        EXPECT_FALSE(b.s.ClarOn);
    }
}

TEST(KeyboardTest, knobKey_heldStepsPerRepeatResendsAndSendsOnceMoreAfterRelease)
{
    Bench b;
    b.port.clock = [&b] { return b.host.now(); };
    for (int repeat = 0; repeat < 10; ++repeat) { // auto-repeat every 0.1 s for 0.95 s
        b.down(key::PageUp);
        b.host.run(repeat < 9 ? 0.1 : 0.05);
    }
    EXPECT_EQ(b.s.MainVfo.Frequency, kStart + 10); // 10 Hz dial steps
    const double released = b.host.now();
    b.up(key::PageUp);
    EXPECT_FALSE(b.radio.tuning.TimerSendFreq.enabled());

    // A step sends a new frequency; a re-send (0.25, 0.5, 0.75 s) or the final send
    // repeats the one before.
    int steps = 0, resends = 0;
    Freq previous = kStart;
    for (Freq f : test::SetFrequencies(b.port.frames())) {
        (f == previous + 1 ? steps : resends)++;
        previous = f;
    }
    EXPECT_EQ(steps, 10);
    EXPECT_EQ(resends, 4);
    EXPECT_NEAR(b.port.writeTimes.back(), released + 0.2, 0.01);
}

TEST(KeyboardTest, knobKeyUp_releasesAKnobDisabledWhileHeld)
{
    Bench b;
    b.down(key::PageUp);
    b.down(key::L);
    ASSERT_FALSE(b.p.MainKnob.Enabled);
    b.up(key::PageUp);
    EXPECT_FALSE(b.radio.tuning.TimerSendFreq.enabled());
    EXPECT_TRUE(b.radio.meters.TimerSignalMeter.enabled());
}

TEST(KeyboardTest, jogKeyUp_actsOnlyAfterItsOwnKeyDown)
{
    Bench b;
    b.s.CatOn = false;
    b.refresh();
    b.up(key::D);
    EXPECT_FALSE(b.radio.meters.TimerSignalMeter.enabled());

    b.s.CatOn = true;
    b.refresh();
    b.down(key::D);
    b.down(key::D);
    EXPECT_EQ(b.s.MainVfo.Frequency, kStart - 2000);
    EXPECT_FALSE(b.radio.meters.TimerSignalMeter.enabled());
    b.up(key::D);
    EXPECT_EQ(b.s.ScanDirection, 0);
    EXPECT_TRUE(b.radio.meters.TimerSignalMeter.enabled());

    b.down(key::D);
    b.down(key::Space); // on the air: the power meter polls, not the signal meter
    b.up(key::D);
    EXPECT_FALSE(b.radio.meters.TimerSignalMeter.enabled());
}

TEST(KeyboardTest, jogKeys_leaveAHeldJogButtonInCharge)
{
    // Either order of jog key and UP button: the held button keeps wrapping at the top.
    for (bool keyFirst : {false, true}) {
        SCOPED_TRACE(keyFirst ? "key first" : "button first");
        Bench b;
        const Freq upper = b.s.BandTable.TuneUpper[1];
        b.s.MainVfo.Frequency = upper - 5500;
        if (keyFirst) {
            b.down(key::D);
        }
        b.radio.tuning.btnJogUp_MouseDown();
        b.down(key::U);
        b.up(key::U);
        b.up(key::D);
        b.host.run(2.0);
        b.radio.tuning.btnJogUp_MouseUp();
        EXPECT_LT(b.s.MainVfo.Frequency, upper);
        EXPECT_TRUE(b.radio.meters.TimerSignalMeter.enabled());
    }
}

} // namespace
