#pragma once

#include "app/DeviceChooser.h"

#include <QObject>
#include <QStringList>
#include <functional>

class QAction;
class QWidget;

namespace dorv {
class Radio;
}

namespace dorv::gui {

class MenuBarBuilder;

// The Serial Port menu beyond its numbered choices: each item shows its device from the
// port map ("1  /dev/ttyUSB0"), read again whenever the menu opens, and a last item
// "Choose device…" stores one of the serial devices present as a port and selects it.
class PortMenu : public QObject {
    Q_OBJECT
public:
    PortMenu(MenuBarBuilder &menus, Radio &radio, QWidget *window);

    // Puts the devices on the numbered items; the menu builder writes the bare numbers.
    void render();

    // The devices the chooser offers; the machine's serial devices unless replaced.
    void setDeviceLister(std::function<QList<DeviceChoice>()> lister);
    QAction *chooseAction() const { return choose_; }
    // The device of serial port n as the port map had it when last read.
    QString device(int n) const { return ports_.value(n).device; }

signals:
    // The port map or the chosen port changed; the window redraws.
    void acted();

private:
    void readDevices();
    void openChooser();
    void store(int port, const QString &device);

    MenuBarBuilder &menus_;
    Radio &radio_;
    QWidget *window_;
    QAction *choose_ = nullptr;
    struct Port {
        QString device;
        QString tip; // the device, or the reason the port map's line is unusable
    };
    QList<Port> ports_; // by port number, index 0 unused
    std::function<QList<DeviceChoice>()> lister_ = PresentSerialDevices;
};

} // namespace dorv::gui
