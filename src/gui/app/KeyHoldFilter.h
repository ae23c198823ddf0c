#pragma once

#include "app/KeyMap.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

class QKeyEvent;

namespace dorv::gui {

// Turns the window's key events into what the panel's keys expect: a held key is one
// press, any number of repeat presses and one release, whatever the platform's
// auto-repeat does. X11 reports a held key as release/press pairs and Qt flags only those
// whose press it has already read, so a release is held back until the event loop has
// shown whether the same key comes down again; if it does, the key never went up.
class KeyHoldFilter : public QObject {
    Q_OBJECT
public:
    using Deliver = std::function<void(const KeyStroke &stroke, bool down)>;

    // How long a release waits for the press of an auto-repeat pair, in milliseconds.
    static constexpr int kReleaseHoldMs = 40;

    explicit KeyHoldFilter(Deliver deliver, QObject *parent = nullptr);

    void press(const KeyStroke &stroke);
    void release(const KeyStroke &stroke, const QKeyEvent &event);

    // Delivers a release still held back, so nothing is left pending.
    void flush();
    // Delivers the release of every key still down, as though it came up now: the window no
    // longer has the keyboard (it lost the focus, was hidden or minimised, the screen was
    // locked), so the real releases will go elsewhere.
    void releaseAll();

private:
    void releaseTimedOut();
    void deliver(const KeyStroke &stroke, bool down);

    Deliver deliver_;
    QTimer hold_;
    KeyStroke pending_;     // code 0: no release held back
    quint64 releases_ = 0;  // releases held back so far, to tell them apart
    QList<KeyStroke> down_; // keys whose press was delivered and whose release was not
};

} // namespace dorv::gui
