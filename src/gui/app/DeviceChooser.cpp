#include "app/DeviceChooser.h"

#include "cat/PortMap.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QSpinBox>
#include <QVBoxLayout>

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
    port_ = new QSpinBox(this);
    port_->setObjectName(QStringLiteral("spnPort"));
    port_->setRange(PortMap::kFirstPort, PortMap::kLastPort);
    port_->setValue(
        port >= PortMap::kFirstPort && port <= PortMap::kLastPort ? port : PortMap::kFirstPort);
    form->addRow(tr("Store as serial port:"), port_);
    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(list_, &QListWidget::currentRowChanged, ok,
            [ok](int row) { ok->setEnabled(row >= 0); });
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
    const int row = list_->currentRow();
    return row >= 0 && row < devices_.size() ? devices_[row].device : QString();
}

int DeviceChooser::port() const
{
    return port_->value();
}

} // namespace dorv::gui
