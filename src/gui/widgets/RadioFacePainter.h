#pragma once

#include <QColor>
#include <QList>
#include <QRectF>

class QPainter;

namespace dorv {

// Which face the panel wears: only the LCD, or the whole front of the transceiver.
enum class FaceStyle { Lcd, Radio };

// Full colour draws shaded surfaces; Reduced keeps to flat fills from a 16-colour palette
// for displays with few colours.
enum class ColourSet { Full, Reduced };

struct FaceColors {
    QColor body;
    QColor bevelLight;
    QColor bevelDark;
    QColor displayFrame;
    QColor grilleHole;
    QColor well;
    bool shaded = true;

    static FaceColors forSet(ColourSet set);
    // The backlit display: RGB 0,200,240 in full colour, 0,255,255 (cyan) in the reduced set.
    static QColor displayLit(ColourSet set);
    // The display with the backlight off.
    static QColor displayDark(ColourSet set);
};

// Where the parts of the Radio face lie, as fractions of the face's width and height.
struct FaceLayout {
    QRectF display{0.24, 0.07, 0.52, 0.47};
    QRectF speaker{0.025, 0.07, 0.19, 0.40};
    QList<QRectF> knobWells; // recessed rings drawn under the knobs
};

// Draws a face, vector only, into any rectangle.
class RadioFacePainter {
public:
    RadioFacePainter(FaceStyle style, ColourSet set);

    // The display window in area coordinates for this face.
    QRectF displayRect(const QRectF &area, const FaceLayout &layout) const;

    void paint(QPainter &painter, const QRectF &area, const FaceLayout &layout,
               const QColor &displayColor) const;

private:
    void paintBody(QPainter &painter, const QRectF &area) const;
    void paintDisplayWindow(QPainter &painter, const QRectF &window, const QColor &fill,
                            qreal unit) const;
    void paintGrille(QPainter &painter, const QRectF &grille, qreal unit) const;
    void paintWell(QPainter &painter, const QRectF &well, qreal unit) const;

    FaceStyle style_;
    FaceColors colors_;
};

} // namespace dorv
