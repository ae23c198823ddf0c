#pragma once

#include <QObject>

namespace dorv::gui {

// Turns SIGTERM, SIGINT and SIGHUP into an orderly close of every window, the
// same way out as the close box, instead of ending the process mid-write.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    // Emitted before the windows are closed.
    void terminating();

private:
    void onSignal();
};

} // namespace dorv::gui
