#pragma once

#include "model/PanelState.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace dorv::gui {

// Keeps a text dump of the panel in a file, rewritten whenever it changes, for
// end-to-end tests and bug reports. Enabled by the DORV_PANEL_DUMP environment variable.
// Two lines come from the face as drawn: OnAirLamp, whether the transmit lamp is lit, and
// last, FaceOnScreen, where the face lies on the screen (x y width height in pixels), so
// that a test driving the mouse can find the keys.
class PanelDumpWriter : public QObject {
    Q_OBJECT
public:
    PanelDumpWriter(const dorv::PanelState &panel, const QWidget *face, QString path,
                    QObject *parent);

    // A writer when DORV_PANEL_DUMP names a file, otherwise none.
    static void installIfRequested(const dorv::PanelState &panel, const QWidget *face,
                                   QObject *parent);

private:
    void writeIfChanged();

    const dorv::PanelState &panel_;
    QPointer<const QWidget> face_;
    QString path_;
    std::string last_;
    QTimer timer_;
};

} // namespace dorv::gui
