#include "ModalCloser.h"
#include "app/FrontPanel.h"
#include "app/KeyHoldFilter.h"
#include "app/KeyMap.h"
#include "app/MainWindow.h"
#include "app/MenuBarBuilder.h"
#include "panel/KeyCodes.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace dorv::gui {
namespace {

void Send(QWidget *to, QEvent::Type type, int key, const QString &text = {},
          Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false)
{
    QKeyEvent event(type, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(to, &event);
}

// Lets the event loop run for a while, as time passes between key events.
void Wait(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

TEST(KeyMapTest, mainKeyboardPeriod_isTheDecimalKeyAsOnTheNumericPad)
{
    const QKeyEvent main(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, ".");
    const QKeyEvent pad(QEvent::KeyPress, Qt::Key_Period, Qt::KeypadModifier, ".");
    EXPECT_EQ(KeyMap::map(main).code, key::NumpadDecimal);
    EXPECT_EQ(KeyMap::map(pad).code, key::NumpadDecimal);
}

// X11 sends a held key as release/press pairs that Qt does not always flag as repeats.
TEST(KeyHoldFilterTest, releasePressPairs_areOneHoldAndTheLastReleaseComesAlone)
{
    QStringList seen;
    KeyHoldFilter filter([&](const KeyStroke &stroke, bool down) {
        seen << QStringLiteral("%1%2").arg(down ? "+" : "-").arg(stroke.code);
    });
    const KeyStroke space{key::Space, 0};
    const QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
    filter.press(space);
    for (int i = 0; i < 5; ++i) {
        filter.release(space, release);
        filter.press(space);
    }
    filter.release(space, release);
    EXPECT_EQ(seen, QStringList({"+32", "+32", "+32", "+32", "+32", "+32"}));
    Wait(KeyHoldFilter::kReleaseHoldMs * 3);
    EXPECT_EQ(seen.size(), 7);
    EXPECT_EQ(seen.last(), "-32");

    // Another key pressed before the hold ends: the release comes first, in order.
    seen.clear();
    filter.press(space);
    filter.release(space, release);
    filter.press({key::PageUp, 0});
    EXPECT_EQ(seen, QStringList({"+32", "-32", "+33"}));
}

// The window lost the keyboard: every key still down comes up once, a release held back
// first, and the real releases that follow elsewhere are never awaited.
TEST(KeyHoldFilterTest, releaseAll_releasesEachKeyStillDownOnce)
{
    QStringList seen;
    KeyHoldFilter filter([&](const KeyStroke &stroke, bool down) {
        seen << QStringLiteral("%1%2").arg(down ? "+" : "-").arg(stroke.code);
    });
    const QKeyEvent release(QEvent::KeyRelease, Qt::Key_PageUp, Qt::NoModifier);
    filter.press({key::Space, 0});
    filter.press({key::PageUp, 0});
    filter.press({key::PageUp, 0}); // a repeat: still one key down
    filter.release({key::PageUp, 0}, release);
    filter.press({key::D, key::ShiftMask});
    filter.releaseAll();
    filter.releaseAll();
    Wait(KeyHoldFilter::kReleaseHoldMs * 3);
    EXPECT_EQ(seen, QStringList({"+32", "+33", "+33", "-33", "+68", "-32", "-68"}));
}

#ifdef DORV_WITH_SIMULATOR
class KeyHoldWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(dir.path());
        window->show();
        window->radio().files.OpenBandDataFile();
        window->menus()->item("mnuCommPortArray", 9)->trigger();
        closer.seen.clear();
        target = window->frontPanel();
        Send(target, QEvent::KeyPress, Qt::Key_P, "p");
        Send(target, QEvent::KeyRelease, Qt::Key_P, "p");
        ASSERT_TRUE(window->radio().state.CatOn);
    }

    test::ModalCloser closer;
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
    QWidget *target = nullptr;
};

TEST_F(KeyHoldWindowTest, heldSpaceWithUnflaggedRepeats_transmitsUntilTheRealRelease)
{
    const bool &onAir = window->radio().panel.lblOnAir.Visible;
    Send(target, QEvent::KeyPress, Qt::Key_Space, " ");
    ASSERT_TRUE(onAir);
    for (int i = 0; i < 10; ++i) {
        Send(target, QEvent::KeyRelease, Qt::Key_Space, " ");
        Send(target, QEvent::KeyPress, Qt::Key_Space, " ");
        Wait(5);
        EXPECT_TRUE(onAir) << "dropped out of transmit at repeat " << i;
    }
    Send(target, QEvent::KeyRelease, Qt::Key_Space, " ");
    Wait(KeyHoldFilter::kReleaseHoldMs * 4);
    EXPECT_FALSE(onAir);
}

// Space held while the window loses the keyboard (another window takes the focus, the
// screen locks, the window is hidden or minimised): the transmission ends at once, and the
// release that then comes to another window is not needed.
TEST_F(KeyHoldWindowTest, heldSpace_endsTransmittingWhenTheWindowLosesTheKeyboard)
{
    const bool &onAir = window->radio().panel.lblOnAir.Visible;
    const std::pair<const char *, std::function<void()>> losses[] = {
        {"deactivated",
         [&] {
             QEvent deactivate(QEvent::WindowDeactivate);
             QApplication::sendEvent(window.get(), &deactivate);
         }},
        {"minimised", [&] { window->showMinimized(); }},
        {"hidden", [&] { window->hide(); }},
    };
    for (const auto &[what, loseKeyboard] : losses) {
        window->showNormal();
        Send(target, QEvent::KeyPress, Qt::Key_Space, " ");
        ASSERT_TRUE(onAir) << what;
        loseKeyboard();
        EXPECT_FALSE(onAir) << what;
        Wait(KeyHoldFilter::kReleaseHoldMs * 2);
        EXPECT_FALSE(onAir) << what;
    }
    // Back with the keyboard, the next press transmits as ever.
    window->showNormal();
    Send(target, QEvent::KeyPress, Qt::Key_Space, " ");
    EXPECT_TRUE(onAir);
    Send(target, QEvent::KeyRelease, Qt::Key_Space, " ");
    Wait(KeyHoldFilter::kReleaseHoldMs * 4);
    EXPECT_FALSE(onAir);
}

// A laptop without a numeric pad: ENT 1 4 . 2 ENT from the main keyboard.
TEST_F(KeyHoldWindowTest, keypadEntry_takesTheMainKeyboardPeriodAsTheDecimalKey)
{
    const struct {
        int key;
        QString text;
    } keys[] = {{Qt::Key_Return, "\r"}, {Qt::Key_1, "1"}, {Qt::Key_4, "4"},
                {Qt::Key_Period, "."},  {Qt::Key_2, "2"}, {Qt::Key_Return, "\r"}};
    for (const auto &k : keys) {
        Send(target, QEvent::KeyPress, k.key, k.text);
        Send(target, QEvent::KeyRelease, k.key, k.text);
    }
    Wait(KeyHoldFilter::kReleaseHoldMs * 2);
    EXPECT_EQ(window->radio().state.MainVfo.Frequency, 1420000);
    EXPECT_FALSE(window->radio().state.KeypadEntry);
}

// A > B has the radio on its other VFO for most of a second. Keys struck meanwhile wait
// (the panel does not show them yet) and then go to the radio's main VFO: SYNC, reading
// the radio back, finds the frequency the panel shows.
TEST_F(KeyHoldWindowTest, keysStruckWhileAbRuns_reachTheRadiosMainVfoAfterIt)
{
    Radio &radio = window->radio();
    const std::string before = radio.panel.ledFreq;
    std::string shownMeanwhile;
    QTimer::singleShot(400, [&] { // after the first toggle
        for (const auto &[key, text] : {std::pair{Qt::Key_Return, "\r"},
                                        {Qt::Key_1, "1"},
                                        {Qt::Key_4, "4"},
                                        {Qt::Key_Period, "."},
                                        {Qt::Key_2, "2"},
                                        {Qt::Key_Return, "\r"}}) {
            Send(target, QEvent::KeyPress, key, text);
            Send(target, QEvent::KeyRelease, key, text);
        }
        Wait(KeyHoldFilter::kReleaseHoldMs * 2);
        shownMeanwhile = radio.panel.ledFreq;
    });
    Send(target, QEvent::KeyPress, Qt::Key_A, "\x01", Qt::ControlModifier);
    Send(target, QEvent::KeyRelease, Qt::Key_A, "\x01", Qt::ControlModifier);
    Wait(KeyHoldFilter::kReleaseHoldMs * 2);
    EXPECT_EQ(shownMeanwhile, before);
    EXPECT_EQ(radio.state.MainVfo.Frequency, 1420000);

    window->findChild<QAbstractButton *>("SYNCbutton")->click();
    EXPECT_EQ(radio.state.MainVfo.Frequency, 1420000);
    EXPECT_EQ(radio.panel.ledFreq, "14.200.00");
}
#endif

} // namespace
} // namespace dorv::gui
