#include "app/PortMenu.h"

#include "Radio.h"
#include "app/MenuBarBuilder.h"
#include "cat/PortMap.h"
#include "cat/PortMapEdit.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>

namespace dorv::gui {

namespace {
const QString kPortArray = QStringLiteral("mnuCommPortArray");
}

PortMenu::PortMenu(MenuBarBuilder &menus, Radio &radio, QWidget *window)
    : QObject(window), menus_(menus), radio_(radio), window_(window)
{
    QMenu *menu = menus_.menu(kPortArray);
    menu->addSeparator();
    choose_ = menu->addAction(tr("Choose device\u2026"));
    choose_->setObjectName(QStringLiteral("mnuChooseDevice"));
    connect(choose_, &QAction::triggered, this, &PortMenu::openChooser);
    // Read each time the menu opens, so edits of ports.conf show at once.
    connect(menu, &QMenu::aboutToShow, this, [this] {
        readDevices();
        render();
    });
    readDevices();
}

void PortMenu::setDeviceLister(std::function<QList<DeviceChoice>()> lister)
{
    lister_ = std::move(lister);
}

void PortMenu::readDevices()
{
    const PortMap map = PortMap::Load(radio_.dataDir);
    ports_ = {Port{}};
    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n) {
        ports_.append(
            {QString::fromStdString(map.device(n)), QString::fromStdString(map.describe(n))});
    }
}

void PortMenu::render()
{
    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort; ++n) {
        QAction *action = menus_.item(kPortArray, n);
        if (action == nullptr) {
            continue;
        }
        const Port port = ports_.value(n);
        const QString number = QString::fromStdString(radio_.panel.mnuCommPortArray[n].Caption);
        action->setText(number + QStringLiteral("  ") + port.device);
        // The tip names the device, or why the port map's line for it cannot be used.
        action->setStatusTip(port.tip);
        action->setToolTip(port.tip);
    }
}

void PortMenu::openChooser()
{
    auto *chooser = new DeviceChooser(lister_(), radio_.state.Settings.CommPort, window_);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &QDialog::accepted, this, [this, chooser] {
        if (!chooser->device().isEmpty()) {
            store(chooser->port(), chooser->device());
        }
    });
    chooser->open();
}

// The device goes into the port map, then the port is selected as from its menu item.
void PortMenu::store(int port, const QString &device)
{
    std::string error;
    if (!StorePortDevice(radio_.dataDir, port, device.toStdString(), error)) {
        QMessageBox::warning(
            window_, tr("Choose Serial Device"),
            tr("The port list could not be saved: %1.").arg(QString::fromStdString(error)));
        return;
    }
    readDevices();
    radio_.link.mnuCommPortArray_Click(port);
    emit acted();
}

} // namespace dorv::gui
