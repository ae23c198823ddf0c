#pragma once

#include <QPixmap>
#include <functional>

class QPainter;
class QWidget;

namespace dorv {

// Holds a widget's static drawing (face, scale, unlit segments) as a pixmap at the widget's
// device pixel ratio, so paintEvent only copies it and draws what changes on top.
class BackgroundCache {
public:
    using Painter = std::function<void(QPainter &)>;

    void invalidate() { pixmap_ = QPixmap(); }

    // The cached pixmap for the widget's current size, redrawn with draw when stale.
    // draw paints in widget coordinates (logical pixels).
    const QPixmap &get(const QWidget &widget, const Painter &draw);

private:
    QPixmap pixmap_;
};

} // namespace dorv
