#include "app/WindowPlacer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
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
    const QSize size = window_->frameGeometry().size();
    // Right and bottom first, so a window larger than the screen keeps its top-left corner
    // on it.
    const int x = std::max(area.left(), std::min(corner.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(corner.y(), area.bottom() + 1 - size.height()));
    return {x, y};
}

void WindowPlacer::place(const QPoint &corner)
{
    wanted_ = onScreen(corner);
    window_->move(wanted_);
}

std::optional<QPoint> WindowPlacer::userPlace() const
{
    if (settling_ || !window_->isVisible()) {
        return std::nullopt;
    }
    return window_->frameGeometry().topLeft();
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
    const bool framed = window_->frameGeometry() != window_->geometry();
    if (framed && window_->frameGeometry().topLeft() != wanted_) {
        window_->move(wanted_);
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
