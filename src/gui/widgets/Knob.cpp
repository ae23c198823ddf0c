#include "Knob.h"

#include <QConicalGradient>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace dorv {

namespace {

// Radii as fractions of the knob's outer radius.
constexpr qreal kTicksInner = 0.91;
constexpr qreal kSkirt = 0.87;
constexpr qreal kCap = 0.70;
constexpr qreal kKnurlInner = 0.61;
constexpr qreal kDimpleOffset = 0.34;
constexpr qreal kDimple = 0.16;
constexpr qreal kMarkInner = 0.74;
constexpr qreal kMarkOuter = 0.84;
constexpr int kKnurls = 60;
constexpr int kScaleTicks = 40;

qreal signedAngleDifference(qreal to, qreal from)
{
    qreal d = std::fmod(to - from, 360.0);
    if (d > 180)
        d -= 360;
    else if (d <= -180)
        d += 360;
    return d;
}

} // namespace

Knob::Knob(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(kIdleReleaseMs);
    connect(&idleTimer_, &QTimer::timeout, this, [this] {
        if (gesture_ == Gesture::Idle)
            endGesture();
    });
}

void Knob::setStepsPerTurn(int steps)
{
    stepsPerTurn_ = qMax(4, steps);
    update();
}

qreal Knob::capAngle() const
{
    return std::fmod(position_ * 360.0 / stepsPerTurn_, 360.0);
}

QSize Knob::sizeHint() const
{
    return QSize(80, 80);
}

QSize Knob::minimumSizeHint() const
{
    return QSize(24, 24);
}

void Knob::resizeEvent(QResizeEvent *)
{
    centre_ = QPointF(width() / 2.0, height() / 2.0);
    radius_ = qMin(width(), height()) / 2.0;
    background_.invalidate();
}

void Knob::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled() && gesture_ != Gesture::None)
            endGesture();
        background_.invalidate();
        update();
    }
    QWidget::changeEvent(event);
}

void Knob::beginGesture(Gesture kind)
{
    if (gesture_ == Gesture::Idle && kind == Gesture::Mouse)
        endGesture();
    if (gesture_ == Gesture::None) {
        gesture_ = kind;
        emit pressed();
    }
    if (gesture_ == Gesture::Idle)
        idleTimer_.start();
}

void Knob::endGesture()
{
    idleTimer_.stop();
    gesture_ = Gesture::None;
    dragTravel_ = 0;
    wheelTravel_ = 0;
    emit released();
}

void Knob::step(int direction)
{
    position_ += direction;
    update();
    emit stepped(direction);
}

qreal Knob::angleAt(QPointF pos) const
{
    // Mathematical angle in degrees, anticlockwise, with y pointing up.
    return qRadiansToDegrees(std::atan2(centre_.y() - pos.y(), pos.x() - centre_.x()));
}

void Knob::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    beginGesture(Gesture::Mouse);
    dragLast_ = event->position();
    dragTravel_ = 0;
}

void Knob::dragTo(QPointF pos)
{
    // Near the centre the angle is meaningless; wait until the pointer is further out.
    if (QLineF(centre_, pos).length() < 0.15 * radius_)
        return;
    // Clockwise is a negative mathematical angle and a positive step.
    dragTravel_ -= signedAngleDifference(angleAt(pos), angleAt(dragLast_));
    const qreal threshold = 360.0 / stepsPerTurn_;
    dragLast_ = pos;
    if (std::abs(dragTravel_) < threshold)
        return;
    const int direction = dragTravel_ > 0 ? 1 : -1;
    // One step per event: travel beyond the next step is dropped, not saved up.
    dragTravel_ = std::fmod(dragTravel_ - direction * threshold, threshold);
    step(direction);
}

void Knob::mouseMoveEvent(QMouseEvent *event)
{
    if (gesture_ != Gesture::Mouse)
        return;
    dragTo(event->position());
}

void Knob::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || gesture_ != Gesture::Mouse)
        return;
    endGesture();
}

void Knob::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    // A change of direction starts a fresh notch.
    if ((delta > 0) != (wheelTravel_ > 0))
        wheelTravel_ = 0;
    wheelTravel_ += delta;
    if (gesture_ != Gesture::Mouse)
        beginGesture(Gesture::Idle);
    if (std::abs(wheelTravel_) < kWheelNotch)
        return;
    const int direction = wheelTravel_ > 0 ? 1 : -1;
    wheelTravel_ = (wheelTravel_ - direction * kWheelNotch) % kWheelNotch;
    step(direction);
}

void Knob::keyPressEvent(QKeyEvent *event)
{
    int direction = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
        direction = 1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_PageDown:
        direction = -1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (gesture_ != Gesture::Mouse)
        beginGesture(Gesture::Idle);
    step(direction);
}

