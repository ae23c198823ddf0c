#include "app/KeyHoldFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>
#include <utility>

namespace dorv::gui {

KeyHoldFilter::KeyHoldFilter(Deliver deliver, QObject *parent)
    : QObject(parent), deliver_(std::move(deliver))
{
    hold_.setSingleShot(true);
    hold_.setInterval(kReleaseHoldMs);
    connect(&hold_, &QTimer::timeout, this, &KeyHoldFilter::releaseTimedOut);
}

void KeyHoldFilter::press(const KeyStroke &stroke)
{
    if (pending_.code == stroke.code) {
        // The press of an auto-repeat pair: the key is still held.
        pending_ = {};
        hold_.stop();
    } else {
        flush(); // another key's release comes first, in the order it happened
    }
    deliver(stroke, true);
}

void KeyHoldFilter::release(const KeyStroke &stroke, const QKeyEvent &event)
{
    if (event.isAutoRepeat()) {
        return; // Qt saw the pair's press already; it follows as a repeat press
    }
    flush();
    pending_ = stroke;
    ++releases_;
    hold_.start();
}

void KeyHoldFilter::flush()
{
    if (pending_.code == 0) {
        return;
    }
    const KeyStroke stroke = pending_;
    pending_ = {};
    hold_.stop();
    deliver(stroke, false);
}

void KeyHoldFilter::releaseAll()
{
    flush();
    // Taken first: a delivery may run events in which new key events come.
    const QList<KeyStroke> down = std::exchange(down_, {});
    for (const KeyStroke &stroke : down) {
        deliver_(stroke, false);
    }
}

void KeyHoldFilter::deliver(const KeyStroke &stroke, bool down)
{
    const auto same = [&stroke](const KeyStroke &held) { return held.code == stroke.code; };
    if (!down) {
        down_.removeIf(same);
    } else if (std::none_of(down_.cbegin(), down_.cend(), same)) {
        down_.append(stroke);
    }
    deliver_(stroke, down);
}

void KeyHoldFilter::releaseTimedOut()
{
    // A busy machine may run this timer before the input that arrived with it: let the
    // waiting input through first, so a pair's press still cancels the release.
    const quint64 waiting = releases_;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (releases_ == waiting) { // else a later release holds its own timer
        flush();
    }
}

} // namespace dorv::gui
