#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QListWidget;
class QSpinBox;

namespace dorv::gui {

// A serial device present on the machine, as the chooser lists it.
struct DeviceChoice {
    QString device; // the path to open, e.g. /dev/ttyUSB0
    QString label;  // name, description and USB id
};

// The serial devices present now (QSerialPortInfo).
QList<DeviceChoice> PresentSerialDevices();

// "Choose device…": lists the serial devices present and the port number the choice is
// stored under in the port map.
class DeviceChooser : public QDialog {
    Q_OBJECT
public:
    DeviceChooser(const QList<DeviceChoice> &devices, int port, QWidget *parent = nullptr);

    QString device() const; // empty when none is picked
    int port() const;

private:
    QList<DeviceChoice> devices_;
    QListWidget *list_ = nullptr;
    QSpinBox *port_ = nullptr;
};

} // namespace dorv::gui
