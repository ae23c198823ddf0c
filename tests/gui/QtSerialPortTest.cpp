#include "app/QtSerialPort.h"

#include "PseudoTerminal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace dorv::gui {
namespace {

using test::PseudoTerminal;

class QtSerialPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.ok());
        port.setDevice(pty.slavePath());
        ASSERT_TRUE(port.open({1, 9600})) << port.errorString();
    }

    PseudoTerminal pty;
    QtSerialPort port;
};

TEST_F(QtSerialPortTest, open_setsEightDataBitsNoParityTwoStopBitsAtTheRate)
{
    const termios line = pty.lineSettings();

    EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(line.c_cflag & PARENB, 0u);
    EXPECT_EQ(line.c_cflag & CSTOPB, static_cast<tcflag_t>(CSTOPB));
    EXPECT_EQ(line.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(cfgetospeed(&line), static_cast<speed_t>(B9600));
}

TEST_F(QtSerialPortTest, write_sendsEveryByteUnchanged)
{
    // Line feed, carriage return, XON and XOFF would be changed or eaten by a
    // port that is not raw or that runs software flow control.
    const Bytes frame{0x0A, 0x0D, 0x11, 0x13, 0xFF};
    port.write(frame);

    EXPECT_EQ(pty.read(5), QByteArray("\x0A\x0D\x11\x13\xFF", 5));
}

// The program's write system calls so far (the kernel counts them per process).
long writeCalls()
{
    std::ifstream io("/proc/self/io");
    std::string field;
    long count = -1;
    while (io >> field >> count) {
        if (field == "syscw:") {
            return count;
        }
    }
    return -1;
}

// Every status request is a write. Handing it to Qt's queue arms a write notifier and
// wakes the event loop to put it away again: three more system calls and two more turns
// of the loop per reading. A frame the device takes at once is one write.
TEST_F(QtSerialPortTest, write_isOneSystemCallWhenTheDeviceTakesTheFrame)
{
    constexpr int kFrames = 10;
    // The write calls of kFrames short turns of the event loop, each after `step`.
    const auto callsOver = [](const std::function<void()> &step) {
        QCoreApplication::processEvents();
        const long before = writeCalls();
        for (int frame = 0; frame < kFrames; ++frame) {
            step();
            QEventLoop loop;
            QTimer::singleShot(20, &loop, &QEventLoop::quit);
            loop.exec();
        }
        return writeCalls() - before;
    };
    ASSERT_GE(writeCalls(), 0) << "the kernel does not count write calls";

    const long loopOnly = callsOver([] {});
    const long withFrames = callsOver([&] { port.write({0x00, 0x00, 0x00, 0x00, 0xE7}); });

    EXPECT_EQ(pty.read(5 * kFrames).size(), 5 * kFrames);
    EXPECT_LE(withFrames - loopOnly, kFrames + 2);
}

TEST_F(QtSerialPortTest, arrivingBytesAreToldFromTheEventLoop)
{
    int told = 0;
    port.setArrivalHandler([&] { ++told; });
    pty.write(QByteArray("\x89", 1));

    QElapsedTimer waited;
    waited.start();
    while (told == 0 && waited.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    EXPECT_GE(told, 1);
    EXPECT_EQ(port.read(1), (Bytes{0x89}));
}

TEST_F(QtSerialPortTest, bytesAvailable_seesArrivedBytesWithoutTheEventLoop)
{
    pty.write(QByteArray("\x01\x02\x0A\x0D\x85", 5));

    QElapsedTimer waited;
    waited.start();
    while (port.bytesAvailable() < 5 && waited.elapsed() < 2000) {
        QThread::msleep(5);
    }
    ASSERT_EQ(port.bytesAvailable(), 5);
    EXPECT_EQ(port.read(3), (Bytes{0x01, 0x02, 0x0A}));
    EXPECT_EQ(port.read(5), (Bytes{0x0D, 0x85}));
    EXPECT_EQ(port.bytesAvailable(), 0);
}

TEST_F(QtSerialPortTest, discardInput_dropsWaitingBytes)
{
    pty.write(QByteArray("\x00\x00", 2));
    QElapsedTimer waited;
    waited.start();
    while (port.bytesAvailable() < 2 && waited.elapsed() < 2000) {
        QThread::msleep(5);
    }

    port.discardInput();

    EXPECT_EQ(port.bytesAvailable(), 0);
}

TEST_F(QtSerialPortTest, vanishedDevice_closesThePortWithoutHanging)
{
    pty.hangUp();
    QElapsedTimer elapsed;
    elapsed.start();

    for (int i = 0; i < 20 && port.isOpen(); ++i) {
        port.write({0x00, 0x00, 0x00, 0x00, 0xE7});
        EXPECT_EQ(port.bytesAvailable(), 0);
        EXPECT_TRUE(port.read(5).empty());
    }

    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.errorString().empty());
    EXPECT_LT(elapsed.elapsed(), 1000);
}

TEST(QtSerialPortOpenTest, open_failsWithTheSystemReasonForAMissingDevice)
{
    QtSerialPort port;
    port.setDevice("/nonexistent/ttyDORV");

    EXPECT_FALSE(port.open({1, 4800}));
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.errorString().empty());
    // Polling and writing a port that never opened is harmless.
    port.write({0x00, 0x00, 0x00, 0x00, 0x03});
    EXPECT_EQ(port.bytesAvailable(), 0);
}

} // namespace
} // namespace dorv::gui
