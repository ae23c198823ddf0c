#pragma once

#include "panel/PanelState.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace dorv::gui {

// Keeps a text dump of the panel in a file, rewritten whenever it changes, for
// end-to-end tests and bug reports. Enabled by the DORV_PANEL_DUMP environment variable.
class PanelDumpWriter : public QObject {
    Q_OBJECT
public:
    PanelDumpWriter(const dorv::PanelState &panel, QString path, QObject *parent);

    // A writer when DORV_PANEL_DUMP names a file, otherwise none.
    static void installIfRequested(const dorv::PanelState &panel, QObject *parent);

private:
    void writeIfChanged();

    const dorv::PanelState &panel_;
    QString path_;
    std::string last_;
    QTimer timer_;
};

} // namespace dorv::gui
