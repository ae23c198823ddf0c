#include "app/PortMenu.h"

#include "ModalCloser.h"
#include "PseudoTerminal.h"
#include "app/DeviceChooser.h"
#include "app/MainWindow.h"
#include "app/MenuBarBuilder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace dorv::gui {
namespace {

class PortMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.ok());
        window = std::make_unique<MainWindow>(dir.path());
        portMenu = window->findChild<PortMenu *>();
        ASSERT_NE(portMenu, nullptr);
    }
    QString linkStatus() const
    {
        return window->statusBar()->findChild<QLabel *>("lblLinkStatus")->text();
    }
    QString portsConf() const
    {
        QFile file(QDir(dir.path()).filePath("ports.conf"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    test::PseudoTerminal pty;
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
    PortMenu *portMenu = nullptr;
};

// "Choose device…" lists the devices present and stores the pick as the chosen port,
// which is then opened; the status bar shows device, rate and link state throughout.
TEST_F(PortMenuTest, chooseDevice_storesThePickInThePortMapAndOpensIt)
{
    test::ModalCloser closer;
    EXPECT_EQ(linkStatus(), QString::fromUtf8("None \u00B7 4800 \u00B7 off"));
    portMenu->setDeviceLister([this] {
        return QList<DeviceChoice>{{"/dev/ttyUSB7", "ttyUSB7 \u2014 FT-232R (USB 0403:6001)"},
                                   {pty.slavePath(), "the radio"}};
    });

    portMenu->chooseAction()->trigger();
    auto *chooser = window->findChild<DeviceChooser *>();
    ASSERT_NE(chooser, nullptr);
    auto *list = chooser->findChild<QListWidget *>("lstDevices");
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().contains("USB 0403:6001"));
    list->setCurrentRow(1);
    chooser->findChild<QSpinBox *>("spnPort")->setValue(4);
    chooser->accept();

    EXPECT_TRUE(closer.seen.empty());
    EXPECT_TRUE(portsConf().contains("\n4=" + pty.slavePath() + "\n")) << portsConf().toStdString();
    EXPECT_EQ(window->radio().state.Settings.CommPort, 4);
    EXPECT_TRUE(window->radio().state.PortReady);
    EXPECT_EQ(window->menus()->item("mnuCommPortArray", 4)->text(), "4  " + pty.slavePath());
    EXPECT_EQ(linkStatus(), pty.slavePath() + QString::fromUtf8(" \u00B7 4800 \u00B7 off"));
    EXPECT_EQ(window->radio().panel.LinkStatus, linkStatus().toStdString());
}

// A device the list does not show (a /dev/serial/by-id link, a pseudo-terminal) can be
// typed; it is checked before it is stored, and a path that is no serial device is refused
// with the reason while the dialog stays open.
TEST_F(PortMenuTest, chooseDevice_typedPathIsCheckedThenStored)
{
    portMenu->setDeviceLister([] { return QList<DeviceChoice>{}; });
    const QString before = portsConf();
    portMenu->chooseAction()->trigger();
    auto *chooser = window->findChild<DeviceChooser *>();
    ASSERT_NE(chooser, nullptr);
    auto *path = chooser->findChild<QLineEdit *>("txtDevice");
    auto *problem = chooser->findChild<QLabel *>("lblProblem");
    ASSERT_TRUE(path != nullptr && problem != nullptr);
    QFile plain(QDir(dir.path()).filePath("notes.txt"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QSignalSpy accepted(chooser, &QDialog::accepted);

    for (const QString &wrong :
         {QStringLiteral("/dev/serial/by-id/no-such-radio"), plain.fileName()}) {
        path->setText(wrong);
        chooser->accept();
        EXPECT_EQ(accepted.count(), 0) << wrong.toStdString();
        EXPECT_FALSE(problem->isHidden()) << wrong.toStdString();
        EXPECT_TRUE(problem->text().contains(wrong)) << problem->text().toStdString();
        EXPECT_EQ(portsConf(), before);
    }

    const QString link = QDir(dir.path()).filePath("by-id-radio");
    ASSERT_TRUE(QFile::link(pty.slavePath(), link));
    path->setText(link);
    chooser->findChild<QSpinBox *>("spnPort")->setValue(3);
    chooser->accept();
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_TRUE(portsConf().contains("\n3=" + link + "\n")) << portsConf().toStdString();
    EXPECT_EQ(window->radio().state.Settings.CommPort, 3);
    EXPECT_TRUE(window->radio().state.PortReady);
}

// A radio served over the network is typed as a link; a link the port map would refuse is
// refused here with the same reason, and a good one is stored, opened and shown.
TEST_F(PortMenuTest, chooseDevice_networkLinkIsCheckedThenStoredAndConnects)
{
    QTcpServer far;
    ASSERT_TRUE(far.listen(QHostAddress::LocalHost, 0));
    portMenu->setDeviceLister([this] { return QList<DeviceChoice>{{pty.slavePath(), "pty"}}; });
    const QString before = portsConf();
    portMenu->chooseAction()->trigger();
    auto *chooser = window->findChild<DeviceChooser *>();
    ASSERT_NE(chooser, nullptr);
    auto *path = chooser->findChild<QLineEdit *>("txtDevice");
    auto *link = chooser->findChild<QLineEdit *>("txtNetworkLink");
    auto *problem = chooser->findChild<QLabel *>("lblProblem");
    ASSERT_TRUE(path != nullptr && link != nullptr && problem != nullptr);
    ASSERT_EQ(path->text(), pty.slavePath()); // the first device, picked at the start

    link->setText("tcp://pi.local:99999");
    EXPECT_TRUE(path->text().isEmpty()) << "one of the two is stored, not both";
    chooser->accept();
    EXPECT_FALSE(problem->isHidden());
    EXPECT_TRUE(problem->text().contains("1 to 65535")) << problem->text().toStdString();
    EXPECT_EQ(portsConf(), before);

    const QString url = QStringLiteral("rfc2217://127.0.0.1:%1").arg(far.serverPort());
    link->setText(url);
    chooser->findChild<QSpinBox *>("spnPort")->setValue(2);
    chooser->accept();
    EXPECT_TRUE(portsConf().contains("\n2=" + url + "\n")) << portsConf().toStdString();
    EXPECT_EQ(window->radio().state.Settings.CommPort, 2);
    EXPECT_TRUE(window->radio().state.PortReady);
    EXPECT_EQ(linkStatus(), url + QString::fromUtf8(" \u00B7 4800 \u00B7 off"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return far.hasPendingConnections(); }, 3000));
}

TEST_F(PortMenuTest, chooseDevice_withNoDevicePresentStoresNothing)
{
    portMenu->setDeviceLister([] { return QList<DeviceChoice>{}; });
    const QString before = portsConf();
    portMenu->chooseAction()->trigger();
    auto *chooser = window->findChild<DeviceChooser *>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->device().isEmpty());
    chooser->accept();
    EXPECT_EQ(portsConf(), before);
    EXPECT_EQ(window->radio().state.Settings.CommPort, 10);
}

} // namespace
} // namespace dorv::gui
