#include "app/DeviceChooser.h"

#include "cat/NetworkLink.h"
#include "cat/PortMap.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace dorv::gui {

QList<DeviceChoice> PresentSerialDevices()
{
    QList<DeviceChoice> devices;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        QString label = info.portName();
        if (!info.description().isEmpty()) {
            label += QStringLiteral(" \u2014 ") + info.description();
        }
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            label += QStringLiteral(" (USB %1:%2)")
                         .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                         .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
        }
        devices.append({info.systemLocation(), label});
    }
    return devices;
}

QString DeviceProblem(const QString &path)
{
    if (path == QLatin1String(PortMap::kSimulator)) {
        return {};
    }
    if (path.isEmpty()) {
        return DeviceChooser::tr("No device is named.");
    }
    for (const QChar c : path) {
        if (c.category() == QChar::Other_Control) {
            return DeviceChooser::tr("The path holds a control character.");
        }
    }
    std::string problem;
    if (NetworkLink::IsLink(path.toStdString())) {
        return NetworkLink::Parse(path.toStdString(), problem)
                   ? QString()
                   : DeviceChooser::tr("%1: %2.").arg(path, QString::fromStdString(problem));
    }
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return DeviceChooser::tr("%1: %2.").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!S_ISCHR(info.st_mode)) {
        return DeviceChooser::tr("%1 is not a serial device.").arg(path);
    }
    return {};
}

DeviceChooser::DeviceChooser(const QList<DeviceChoice> &devices, int port, QWidget *parent)
    : QDialog(parent), devices_(devices)
{
    setObjectName(QStringLiteral("frmChooseDevice"));
    setWindowTitle(tr("Choose Serial Device"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(devices.isEmpty() ? tr("No serial device was found.")
                                                   : tr("Serial devices present:"),
                                 this));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstDevices"));
    for (const DeviceChoice &choice : devices) {
        list_->addItem(QStringLiteral("%1\n    %2").arg(choice.device, choice.label));
    }
    layout->addWidget(list_);

    auto *form = new QFormLayout;
    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("txtDevice"));
    path_->setPlaceholderText(tr("/dev/serial/by-id/..., /dev/pts/3, simulator"));
    form->addRow(tr("Device:"), path_);
    link_ = new QLineEdit(this);
    link_->setObjectName(QStringLiteral("txtNetworkLink"));
    link_->setPlaceholderText(tr("tcp://HOST:PORT or rfc2217://HOST:PORT"));
    link_->setToolTip(tr("A radio served over the network, by ser2net or ft897-sim --tcp: "
                         "tcp:// for raw bytes, rfc2217:// when the server lets the rate be "
                         "set. An IPv6 address goes in brackets: tcp://[::1]:4000."));
    form->addRow(tr("Or network link:"), link_);
    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("spnPort"));
    port_->setRange(PortMap::kFirstPort, PortMap::kLastPort);
    port_->setValue(
        port >= PortMap::kFirstPort && port <= PortMap::kLastPort ? port : PortMap::kFirstPort);
    form->addRow(tr("Store as serial port:"), port_);
    layout->addLayout(form);
    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("lblProblem"));
    problem_->setWordWrap(true);
    problem_->hide();
    layout->addWidget(problem_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < devices_.size()) {
            path_->setText(devices_[row].device);
        }
    });
    // One of the two is stored: typing in one clears the other.
    const auto edited = [this, ok](QLineEdit *other, const QString &text) {
        if (!text.isEmpty()) {
            other->clear();
        }
        ok->setEnabled(!device().isEmpty());
        problem_->hide();
    };
    connect(path_, &QLineEdit::textChanged, this,
            [this, edited](const QString &text) { edited(link_, text); });
    connect(link_, &QLineEdit::textChanged, this,
            [this, edited](const QString &text) { edited(path_, text); });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    if (!devices.isEmpty()) {
        list_->setCurrentRow(0);
    }
}

QString DeviceChooser::device() const
{
    const QString link = link_->text().trimmed();
    return link.isEmpty() ? path_->text().trimmed() : link;
}

void DeviceChooser::accept()
{
    const QString problem = device().isEmpty() ? QString() : DeviceProblem(device());
    if (!problem.isEmpty()) {
        problem_->setText(problem);
        problem_->show();
        return;
    }
    QDialog::accept();
}

int DeviceChooser::port() const
{
    return port_->value();
}

} // namespace dorv::gui
