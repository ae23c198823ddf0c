#include "app/QtSerialPort.h"

#include "app/DeviceRefusal.h"

#include <cerrno>
#include <unistd.h>

namespace dorv::gui {

namespace {

// Bytes that may wait unsent before output is dropped: a radio that stopped
// reading must not make the buffer grow without end. Commands are never
// confirmed, so a lost one is the same as one the radio did not hear.
constexpr qint64 kMaxPendingOutput = 4096;

} // namespace

QtSerialPort::QtSerialPort()
{
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { onError(error); });
    QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] {
        if (arrival_) {
            arrival_();
        }
    });
}

bool QtSerialPort::open(const SerialSettings &settings)
{
    close();
    error_.clear();
    refusal_ = {};
    lost_ = false;
    port_.setPortName(device_);
    if (!port_.open(QIODevice::ReadWrite)) {
        error_ = port_.errorString();
        // Qt says "permission" for a device the user may not use and for one that another
        // program holds; the system tells which.
        if (port_.error() == QSerialPort::PermissionError) {
            refusal_ = DiagnoseRefusal(device_.toStdString(), error_.toStdString());
        }
        return false;
    }
    const bool configured =
        port_.setBaudRate(settings.baudRate) && port_.setDataBits(QSerialPort::Data8) &&
        port_.setParity(QSerialPort::NoParity) && port_.setStopBits(QSerialPort::TwoStop) &&
        port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        error_ = port_.errorString();
        port_.close();
        return false;
    }
    port_.clear();
    return true;
}

void QtSerialPort::close()
{
    if (port_.isOpen()) {
        port_.close();
    }
}

bool QtSerialPort::isOpen() const
{
    return port_.isOpen() && !lost_;
}

bool QtSerialPort::usable()
{
    if (lost_ && port_.isOpen()) {
        port_.close();
    }
    return port_.isOpen();
}

std::string QtSerialPort::errorString() const
{
    return (error_.isEmpty() ? port_.errorString() : error_).toStdString();
}

void QtSerialPort::write(const Bytes &bytes)
{
    if (!usable()) {
        return;
    }
    // A device that takes nothing (flow stopped, radio gone) must not grow the backlog
    // forever. The new frame is dropped whole rather than clearing what is queued, which
    // could cut a frame in two and shift every later frame at the radio.
    if (port_.bytesToWrite() + static_cast<qint64>(bytes.size()) > kMaxPendingOutput) {
        return;
    }
    const auto *data = reinterpret_cast<const char *>(bytes.data());
    const auto size = static_cast<qint64>(bytes.size());
    const qint64 sent = port_.bytesToWrite() == 0 ? writeNow(data, size) : 0;
    if (sent < size) {
        port_.write(data + sent, size - sent);
        // Hands to the device what it takes now, without waiting for the rest.
        port_.flush();
    }
    usable();
}

// With nothing queued, a frame goes straight to the device: Qt's queue would arm a
// write notifier for it and wake the event loop twice more for every frame. What the
// device does not take now (a full output buffer, an error) is left to Qt's queue,
// which keeps it in order and reports a failing device as it always does.
qint64 QtSerialPort::writeNow(const char *data, qint64 size)
{
    ssize_t sent = -1;
    do {
        sent = ::write(port_.handle(), data, static_cast<size_t>(size));
    } while (sent < 0 && errno == EINTR);
    return sent < 0 ? 0 : static_cast<qint64>(sent);
}

int QtSerialPort::bytesAvailable()
{
    if (!usable()) {
        return 0;
    }
    if (port_.bytesAvailable() == 0) {
        port_.waitForReadyRead(0);
    }
    return usable() ? static_cast<int>(port_.bytesAvailable()) : 0;
}

Bytes QtSerialPort::read(int maxBytes)
{
    if (!usable() || maxBytes <= 0) {
        return {};
    }
    const QByteArray data = port_.read(maxBytes);
    return Bytes(data.begin(), data.end());
}

void QtSerialPort::discardInput()
{
    if (usable()) {
        port_.clear(QSerialPort::Input);
    }
}

void QtSerialPort::onError(QSerialPort::SerialPortError error)
{
    // The device is gone. The port is closed at the next call rather than here,
    // inside the port's own notification.
    if (error == QSerialPort::ResourceError || error == QSerialPort::DeviceNotFoundError) {
        error_ = port_.errorString();
        lost_ = true;
    }
}

} // namespace dorv::gui
