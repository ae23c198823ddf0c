#include "TileCache.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <cmath>

namespace dorv {

void TileCache::paint(QPainter &painter, const QWidget &widget, const QRegion &region,
                      const Painter &draw)
{
    if (region.boundingRect().contains(widget.rect())) {
        draw(painter);
        return;
    }
    const qreal ratio = widget.devicePixelRatioF();
    if (ratio != ratio_) {
        invalidate();
        ratio_ = ratio;
    }
    const QRect needed = region.boundingRect() & widget.rect();
    const int left = needed.left() / kTileSize, right = needed.right() / kTileSize;
    for (int row = needed.top() / kTileSize; row <= needed.bottom() / kTileSize; ++row) {
        QList<int> columns, missing;
        for (int column = left; column <= right; ++column) {
            const QPoint index(column, row);
            if (!region.intersects(area(index)))
                continue;
            columns.append(column);
            const auto kept = tiles_.find(index);
            if (kept == tiles_.end())
                missing.append(column);
            else
                kept->lastUse = ++clock_;
        }
        if (!missing.isEmpty())
            makeTiles(row, missing, ratio, draw);
        for (const int column : std::as_const(columns)) {
            const QPoint index(column, row);
            const auto kept = tiles_.constFind(index);
            if (kept != tiles_.constEnd()) {
                painter.drawPixmap(area(index).topLeft(), kept->pixmap);
                continue;
            }
            // The row needs more tiles than the cache holds: this one is drawn straight.
            painter.save();
            painter.setClipRect(area(index), Qt::IntersectClip);
            draw(painter);
            painter.restore();
        }
    }
}

// Drawing the face costs about as much for one tile as for a row of them, so the missing
// tiles of a row are drawn in one strip and cut from it.
void TileCache::makeTiles(int row, const QList<int> &columns, qreal ratio, const Painter &draw)
{
    const int first = columns.first(), last = columns.last();
    const int pixels = static_cast<int>(std::ceil(kTileSize * ratio));
    QPixmap strip((last - first + 1) * pixels, pixels);
    strip.setDevicePixelRatio(ratio);
    {
        QPainter painter(&strip);
        painter.translate(-area(QPoint(first, row)).topLeft());
        draw(painter);
    }
    for (const int column : columns) {
        while (tiles_.size() >= maxTiles_)
            dropLeastRecentlyUsed();
        QPixmap tile = strip.copy((column - first) * pixels, 0, pixels, pixels);
        tile.setDevicePixelRatio(ratio);
        tiles_.insert(QPoint(column, row), Tile{tile, ++clock_});
    }
}

QRect TileCache::area(QPoint index)
{
    return QRect(index * kTileSize, QSize(kTileSize, kTileSize));
}

void TileCache::dropLeastRecentlyUsed()
{
    auto oldest = tiles_.begin();
    for (auto it = tiles_.begin(); it != tiles_.end(); ++it) {
        if (it->lastUse < oldest->lastUse) {
            oldest = it;
        }
    }
    if (oldest != tiles_.end()) {
        tiles_.erase(oldest);
    }
}

} // namespace dorv
