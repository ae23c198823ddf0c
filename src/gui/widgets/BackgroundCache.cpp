#include "BackgroundCache.h"

#include <QPainter>
#include <QWidget>

namespace dorv {

const QPixmap &BackgroundCache::get(const QWidget &widget, const Painter &draw)
{
    const qreal ratio = widget.devicePixelRatioF();
    const QSize pixels = widget.size() * ratio;
    if (m_pixmap.isNull() || m_pixmap.size() != pixels || m_pixmap.devicePixelRatio() != ratio) {
        m_pixmap = QPixmap(pixels);
        m_pixmap.setDevicePixelRatio(ratio);
        m_pixmap.fill(Qt::transparent);
        QPainter painter(&m_pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }
    return m_pixmap;
}

} // namespace dorv
