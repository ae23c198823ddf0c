#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace dorv::test {

// The widget as it paints itself, on a transparent image of its size.
inline QImage render(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Pixels within a small distance of a colour (antialiased edges excluded).
inline int countNear(const QImage &image, const QColor &color, int tolerance = 24)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() > 200 && qAbs(c.red() - color.red()) <= tolerance &&
                qAbs(c.green() - color.green()) <= tolerance &&
                qAbs(c.blue() - color.blue()) <= tolerance)
                ++count;
        }
    }
    return count;
}

inline int distinctColours(const QImage &image)
{
    QList<QRgb> seen;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (!seen.contains(p))
                seen.append(p);
            if (seen.size() > 16)
                return int(seen.size());
        }
    }
    return int(seen.size());
}

} // namespace dorv::test
