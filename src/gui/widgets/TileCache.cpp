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
    if (ratio != m_ratio) {
        invalidate();
        m_ratio = ratio;
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
            const auto kept = m_tiles.find(index);
            if (kept == m_tiles.end())
                missing.append(column);
            else
                kept->lastUse = ++m_clock;
        }
        if (!missing.isEmpty())
            makeTiles(row, missing, ratio, draw);
        for (const int column : std::as_const(columns)) {
            const QPoint index(column, row);
            const auto kept = m_tiles.constFind(index);
            if (kept != m_tiles.constEnd()) {
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
        while (m_tiles.size() >= m_maxTiles)
            dropLeastRecentlyUsed();
        QPixmap tile = strip.copy((column - first) * pixels, 0, pixels, pixels);
        tile.setDevicePixelRatio(ratio);
        m_tiles.insert(QPoint(column, row), Tile{tile, ++m_clock});
    }
}

QRect TileCache::area(QPoint index)
{
    return QRect(index * kTileSize, QSize(kTileSize, kTileSize));
}

void TileCache::dropLeastRecentlyUsed()
{
    auto oldest = m_tiles.begin();
    for (auto it = m_tiles.begin(); it != m_tiles.end(); ++it) {
        if (it->lastUse < oldest->lastUse) {
            oldest = it;
        }
    }
    if (oldest != m_tiles.end()) {
        m_tiles.erase(oldest);
    }
}

} // namespace dorv
