#pragma once

#include "host/SerialPort.h"

#include <QSerialPort>

namespace dorv::gui {

// The CAT port on a serial device: 8 data bits, no parity, 2 stop bits, no flow
// control. Polled: bytesAvailable() looks at the device itself, so bytes that
// arrived are seen without a turn of the event loop. A device that vanishes
// (unplugged adapter, closed pseudo-terminal) closes the port; nothing blocks.
class QtSerialPort : public SerialPort {
public:
    QtSerialPort();

    // The device the next open() uses, e.g. "/dev/ttyUSB0".
    void setDevice(const QString &path) { device_ = path; }

    bool open(const SerialSettings &settings) override;
    void close() override;
    bool isOpen() const override;
    std::string errorString() const override;
    PortRefusal refusal() const override { return refusal_; }

    void write(const Bytes &bytes) override;
    int bytesAvailable() override;
    Bytes read(int maxBytes) override;
    void discardInput() override;
    void setArrivalHandler(std::function<void()> handler) override
    {
        arrival_ = std::move(handler);
    }

private:
    void onError(QSerialPort::SerialPortError error);
    // Writes what the device takes at once; the count written.
    qint64 writeNow(const char *data, qint64 size);
    // Closes a port whose device was lost; true while the port can be used.
    bool usable();

    QSerialPort port_;
    QString device_;
    QString error_;
    PortRefusal refusal_; // why the last open was refused, if the system was asked why
    bool lost_ = false;   // the device failed; closed at the next call
    std::function<void()> arrival_;
};

} // namespace dorv::gui
