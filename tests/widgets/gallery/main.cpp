#include "Gallery.h"

#include <QApplication>

// widget_gallery [width] [radio|lcd] [full|reduced]: shows the panel widgets on a face of
// the given window width (640, 800 or 1024 for the three display sizes).
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int width = args.size() > 1 ? args[1].toInt() : 800;
    const auto style =
        args.size() > 2 && args[2] == "lcd" ? dorv::FaceStyle::Lcd : dorv::FaceStyle::Radio;
    const auto set =
        args.size() > 3 && args[3] == "reduced" ? dorv::ColourSet::Reduced : dorv::ColourSet::Full;
    dorv::Gallery gallery(style, set);
    // The radio face is about 2.4 times as wide as high; the LCD face only shows the display.
    const double ratio = style == dorv::FaceStyle::Radio ? 0.42 : 0.25;
    gallery.resize(width, int(width * ratio));
    gallery.move(0, 0);
    gallery.show();
    return app.exec();
}
