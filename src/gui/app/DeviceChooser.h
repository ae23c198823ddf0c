#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
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

// Why `path` cannot be stored as a serial port's device, empty when it can: it must be
// the built-in simulator, a character device (a serial port or a pseudo-terminal, also
// through links such as /dev/serial/by-id/...) or a network link the port map takes
// (tcp://HOST:PORT, rfc2217://HOST:PORT).
QString DeviceProblem(const QString &path);

// "Choose device…": lists the serial devices present, takes a typed path as well (a
// pick from the list fills it in) or a network link, and the port number the choice is
// stored under in the port map. OK accepts only a device that passes DeviceProblem; otherwise the
// dialog says why and stays open.
class DeviceChooser : public QDialog {
    Q_OBJECT
public:
    DeviceChooser(const QList<DeviceChoice> &devices, int port, QWidget *parent = nullptr);

    QString device() const; // the network link or the device; empty when none is given
    int port() const;

    void accept() override;

private:
    QList<DeviceChoice> devices_;
    QListWidget *list_ = nullptr;
    QLineEdit *path_ = nullptr;
    QLineEdit *link_ = nullptr;
    QLabel *problem_ = nullptr;
    QSpinBox *port_ = nullptr;
};

} // namespace dorv::gui
