#include "BackgroundCache.h"

#include <QPainter>
#include <QWidget>

namespace dorv {

const QPixmap &BackgroundCache::get(const QWidget &widget, const Painter &draw)
{
    const qreal ratio = widget.devicePixelRatioF();
    const QSize pixels = widget.size() * ratio;
    if (pixmap_.isNull() || pixmap_.size() != pixels || pixmap_.devicePixelRatio() != ratio) {
        pixmap_ = QPixmap(pixels);
        pixmap_.setDevicePixelRatio(ratio);
        pixmap_.fill(Qt::transparent);
        QPainter painter(&pixmap_);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }
    return pixmap_;
}

} // namespace dorv
