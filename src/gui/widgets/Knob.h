#pragma once

#include "BackgroundCache.h"

#include <QPointF>
#include <QTimer>
#include <QWidget>

namespace dorv {

// A rotary tuning knob: skirt with scale, knurled cap with a finger dimple and a position
// mark. Turning it by mouse drag, wheel or keys emits stepped(+1 / -1), clockwise being +1.
// One input event never moves it more than one step, however far the mouse went.
//
// Every run of steps is framed by pressed() and released(): for the mouse these are the
// button press and release; wheel and key steps open the frame before their first step and
// close it after a short pause, so the receiver always sees press, steps, release. A frame
// still open when the knob is disabled is closed at once.
class Knob : public QWidget {
    Q_OBJECT

public:
    // Pause after the last wheel or key step before released() is emitted, in milliseconds.
    static constexpr int kIdleReleaseMs = 300;
    // Wheel travel of one step, in angleDelta() units (one notch of a common wheel).
    static constexpr int kWheelNotch = 120;

    explicit Knob(QWidget *parent = nullptr);

    // Steps in one turn of the cap; sets both how far the cap turns per step and how far
    // an angular drag must go for one step.
    void setStepsPerTurn(int steps);

    // Net steps turned since construction; the cap is drawn at this angle.
    int position() const { return position_; }
    qreal capAngle() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void stepped(int direction);
    void pressed();
    void released();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum class Gesture { None, Mouse, Idle };

    void step(int direction);
    void beginGesture(Gesture kind);
    void endGesture();
    void dragTo(QPointF pos);
    qreal angleAt(QPointF pos) const;
    void drawSkirt(QPainter &painter) const;
    void drawCap(QPainter &painter) const;

    int stepsPerTurn_ = 36;
    int position_ = 0;
    Gesture gesture_ = Gesture::None;
    QTimer idleTimer_;
    QPointF dragLast_;     // last mouse position handled
    qreal dragTravel_ = 0; // drag since the last step, in degrees
    int wheelTravel_ = 0;  // wheel travel since the last step, angleDelta units
    QPointF centre_;
    qreal radius_ = 0;
    BackgroundCache background_;
};

} // namespace dorv
