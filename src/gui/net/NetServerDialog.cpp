#include "net/NetServerDialog.h"

#include "net/ClientAccess.h"
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
    allow_ = new QLineEdit(QString::fromStdString(JoinNetworkList(config.Allow)), this);
    allow_->setObjectName(QStringLiteral("txtAllow"));
    allow_->setPlaceholderText(tr("e.g. 192.168.1.0/24, 2001:db8::/32, 127.0.0.1"));
    readOnly_ = new QLineEdit(QString::fromStdString(JoinNetworkList(config.ReadOnly)), this);
    readOnly_->setObjectName(QStringLiteral("txtReadOnly"));
    readOnly_->setPlaceholderText(tr("e.g. 192.168.1.50"));
    idle_ = new QSpinBox(this);
    idle_->setObjectName(QStringLiteral("txtIdleSeconds"));
    idle_->setRange(0, NetConfig::kMaxIdleSeconds);
    idle_->setSuffix(tr(" s"));
    idle_->setSpecialValueText(tr("never"));
    idle_->setValue(config.IdleSeconds);
    warning_ = new QLabel(tr("Warning: the rigctld protocol has no password and is not "
                             "encrypted. Anyone on a listed network can tune the radio and key "
                             "its transmitter. Across the internet, use an SSH tunnel to "
                             "127.0.0.1 instead."),
                          this);
    warning_->setObjectName(QStringLiteral("lblWarning"));
    warning_->setWordWrap(true);
    setTextColour(*warning_, kWarningColour);

    auto *form = new QFormLayout;
    form->addRow(tr("&Address:"), address_);
    form->addRow(tr("&Port:"), port_);
    form->addRow(tr("A&llowed clients:"), allow_);
    form->addRow(tr("&Read-only clients:"), readOnly_);
    form->addRow(tr("Drop &idle clients after:"), idle_);
    auto *lists = new QLabel(tr("On 127.0.0.1 every program on this computer gets in. Once "
                                "a list names a network (192.168.1.0/24, 2001:db8::/32 or one "
                                "address), only clients on a listed network get in; on "
                                "any other address a list is needed. Read-only clients may "
                                "read the radio but not change it."),
                             this);
    lists->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Programs that speak hamlib's network protocol (model 2) "
                                    "connect here to read and set the radio."),
                                 this));
    layout->addLayout(form);
    layout->addWidget(lists);
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

QString NetServerDialog::problem() const
{
    const NetConfig edited = config();
    const QString address = ListenAddressProblem(QString::fromStdString(edited.Address));
    if (!address.isEmpty()) {
        return address;
    }
    std::string problem;
    if (!AccessRulesFor(edited, problem)) {
        QString text = QString::fromStdString(problem);
        text[0] = text[0].toUpper();
        if (edited.Allow.empty() && edited.ReadOnly.empty()) {
            text += tr(": name them under Allowed clients, such as 192.168.1.0/24");
        }
        return text + QLatin1Char('.');
    }
    return {};
}

void NetServerDialog::accept()
{
    const QString problem = this->problem();
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
    config.Allow = SplitNetworkList(allow_->text().toStdString());
    config.ReadOnly = SplitNetworkList(readOnly_->text().toStdString());
    config.IdleSeconds = idle_->value();
    return config;
}

} // namespace dorv::gui
