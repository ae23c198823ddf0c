#pragma once

#include <QHash>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <functional>

class QPainter;
class QRegion;
class QWidget;

namespace dorv {

// Keeps the pieces of a widget's static drawing that are painted again and again, such as
// the face under a readout's digits or under a turning knob, as small tiles made the first
// time a partial repaint needs them. A repaint of the whole widget draws straight onto the
// window and keeps nothing. The face is costly to draw even in a small clip, but a pixmap
// of all of it would hold memory for parts that are painted once.
class TileCache {
public:
    using Painter = std::function<void(QPainter &)>;

    // At most maxTiles tiles are kept; the least recently used goes first.
    explicit TileCache(int maxTiles) : maxTiles_(maxTiles) {}

    void invalidate() { tiles_.clear(); }

    // Paints the drawing where region needs it. draw paints the whole drawing in widget
    // coordinates (logical pixels), opaque.
    void paint(QPainter &painter, const QWidget &widget, const QRegion &region,
               const Painter &draw);

    int tileCount() const { return tiles_.size(); }

    // Tile edge in logical pixels.
    static constexpr int kTileSize = 32;

private:
    struct Tile {
        QPixmap pixmap;
        quint64 lastUse = 0;
    };

    void makeTiles(int row, const QList<int> &columns, qreal ratio, const Painter &draw);
    void dropLeastRecentlyUsed();
    static QRect area(QPoint index);

    int maxTiles_;
    quint64 clock_ = 0;
    qreal ratio_ = 0;
    QHash<QPoint, Tile> tiles_;
};

} // namespace dorv
