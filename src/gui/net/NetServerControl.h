#pragma once

#include "net/NetConfig.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QWidget;

namespace dorv {
class Radio;
}

namespace dorv::gui {

class QtHost;
class RigctlTcpServer;

// Sharing the radio on the network: the Settings menu's check item and address dialog,
// the configuration file, the command line's "--rigctld [ADDR:]PORT" with its client lists,
// and the status bar field with the number of clients connected and turned away.
class NetServerControl : public QObject {
    Q_OBJECT
public:
    NetServerControl(Radio &radio, QtHost &host, QMenu *settings, QStatusBar *bar, QWidget *window);

    // Takes "--rigctld [ADDR:]PORT", "--rigctld-allow NET[,NET...]" and
    // "--rigctld-readonly NET[,NET...]" (or "--option=value") out of the arguments: the
    // server then runs there for this run, letting in the networks listed there, whatever
    // the configuration file says; only its idle limit is the file's. False with the reason
    // in `error` when a value is missing or wrong, when a list comes without a place, or when
    // a place beyond loopback comes without a list.
    bool takeCommandLine(QStringList &arguments, QString &error);
    // Starts serving when the command line or the configuration file asks for it. A failure
    // is shown in the status bar; the panel runs on without the server.
    void start();

private:
    void shareClicked(bool on);
    void editAddress();
    // Listens where `config` says, letting in whom its lists say; on failure keeps the
    // reason for the status bar.
    bool serve(const NetConfig &config);
    void stop();
    void save();
    void showStatus();

    Radio &radio_;
    QWidget *window_;
    RigctlTcpServer *tcp_ = nullptr;
    NetConfig config_;      // as stored in the data directory
    NetConfig commandLine_; // from --rigctld, when given
    bool fromCommandLine_ = false;
    QString failure_;   // why the last start failed; empty when it did not
    QString listening_; // "ADDRESS:PORT" while serving
    QAction *share_ = nullptr;
    QLabel *status_ = nullptr;
};

} // namespace dorv::gui
