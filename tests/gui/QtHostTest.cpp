#include "app/QtHost.h"

#include "ModalCloser.h"
#include "host/Timer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace dorv::gui {
namespace {

using test::ModalCloser;

struct BoxCase {
    MsgIcon icon;
    MsgButtons buttons;
    QMessageBox::StandardButton pressed;
    QMessageBox::Icon shownIcon;
    QMessageBox::StandardButtons shownButtons;
    MsgAnswer answer;
};

class QtHostMessageBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(QtHostMessageBoxTest, messageBox_showsIconAndButtonsAndReturnsThePressedOne)
{
    const BoxCase &c = GetParam();
    QtHost host;
    ModalCloser closer(c.pressed);

    const MsgAnswer answer = host.messageBox("Some text.", "Some Title", c.icon, c.buttons);

    EXPECT_EQ(answer, c.answer);
    ASSERT_EQ(closer.seen.size(), 1u);
    EXPECT_EQ(closer.seen[0].text, "Some text.");
    EXPECT_EQ(closer.seen[0].title, "Some Title");
    EXPECT_EQ(closer.seen[0].icon, c.shownIcon);
    EXPECT_EQ(closer.seen[0].buttons, c.shownButtons);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, QtHostMessageBoxTest,
    ::testing::Values(
        BoxCase{MsgIcon::Exclamation, MsgButtons::Ok, QMessageBox::Ok, QMessageBox::Warning,
                QMessageBox::Ok, MsgAnswer::Ok},
        BoxCase{MsgIcon::Exclamation, MsgButtons::OkCancel, QMessageBox::Cancel,
                QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel, MsgAnswer::Cancel},
        BoxCase{MsgIcon::Question, MsgButtons::YesNoCancel, QMessageBox::No, QMessageBox::Question,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, MsgAnswer::No},
        BoxCase{MsgIcon::Question, MsgButtons::YesNo, QMessageBox::Yes, QMessageBox::Question,
                QMessageBox::Yes | QMessageBox::No, MsgAnswer::Yes},
        BoxCase{MsgIcon::Critical, MsgButtons::Ok, QMessageBox::Ok, QMessageBox::Critical,
                QMessageBox::Ok, MsgAnswer::Ok},
        BoxCase{MsgIcon::Information, MsgButtons::Ok, QMessageBox::Ok, QMessageBox::Information,
                QMessageBox::Ok, MsgAnswer::Ok},
        // A box closed without a button of its own answers as its safe choice.
        BoxCase{MsgIcon::Question, MsgButtons::YesNoCancel, QMessageBox::Abort,
                QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                MsgAnswer::Cancel}));

TEST(QtHostTest, attachTimer_firesWhileEnabledAndFollowsChanges)
{
    QtHost host;
    Timer timer("TimerSignalMeter");
    int ticks = 0;
    timer.setTickHandler([&] { ++ticks; });
    timer.setInterval(20);
    host.attachTimer(timer);

    Pause(host, 0.1);
    EXPECT_EQ(ticks, 0) << "a disabled timer must not tick";

    timer.setEnabled(true);
    Pause(host, 0.25);
    EXPECT_GE(ticks, 6);
    EXPECT_LE(ticks, 13);

    timer.setEnabled(false);
    const int stopped = ticks;
    Pause(host, 0.1);
    EXPECT_EQ(ticks, stopped);

    timer.setInterval(100);
    timer.setEnabled(true);
    ticks = 0;
    Pause(host, 0.35);
    EXPECT_GE(ticks, 2);
    EXPECT_LE(ticks, 4);
}

TEST(QtHostTest, pause_waitsOnTheClockWithoutSpinning)
{
    QtHost host;
    QElapsedTimer wall;
    wall.start();
    const double start = host.now();
    int yields = 0;
    while (host.now() - start < 0.2) {
        host.yield();
        ++yields;
    }
    EXPECT_GE(wall.elapsed(), 200);
    EXPECT_LT(wall.elapsed(), 1000);
    // Each idle yield sleeps about a millisecond instead of returning at once.
    EXPECT_LT(yields, 1000);
}

// A wait for a reply or the end of a pause sleeps until something happens or its time is
// up, not a millisecond at a time.
TEST(QtHostTest, yieldUntil_sleepsToTheDeadlineOrTheNextEventInOneGo)
{
    QtHost host;
    QElapsedTimer wall;
    wall.start();
    const double deadline = host.now() + 0.1;
    int yields = 0;
    while (host.now() < deadline) {
        host.yieldUntil(deadline);
        ++yields;
    }
    EXPECT_GE(wall.elapsed(), 100);
    EXPECT_LE(yields, 3);

    bool fired = false;
    QTimer::singleShot(20, [&] { fired = true; });
    wall.restart();
    host.yieldUntil(host.now() + 5.0);
    EXPECT_TRUE(fired);
    EXPECT_LT(wall.elapsed(), 1000) << "the event ends the sleep";

    // A long sleep leaves the short ones as they were: a plain yield still looks again
    // after about a millisecond.
    wall.restart();
    for (int i = 0; i < 20; ++i) {
        host.yield();
    }
    EXPECT_LT(wall.elapsed(), 200);
}

TEST(QtHostTest, showHelp_isFalseWhenTheFileIsMissing)
{
    QtHost host;
    QTemporaryDir dir;
    EXPECT_FALSE(host.showHelp(QDir(dir.path()).filePath("dorvft897.html").toStdString()));
    EXPECT_FALSE(host.showHelp("no-such-help-file.html"));
}

TEST(QtHostTest, setBusyPointer_setsAndRestoresTheCursorOnce)
{
    QtHost host;
    host.setBusyPointer(true);
    host.setBusyPointer(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    host.setBusyPointer(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace dorv::gui
