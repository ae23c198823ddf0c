#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <optional>

class QWidget;

namespace dorv::gui {

// Keeps a top-level window's frame corner where the settings put it, and tells the
// user's moves from its own. Until the window manager has framed a new window, Qt can only
// put the inner area at the point, so the place is applied again once the frame is known;
// moves until then are the placement's, not the user's.
class WindowPlacer : public QObject {
    Q_OBJECT
public:
    explicit WindowPlacer(QWidget *window);

    // Puts the frame's top-left corner at `corner` (pixels), moved as little as needed to
    // have the whole window on the screen.
    void place(const QPoint &corner);
    // The frame's corner after a move the user made; empty while a placement settles.
    std::optional<QPoint> userPlace() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRect frame() const;
    void moveFrame(const QPoint &corner);
    QPoint onScreen(const QPoint &corner) const;
    void settle();

    QWidget *window_;
    QPoint wanted_;
    bool settling_ = true;
    int waits_ = 0;  // settle steps since the window was shown
    int steady_ = 0; // steps the frame has stayed where it belongs
    QTimer settle_;
};

} // namespace dorv::gui
