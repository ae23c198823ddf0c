#include "app/WindowPlacer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace dorv::gui {

namespace {
constexpr int kSettleStepMs = 50;
constexpr int kSettleSteps = 60; // a window manager slower than 3 s leaves the frame unknown
constexpr int kSteadySteps = 4;  // the frame stays put this long: the placement holds
} // namespace

WindowPlacer::WindowPlacer(QWidget *window) : QObject(window), window_(window)
{
    settle_.setInterval(kSettleStepMs);
    connect(&settle_, &QTimer::timeout, this, &WindowPlacer::settle);
    window_->installEventFilter(this);
}

// The frame as the window system knows it now. The widget's own copy of the frame margins
// is refreshed only on a move or resize, so a window manager that reports its frame after
// the last of those leaves it stale; the native window reads them afresh.
QRect WindowPlacer::frame() const
{
    const QWindow *handle = window_->windowHandle();
    return handle != nullptr ? handle->frameGeometry() : window_->frameGeometry();
}

// Moves the frame's corner to `corner`: the inner area goes that far inside it by the frame
// margins known now.
void WindowPlacer::moveFrame(const QPoint &corner)
{
    QWindow *handle = window_->windowHandle();
    if (handle != nullptr && window_->isVisible()) {
        const QMargins margins = handle->frameMargins();
        handle->setPosition(corner + QPoint(margins.left(), margins.top()));
    } else {
        window_->move(corner);
    }
}

QPoint WindowPlacer::onScreen(const QPoint &corner) const
{
    const QScreen *screen = QGuiApplication::screenAt(corner);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return corner;
    }
    const QRect area = screen->availableGeometry();
    const QSize size = frame().size();
    // Right and bottom first, so a window larger than the screen keeps its top-left corner
    // on it.
    const int x = std::max(area.left(), std::min(corner.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - size.height()));
    return {x, y};
}

void WindowPlacer::place(const QPoint &corner)
{
    wanted_ = onScreen(corner);
    moveFrame(wanted_);
}

std::optional<QPoint> WindowPlacer::userPlace() const
{
    if (settling_ || !window_->isVisible()) {
        return std::nullopt;
    }
    return frame().topLeft();
}

bool WindowPlacer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_ && event->type() == QEvent::Show) {
        settling_ = true;
        waits_ = 0;
        steady_ = 0;
        settle_.start();
    }
    return false;
}

// Waits for the frame and puts it where it belongs, until it has stayed there a while:
// the window manager may place the window more than once while it maps it.
void WindowPlacer::settle()
{
    const QRect now = frame();
    const QWindow *handle = window_->windowHandle();
    const bool framed = now != (handle != nullptr ? handle->geometry() : window_->geometry());
    if (framed && now.topLeft() != wanted_) {
        moveFrame(wanted_);
        steady_ = 0;
    } else if (framed) {
        ++steady_;
    }
    if (steady_ >= kSteadySteps || ++waits_ >= kSettleSteps) {
        settle_.stop();
        settling_ = false;
    }
}

} // namespace dorv::gui
