#include "net/NetServerDialog.h"

#include "net/TcpListener.h"
#include "widgets/TextColour.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstring>

namespace dorv::gui {

QString ListenAddressProblem(const QString &address)
{
    const std::optional<SocketAddress> socket = IpSocketAddress(address, 0);
    if (!socket) {
        return NetServerDialog::tr("\"%1\" is not an IPv4 or IPv6 address.").arg(address);
    }
    TcpListener probe;
    if (const int error = probe.listen(*socket); error != 0) {
        return NetServerDialog::tr("This machine cannot listen on %1: %2.")
            .arg(address, QString::fromLocal8Bit(std::strerror(error)));
    }
    return {};
}

NetServerDialog::NetServerDialog(const NetConfig &config, QWidget *parent)
    : QDialog(parent), config_(config)
{
    setObjectName(QStringLiteral("dlgNetServer"));
    setWindowTitle(tr("Network Server"));
    address_ = new QLineEdit(QString::fromStdString(config.Address), this);
    address_->setObjectName(QStringLiteral("txtAddress"));
    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("txtPort"));
    port_->setRange(1, 65535);
    port_->setValue(config.Port);
    warning_ = new QLabel(tr("Warning: the rigctld protocol has no authentication. Anyone who "
                             "can reach this address can tune the radio and key its "
                             "transmitter. Use 127.0.0.1 unless you trust the network."),
                          this);
    warning_->setObjectName(QStringLiteral("lblWarning"));
    warning_->setWordWrap(true);
    setTextColour(*warning_, kWarningColour);

    auto *form = new QFormLayout;
    form->addRow(tr("&Address:"), address_);
    form->addRow(tr("&Port:"), port_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Programs that speak hamlib's network protocol (model 2) "
                                    "connect here to read and set the radio."),
                                 this));
    layout->addLayout(form);
    layout->addWidget(warning_);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("lblProblem"));
    problem_->setWordWrap(true);
    setTextColour(*problem_, kWarningColour);
    problem_->hide();
    layout->addWidget(problem_);
    layout->addWidget(buttons);
    connect(address_, &QLineEdit::textChanged, this, &NetServerDialog::showWarning);
    showWarning();
}

void NetServerDialog::accept()
{
    const QString problem = ListenAddressProblem(QString::fromStdString(config().Address));
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    if (problem.isEmpty()) {
        QDialog::accept();
    }
}

void NetServerDialog::showWarning()
{
    warning_->setVisible(!IsLoopbackAddress(address_->text().trimmed().toStdString()));
}

NetConfig NetServerDialog::config() const
{
    NetConfig config = config_;
    const QString address = address_->text().trimmed();
    config.Address = address.isEmpty() ? NetConfig::kLoopback : address.toStdString();
    config.Port = port_->value();
    return config;
}

} // namespace dorv::gui
