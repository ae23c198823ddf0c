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
    const int top = needed.top() / kTileSize, bottom = needed.bottom() / kTileSize;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            const QRect area(column * kTileSize, row * kTileSize, kTileSize, kTileSize);
            if (region.intersects(area)) {
                painter.drawPixmap(area.topLeft(), tile(QPoint(column, row), ratio, draw));
            }
        }
    }
}

const QPixmap &TileCache::tile(QPoint index, qreal ratio, const Painter &draw)
{
    auto found = m_tiles.find(index);
    if (found == m_tiles.end()) {
        if (m_tiles.size() >= m_maxTiles) {
            dropLeastRecentlyUsed();
        }
        const int pixels = static_cast<int>(std::ceil(kTileSize * ratio));
        QPixmap pixmap(pixels, pixels);
        pixmap.setDevicePixelRatio(ratio);
        QPainter painter(&pixmap);
        painter.translate(-index * kTileSize);
        draw(painter);
        painter.end();
        found = m_tiles.insert(index, Tile{pixmap, 0});
    }
    found->lastUse = ++m_clock;
    return found->pixmap;
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
