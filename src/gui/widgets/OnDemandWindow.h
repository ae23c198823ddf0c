#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

namespace dorv {

// A window made the first time it has to show, then kept, so it keeps its place and its
// entries. Most sessions never open most dialogs; made at start, each would hold its
// widgets, fonts and pixmaps for nothing.
template <typename Window> class OnDemandWindow {
public:
    // wanted says whether the window should be up; make builds it.
    OnDemandWindow(std::function<bool()> wanted, std::function<Window *()> make)
        : wanted_(std::move(wanted)), make_(std::move(make))
    {
    }

    // Builds the window when it is first wanted, then draws it, which shows or hides it.
    void render()
    {
        if (window_ == nullptr && wanted_()) {
            window_ = make_();
        }
        if (window_ != nullptr) {
            window_->render();
        }
    }

    void hide()
    {
        if (window_ != nullptr) {
            window_->hide();
        }
    }

    // The window once it has been made, else null.
    Window *get() const { return window_.data(); }

private:
    std::function<bool()> wanted_;
    std::function<Window *()> make_;
    QPointer<Window> window_;
};

} // namespace dorv
