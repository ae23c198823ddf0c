#include "widgets/Knob.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <QtMath>
#include <gtest/gtest.h>

using dorv::Knob;

namespace {

class KnobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        knob.resize(100, 100);
        knob.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&knob));
    }

    void wheel(int delta)
    {
        const QPointF at(50, 50);
        QWheelEvent event(at, knob.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&knob, &event);
    }

    void mouse(QEvent::Type type, QPointF at)
    {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, knob.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&knob, &event);
    }

    // A point at the given clockwise angle from three o'clock, 40 px from the centre.
    static QPointF around(qreal degreesClockwise)
    {
        const qreal a = qDegreesToRadians(degreesClockwise);
        return QPointF(50 + 40 * std::cos(a), 50 + 40 * std::sin(a));
    }

    static QList<int> directions(const QSignalSpy &spy)
    {
        QList<int> result;
        for (const QList<QVariant> &args : spy)
            result.append(args.at(0).toInt());
        return result;
    }

    Knob knob;
    QSignalSpy steps{&knob, &Knob::stepped};
    QSignalSpy presses{&knob, &Knob::pressed};
    QSignalSpy releases{&knob, &Knob::released};
};

} // namespace

TEST_F(KnobTest, wheel_stepsOncePerWholeNotchAndNeverMoreThanOncePerEvent)
{
    const struct {
        QList<int> deltas;
        QList<int> expected;
    } cases[] = {
        {{120}, {1}},
        {{-120}, {-1}},
        {{60, 60}, {1}},
        {{60}, {}},
        {{360}, {1}},
        {{-600, -120}, {-1, -1}},
        // Turning back drops the half notch gathered the other way.
        {{60, -60, -60}, {-1}},
    };
    for (const auto &c : cases) {
        Knob fresh;
        QSignalSpy spy(&fresh, &Knob::stepped);
        for (int d : c.deltas) {
            QWheelEvent event(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, d), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&fresh, &event);
        }
        EXPECT_EQ(directions(spy), c.expected) << c.deltas.size() << " events";
    }
}

TEST_F(KnobTest, drag_largeAngleInOneMoveGivesOneClockwiseStep)
{
    mouse(QEvent::MouseButtonPress, around(0));
    mouse(QEvent::MouseMove, around(170));
    EXPECT_EQ(directions(steps), QList<int>{1});
    // Back anticlockwise, again far in one move.
    mouse(QEvent::MouseMove, around(10));
    EXPECT_EQ(directions(steps), (QList<int>{1, -1}));
    mouse(QEvent::MouseButtonRelease, around(10));
}

TEST_F(KnobTest, drag_smallMovesAddUpToAStep)
{
    knob.setStepsPerTurn(36); // 10 degrees a step
    mouse(QEvent::MouseButtonPress, around(0));
    mouse(QEvent::MouseMove, around(4));
    mouse(QEvent::MouseMove, around(8));
    EXPECT_EQ(steps.count(), 0);
    mouse(QEvent::MouseMove, around(12));
    EXPECT_EQ(directions(steps), QList<int>{1});
}

TEST_F(KnobTest, mouse_pressAndReleaseFrameTheSteps)
{
    mouse(QEvent::MouseButtonPress, around(0));
    EXPECT_EQ(presses.count(), 1);
    EXPECT_EQ(releases.count(), 0);
    mouse(QEvent::MouseMove, around(90));
    mouse(QEvent::MouseButtonRelease, around(90));
    EXPECT_EQ(presses.count(), 1);
    EXPECT_EQ(releases.count(), 1);
    EXPECT_EQ(steps.count(), 1);
}

TEST_F(KnobTest, wheel_stepsAreFramedByPressAndALaterRelease)
{
    wheel(120);
    wheel(120);
    EXPECT_EQ(presses.count(), 1);
    EXPECT_EQ(steps.count(), 2);
    EXPECT_EQ(releases.count(), 0);
    EXPECT_TRUE(releases.wait(5 * Knob::kIdleReleaseMs));
    EXPECT_EQ(releases.count(), 1);
}

TEST_F(KnobTest, keys_stepOnceEachAndTurnTheCap)
{
    const qreal before = knob.capAngle();
    QTest::keyClick(&knob, Qt::Key_Up);
    QTest::keyClick(&knob, Qt::Key_PageDown);
    QTest::keyClick(&knob, Qt::Key_PageUp);
    EXPECT_EQ(directions(steps), (QList<int>{1, -1, 1}));
    EXPECT_EQ(knob.position(), 1);
    EXPECT_NE(knob.capAngle(), before);
}

TEST_F(KnobTest, disabled_emitsNothing)
{
    knob.setEnabled(false);
    wheel(120);
    mouse(QEvent::MouseButtonPress, around(0));
    mouse(QEvent::MouseMove, around(90));
    mouse(QEvent::MouseButtonRelease, around(90));
    QTest::keyClick(&knob, Qt::Key_Up);
    EXPECT_EQ(steps.count(), 0);
    EXPECT_EQ(presses.count(), 0);
    EXPECT_EQ(releases.count(), 0);
}

TEST_F(KnobTest, disabled_duringAGestureClosesItOnce)
{
    mouse(QEvent::MouseButtonPress, around(0));
    knob.setEnabled(false);
    EXPECT_EQ(releases.count(), 1);
    // The release of the button never reaches a disabled widget; nothing more is emitted.
    mouse(QEvent::MouseButtonRelease, around(0));
    knob.setEnabled(true);
    EXPECT_EQ(releases.count(), 1);
    EXPECT_EQ(presses.count(), 1);
}
