#pragma once

#include "net/NetConfig.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace dorv::gui {

// Settings > "Network Server...": the address and port the network control server
// listens on. An address other than loopback shows a warning: the protocol has no
// authentication, so anyone who reaches the port can tune and key the radio.
class NetServerDialog : public QDialog {
    Q_OBJECT
public:
    NetServerDialog(const NetConfig &config, QWidget *parent = nullptr);

    // The configuration with the address and port as edited.
    NetConfig config() const;

private:
    void showWarning();

    NetConfig config_;
    QLineEdit *address_ = nullptr;
    QSpinBox *port_ = nullptr;
    QLabel *warning_ = nullptr;
};

} // namespace dorv::gui
