#include "app/MainWindow.h"

#include "ModalCloser.h"
#include "PseudoTerminal.h"
#include "net/NetServerControl.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace dorv::gui {
namespace {

using test::ModalCloser;
using test::PseudoTerminal;

constexpr const char *kMissingDevice = "/nonexistent/ttyDORV";

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.ok());
        writePorts(QStringLiteral("1=%1\n2=%2\n").arg(kMissingDevice, pty.slavePath()));
        window = std::make_unique<MainWindow>(dir.path());
    }

    void writePorts(const QString &text)
    {
        QFile file(dir.filePath("ports.conf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }

    QAction *action(const QString &name) const
    {
        auto *found = window->findChild<QAction *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QAction *portItem(int index) const
    {
        return action(QStringLiteral("mnuCommPortArray_%1").arg(index));
    }
    QAction *rateItem(int index) const
    {
        return action(QStringLiteral("mnuCatRate_%1").arg(index));
    }

    // The indexes of the port items that carry a check mark.
    std::vector<int> checkedPorts() const
    {
        std::vector<int> checked;
        for (int i = 1; i <= 10; ++i) {
            if (portItem(i)->isChecked()) {
                checked.push_back(i);
            }
        }
        return checked;
    }

    PseudoTerminal pty;
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, startsWithCaptionAndNoPort)
{
    EXPECT_EQ(window->windowTitle(), "DORV FT-897");
    EXPECT_EQ(checkedPorts(), std::vector<int>{10});
    EXPECT_TRUE(rateItem(0)->isChecked());
    EXPECT_FALSE(window->radio().state.PortReady);
}

// Every menu lists its items in index order with the captions of the behaviour; "-" is a
// separator, and indexes without an item are hidden.
TEST_F(MainWindowTest, menus_listTheirItemsByIndexWithTheirCaptions)
{
    const QList<QAction *> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->text(), "&File");
    EXPECT_EQ(top[1]->text(), "&Settings");
    EXPECT_EQ(top[2]->text(), "&Memory");
    EXPECT_EQ(top[3]->text(), "&Help");

    const std::vector<std::pair<QString, QStringList>> menus{
        {"mnuFileArray",
         {"New", "Open...", "-", "Save", "Save As...", "-", "Lock Menus...", "Unlock Menus...", "-",
          "Exit"}},
        {"mnuSettingsArray",
         {"Serial Port", "CAT Rate", "Update Intervals", "Display", "-", "", "", "",
          "Tuning Steps...", "Repeater Shifts...", "-", "CTCSS Tones...", "DCS Codes...", "-",
          "Tune to Radio on Start-up", "Transmit Time-out"}},
        {"mnuDelayArray", {"Scanning", "Meter", "PRI Monitor", "", "Pause"}},
        {"mnuScanSpeed",
         {"1000 ms.", "500 ms.", "400 ms.", "300 ms.", "250 ms.", "200 ms.", "OFF"}},
        {"mnuMeterSpeed",
         {"1000 ms.", "500 ms.", "400 ms.", "300 ms.", "200 ms.", "100 ms.", "OFF"}},
        {"mnuPRIspeed", {"15 sec.", "10 sec.", "5 sec.", "OFF"}},
        {"mnuPauseInterval", {"30 sec.", "15 sec.", "5 sec.", "3 sec.", "OFF"}},
        {"mnuTxTimeOut", {"OFF", "1 min.", "2 min.", "3 min.", "5 min.", "10 min.", "15 min."}},
        {"mnuResizeDisplayArray",
         {"Small", "Medium", "Large", "-", "LCD", "Radio", "-", "16 Bit Colors", "8 Bit Colors"}},
        {"mnuMemoryArray", {"Manager..."}},
        {"mnuHelpArray", {"Contents", "-", "About DORV FT-897"}},
    };
    for (const auto &[array, captions] : menus) {
        QList<QAction *> shown;
        for (int i = 0; i < captions.size(); ++i) {
            QAction *item = action(QStringLiteral("%1_%2").arg(array).arg(i));
            ASSERT_NE(item, nullptr);
            const QString where = QStringLiteral("%1_%2").arg(array).arg(i);
            if (captions[i].isEmpty()) {
                EXPECT_FALSE(item->isVisible()) << where.toStdString();
                continue;
            }
            EXPECT_TRUE(item->isVisible()) << where.toStdString();
            EXPECT_EQ(item->isSeparator(), captions[i] == "-") << where.toStdString();
            if (captions[i] != "-") {
                EXPECT_EQ(item->text(), captions[i]) << where.toStdString();
            }
            shown << item;
        }
        // The menu shows them in index order.
        QString menuName = array;
        menuName.remove("Array");
        if (array == "mnuDelayArray" || array == "mnuResizeDisplayArray") {
            menuName = array;
        }
        const auto *menu = window->findChild<QMenu *>(menuName);
        ASSERT_NE(menu, nullptr) << menuName.toStdString();
        QList<QAction *> inMenu;
        for (QAction *a : menu->actions()) {
            if (a->isVisible()) {
                inMenu << a;
            }
        }
        // The network server adds its own items after the Settings menu's.
        QStringList extra;
        for (QAction *a : inMenu.mid(shown.size())) {
            extra << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        const QStringList expectedExtra =
            array == "mnuSettingsArray"
                ? QStringList{"-", "Share Radio on &Network", "Network &Server..."}
                : QStringList{};
        EXPECT_EQ(inMenu.mid(0, shown.size()), shown) << array.toStdString();
        EXPECT_EQ(extra, expectedExtra) << array.toStdString();
    }
    // Serial port items 1..9 with their devices and "None", the three rates.
    for (int i = 1; i <= 10; ++i) {
        const QString text = portItem(i)->text();
        EXPECT_TRUE(i == 10 ? text == "None" : text.startsWith(QString::number(i) + "  "))
            << text.toStdString();
    }
    const QStringList rateCaptions{"4800 bps", "9600 bps", "38400 bps"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rateItem(i)->text(), rateCaptions[i]);
    }
}

TEST_F(MainWindowTest, portItems_showTheirDevicesFromThePortMap)
{
    EXPECT_EQ(portItem(1)->statusTip(), kMissingDevice);
    EXPECT_EQ(portItem(2)->statusTip(), pty.slavePath());
    EXPECT_EQ(portItem(3)->statusTip(), "/dev/ttyUSB2");
    EXPECT_EQ(portItem(9)->statusTip(), "simulator");
    EXPECT_EQ(portItem(2)->text(), "2  " + pty.slavePath());
    EXPECT_EQ(portItem(9)->text(), "9  simulator");

    // An edit of the file shows the next time the menu opens.
    writePorts("3=/dev/ttyCAT\n");
    emit window->findChild<QMenu *>("mnuCommPortArray")->aboutToShow();
    EXPECT_EQ(portItem(3)->statusTip(), "/dev/ttyCAT");
    EXPECT_EQ(portItem(3)->text(), "3  /dev/ttyCAT");
    window->render();
    EXPECT_EQ(portItem(3)->text(), "3  /dev/ttyCAT");
}

// A device name the serial library would take as a broken file name: the item says why
// the port is unusable, and picking it is refused with that reason instead of crashing.
TEST_F(MainWindowTest, portWithNulInItsDeviceName_isUnusableWithTheReason)
{
    writePorts(QString::fromLatin1("1=/dev/n\0ull\n2=/dev/ttyCAT\n", 27));
    emit window->findChild<QMenu *>("mnuCommPortArray")->aboutToShow();
    EXPECT_EQ(portItem(1)->statusTip(),
              "Unusable: the device name in ports.conf holds a control character");
    EXPECT_EQ(portItem(2)->statusTip(), "/dev/ttyCAT");

    ModalCloser closer;
    portItem(1)->trigger();
    ASSERT_EQ(closer.seen.size(), 1u);
    EXPECT_EQ(closer.seen[0].text,
              "Communications port 1 error. Port 1 is unusable: the device name in ports.conf "
              "holds a control character. Please select a new comm port from the Settings Menu.");
    EXPECT_EQ(checkedPorts(), std::vector<int>{10});
}

TEST_F(MainWindowTest, pickingAMissingDevice_reportsTheErrorAndTicksNone)
{
    ModalCloser closer;

    portItem(1)->trigger();

    ASSERT_EQ(closer.seen.size(), 1u);
    const QString text = closer.seen[0].text;
    EXPECT_TRUE(text.startsWith("Communications port 1 error. ")) << text.toStdString();
    EXPECT_TRUE(text.endsWith(". Please select a new comm port from the Settings Menu."))
        << text.toStdString();
    EXPECT_TRUE(text.contains(kMissingDevice)) << text.toStdString();
    EXPECT_EQ(closer.seen[0].title, "Open Communications Port");
    EXPECT_EQ(closer.seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(closer.seen[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(checkedPorts(), std::vector<int>{10});
    EXPECT_FALSE(window->radio().state.PortReady);
    EXPECT_EQ(window->radio().state.Settings.CommPort, 1);
}

TEST_F(MainWindowTest, pickingAPseudoTerminal_opensItAndFramesArriveUnchanged)
{
    ModalCloser closer;

    portItem(2)->trigger();

    EXPECT_TRUE(closer.seen.empty());
    EXPECT_EQ(checkedPorts(), std::vector<int>{2});
    ASSERT_TRUE(window->radio().state.PortReady);

    window->radio().link.write({0x14, 0x54, 0x30, 0x0A, 0x01});
    window->radio().link.write({0x0D, 0x11, 0x13, 0x00, 0xF9});
    EXPECT_EQ(pty.read(10), QByteArray("\x14\x54\x30\x0A\x01\x0D\x11\x13\x00\xF9", 10));

    // "None" keeps the device open but the link is no longer ready.
    portItem(10)->trigger();
    EXPECT_EQ(checkedPorts(), std::vector<int>{10});
    EXPECT_FALSE(window->radio().state.PortReady);
}

TEST_F(MainWindowTest, rateItems_tickTheChosenRate)
{
    portItem(2)->trigger();
    for (int index : {2, 1, 0, 2}) {
        rateItem(index)->trigger();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(rateItem(i)->isChecked(), i == index) << "picked " << index;
        }
        EXPECT_EQ(window->radio().state.Settings.CatRate, index);
        EXPECT_TRUE(window->radio().state.PortReady) << "reopened at the new rate";
    }
}

#ifdef DORV_WITH_SIMULATOR
TEST_F(MainWindowTest, simulatorPort_answersAFrequencyRequest)
{
    ModalCloser closer;
    portItem(9)->trigger();
    ASSERT_TRUE(closer.seen.empty());
    EXPECT_EQ(checkedPorts(), std::vector<int>{9});

    Radio &radio = window->radio();
    radio.link.write({0x00, 0x00, 0x00, 0x00, 0x03});
    const double start = radio.host.now();
    while (radio.port.bytesAvailable() < 5 && radio.host.now() - start < 2.0) {
        radio.host.yield();
    }
    EXPECT_EQ(radio.port.read(5).size(), 5u);
}
#endif

// A display size change resizes the window where the user left it.
TEST_F(MainWindowTest, displaySizeChange_keepsTheWindowWhereTheUserMovedIt)
{
    window->show();
    QElapsedTimer clock; // the first placement settles first
    clock.start();
    while (clock.elapsed() < 3500) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    window->move(300, 200);
    QApplication::processEvents();
    ASSERT_EQ(window->pos(), QPoint(300, 200));

    for (int size : {0, 1}) { // Small, then Medium
        action(QStringLiteral("mnuResizeDisplayArray_%1").arg(size))->trigger();
        QApplication::processEvents();
        EXPECT_EQ(window->pos(), QPoint(300, 200)) << "after size " << size;
    }
    EXPECT_EQ(window->radio().state.Settings.WindowLeft, 300 * 15);
    EXPECT_EQ(window->radio().state.Settings.WindowTop, 200 * 15);
}

// A long warning beside the link field and the network field is read whole at every
// display size and face: it wraps, a device path included, and the bar grows to hold it.
TEST_F(MainWindowTest, longStatusMessage_isFullyVisibleAtEverySize)
{
    QStringList args{"dorv-ft897", "--rigctld", "127.0.0.1:45897"};
    QString error;
    ASSERT_TRUE(window->netServer()->takeCommandLine(args, error));
    window->netServer()->start();
    window->show();
    PanelState &panel = window->radio().panel;
    panel.PortGone = true;
    panel.PortGoneDevice = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
    for (int item : {0, 1, 2, 4, 0, 5}) { // Small, Medium, Large; LCD small; Radio small
        action(QStringLiteral("mnuResizeDisplayArray_%1").arg(item))->trigger();
        window->radio().host.panelChanged();
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
        }
        const auto *message = window->statusBar()->findChild<QLabel *>("lblNoReply");
        const auto *net = window->statusBar()->findChild<QLabel *>("lblNetClients");
        ASSERT_NE(message, nullptr);
        ASSERT_TRUE(message->isVisible() && net->isVisible());
        const std::string where = "display item " + std::to_string(item);
        const QRect room = message->contentsRect();
        const QRect needed = message->fontMetrics().boundingRect(QRect(0, 0, room.width(), 100000),
                                                                 Qt::TextWordWrap, message->text());
        EXPECT_LE(needed.width(), room.width()) << where;
        EXPECT_LE(needed.height(), room.height()) << where;
        EXPECT_TRUE(message->text().contains("is gone")) << where;
        const QRect inWindow(message->mapTo(window.get(), QPoint(0, 0)), message->size());
        EXPECT_TRUE(window->rect().contains(inWindow)) << where;
    }
}

TEST_F(MainWindowTest, exit_closesTheWindow)
{
    window->show();
    ASSERT_TRUE(window->isVisible());

    action("mnuFileArray_9")->trigger();

    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace dorv::gui