void Knob::drawSkirt(QPainter &painter) const
{
    const qreal r = radius_;
    painter.translate(centre_);
    // Scale ticks on the panel around the knob.
    painter.setPen(QPen(QColor(150, 150, 150), qMax(1.0, r * 0.02)));
    for (int i = 0; i < kScaleTicks; ++i) {
        const qreal a = qDegreesToRadians(i * 360.0 / kScaleTicks);
        const qreal inner = (i % 5 == 0) ? kTicksInner : (kTicksInner + 1) / 2;
        painter.drawLine(QPointF(std::cos(a), std::sin(a)) * r * inner,
                         QPointF(std::cos(a), std::sin(a)) * r * 0.99);
    }
    // Skirt: a dark ring, lit from the upper left.
    QRadialGradient skirt(QPointF(-0.3 * r, -0.3 * r), 1.4 * r);
    skirt.setColorAt(0, QColor(88, 90, 94));
    skirt.setColorAt(1, QColor(18, 18, 20));
    painter.setPen(QPen(QColor(8, 8, 8), qMax(1.0, r * 0.02)));
    painter.setBrush(skirt);
    painter.drawEllipse(QPointF(0, 0), kSkirt * r, kSkirt * r);
    // Shadow of the cap on the skirt.
    QRadialGradient shadow(QPointF(r * 0.04, r * 0.06), kCap * r * 1.12);
    shadow.setColorAt(0.85, QColor(0, 0, 0, 160));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(r * 0.04, r * 0.06), kCap * r * 1.12, kCap * r * 1.12);
}

void Knob::drawCap(QPainter &painter) const
{
    const qreal r = radius_;
    const bool enabled = isEnabled();
    painter.save();
    painter.translate(centre_);

    // The cap's shading stays put (the light does not turn with it).
    QRadialGradient cap(QPointF(-0.35 * r, -0.4 * r), 1.3 * r);
    cap.setColorAt(0, enabled ? QColor(120, 122, 128) : QColor(96, 96, 96));
    cap.setColorAt(0.6, enabled ? QColor(44, 45, 48) : QColor(60, 60, 60));
    cap.setColorAt(1, QColor(20, 20, 22));
    painter.setPen(QPen(QColor(10, 10, 10), qMax(1.0, r * 0.015)));
    painter.setBrush(cap);
    painter.drawEllipse(QPointF(0, 0), kCap * r, kCap * r);

    // Everything below turns with the cap; points are turned by hand so that the shading
    // of the dimple keeps its light from above.
    const qreal turn = qDegreesToRadians(capAngle());
    auto radial = [turn](qreal degrees) {
        const qreal a = turn + qDegreesToRadians(degrees);
        return QPointF(std::sin(a), -std::cos(a)); // 0 degrees is straight up
    };
    // Knurling: ridges around the rim.
    const QColor ridge = enabled ? QColor(150, 150, 155, 170) : QColor(120, 120, 120, 110);
    painter.setPen(QPen(ridge, qMax(0.8, r * 0.018)));
    for (int i = 0; i < kKnurls; ++i) {
        const QPointF u = radial(i * 360.0 / kKnurls);
        painter.drawLine(u * r * kKnurlInner, u * r * (kCap - 0.01));
    }
    // Face of the cap inside the knurled ring.
    QRadialGradient face(QPointF(-0.2 * r, -0.25 * r), kKnurlInner * r * 1.3);
    face.setColorAt(0, enabled ? QColor(72, 73, 78) : QColor(76, 76, 76));
    face.setColorAt(1, enabled ? QColor(30, 31, 34) : QColor(56, 56, 56));
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawEllipse(QPointF(0, 0), kKnurlInner * r * 0.97, kKnurlInner * r * 0.97);

    // Finger dimple, shaded as a hollow: dark at the top, light at the bottom.
    const QPointF dimple = radial(0) * kDimpleOffset * r;
    QLinearGradient hollow(dimple + QPointF(0, -kDimple * r), dimple + QPointF(0, kDimple * r));
    hollow.setColorAt(0, QColor(12, 12, 14));
    hollow.setColorAt(1, enabled ? QColor(100, 102, 108) : QColor(92, 92, 92));
    painter.setBrush(hollow);
    painter.drawEllipse(dimple, kDimple * r, kDimple * r);

    // Position mark on the skirt.
    const QColor mark = enabled ? QColor(240, 240, 235) : QColor(130, 130, 130);
    painter.setPen(QPen(mark, qMax(1.5, r * 0.05), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(radial(0) * kMarkInner * r, radial(0) * kMarkOuter * r);
    painter.restore();
}

void Knob::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_.get(*this, [this](QPainter &p) { drawSkirt(p); }));
    painter.setRenderHint(QPainter::Antialiasing);
    drawCap(painter);
    if (hasFocus()) {
        painter.setPen(
            QPen(palette().color(QPalette::Highlight), qMax(1.0, radius_ * 0.03), Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre_, radius_ * 0.98, radius_ * 0.98);
    }
}

} // namespace dorv
