// Painting from tiles: the same pixels as drawing straight onto the window, the missing
// tiles of a row drawn together once while they are kept, and no more tiles kept than
// allowed.
#include "widgets/TileCache.h"

#include "widgets/FaceWidget.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace dorv {
namespace {

constexpr int kTile = TileCache::kTileSize;

// A drawing with antialiased curves and a gradient, counting how often it is drawn.
struct Drawing {
    int draws = 0;
    void operator()(QPainter &painter)
    {
        ++draws;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(QRect(0, 0, 8 * kTile, 4 * kTile), Qt::black);
        QLinearGradient shade(0, 0, 0, 4 * kTile);
        shade.setColorAt(0, QColor(120, 124, 130));
        shade.setColorAt(1, QColor(16, 17, 19));
        painter.setBrush(shade);
        painter.setPen(QPen(QColor(0, 200, 240), 1.5));
        painter.drawEllipse(QRectF(7.3, 5.6, 6.5 * kTile, 3.3 * kTile));
    }
};

class TileCacheTest : public ::testing::Test {
protected:
    TileCacheTest() { widget.resize(8 * kTile, 4 * kTile); }

    // Paints region of the drawing through the cache onto a fresh image.
    QImage painted(TileCache &cache, const QRegion &region)
    {
        QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::red);
        QPainter painter(&image);
        painter.setClipRegion(region);
        cache.paint(painter, widget, region, [this](QPainter &p) { drawing(p); });
        return image;
    }

    QImage direct()
    {
        Drawing once;
        QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        once(painter);
        return image;
    }

    QWidget widget;
    Drawing drawing;
};

TEST_F(TileCacheTest, partialRepaint_matchesTheDirectDrawingAndDrawsEachRowOnce)
{
    TileCache cache(64);
    // Crosses tile edges and the ellipse's antialiased outline.
    const QRegion region = QRegion(20, 10, 70, 50) + QRegion(150, 90, 30, 30);
    const QImage first = painted(cache, region);
    const QImage whole = direct();
    for (const QRect &rect : region) {
        EXPECT_EQ(first.copy(rect), whole.copy(rect)) << "in " << rect.x() << "," << rect.y();
    }
    const int tiles = cache.tileCount();
    EXPECT_EQ(tiles, 10);        // 3 x 2 for the first rectangle, 2 x 2 for the second
    EXPECT_EQ(drawing.draws, 4); // one strip for each of the four rows of tiles

    EXPECT_EQ(painted(cache, region), first);
    EXPECT_EQ(drawing.draws, 4) << "kept tiles are not drawn again";
}

TEST_F(TileCacheTest, rowWiderThanTheCache_isStillPaintedWhole)
{
    TileCache cache(2);
    const QRect strip(10, 40, 4 * kTile, 8); // five tiles of one row
    const QImage image = painted(cache, QRegion(strip));
    EXPECT_EQ(image.copy(strip), direct().copy(strip));
    EXPECT_LE(cache.tileCount(), 2);
}

TEST_F(TileCacheTest, wholeRepaint_drawsStraightAndKeepsNothing)
{
    TileCache cache(64);
    EXPECT_EQ(painted(cache, QRegion(widget.rect())), direct());
    EXPECT_EQ(drawing.draws, 1);
    EXPECT_EQ(cache.tileCount(), 0);
}

TEST_F(TileCacheTest, full_dropsTheLeastRecentlyUsedTile)
{
    TileCache cache(3);
    const auto tile = [](int column) { return QRegion(column * kTile + 1, 1, 2, 2); };
    painted(cache, tile(0));
    painted(cache, tile(1));
    painted(cache, tile(2));
    painted(cache, tile(0)); // tile 1 is now the least recently used
    painted(cache, tile(3));
    EXPECT_EQ(cache.tileCount(), 3);
    EXPECT_EQ(drawing.draws, 4);
    painted(cache, tile(0));
    EXPECT_EQ(drawing.draws, 4) << "tile 0 was kept";
    painted(cache, tile(1));
    EXPECT_EQ(drawing.draws, 5) << "tile 1 was dropped";
}

// The face under one readout digit, repainted through its tiles, is the face as drawn whole.
TEST(FaceTiles, digitCellRepaint_matchesTheWholeFace)
{
    FaceWidget face;
    face.resize(1024, 420);
    face.setDisplayColor(QColor(0, 200, 240));
    QImage whole(face.size(), QImage::Format_ARGB32_Premultiplied);
    face.render(&whole);
    const QRect cell(517, 61, 41, 63);
    QImage partial(face.size(), QImage::Format_ARGB32_Premultiplied);
    partial.fill(Qt::red);
    face.render(&partial, cell.topLeft(), QRegion(cell));
    EXPECT_EQ(partial.copy(cell), whole.copy(cell));
}

} // namespace
} // namespace dorv
