#pragma once

#include "net/NetConfig.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace dorv::gui {

// Settings > "Network Server...": the address and port the network control server
// listens on, the client networks it lets in with every command and those it lets in to
// read only, and how long an idle client may stay. An address other than loopback shows a
// warning: the protocol has no password and is not encrypted. OK takes only an address this
// machine can listen on, lists of valid networks, and, beyond loopback, at least one
// network; otherwise the dialog says why and stays.
class NetServerDialog : public QDialog {
    Q_OBJECT
public:
    NetServerDialog(const NetConfig &config, QWidget *parent = nullptr);

    // The configuration as edited.
    NetConfig config() const;

    void accept() override;

private:
    void showWarning();
    // Why the edited configuration cannot serve; empty when it can.
    QString problem() const;

    NetConfig config_;
    QLineEdit *address_ = nullptr;
    QSpinBox *port_ = nullptr;
    QLineEdit *allow_ = nullptr;
    QLineEdit *readOnly_ = nullptr;
    QSpinBox *idle_ = nullptr;
    QLabel *warning_ = nullptr;
    QLabel *problem_ = nullptr;
};

// Why the server cannot listen on `address`, empty when it can: it must be an IPv4 or
// IPv6 literal (or localhost) of this machine. Tried on a spare port, so a server already
// listening on the configured port does not stand in the way.
QString ListenAddressProblem(const QString &address);

} // namespace dorv::gui
