#include "net/NetServerControl.h"

#include "ModalCloser.h"
#include "Radio.h"
#include "app/MainWindow.h"
#include "net/NetServerDialog.h"
#include "net/TcpListener.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace dorv::gui {
namespace {

// An address this machine cannot listen on is refused in the dialog, with the reason;
// the dialog stays open until the address can be served.
TEST(NetServerDialog, refusesAnAddressThisMachineCannotServe)
{
    NetConfig config;
    NetServerDialog dialog(config);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    auto *address = dialog.findChild<QLineEdit *>("txtAddress");
    auto *problem = dialog.findChild<QLabel *>("lblProblem");
    ASSERT_TRUE(address != nullptr && problem != nullptr);
    for (const char *wrong : {"192.0.2.1", "radio.example", "127.0.0.1:4532"}) {
        address->setText(QString::fromLatin1(wrong));
        dialog.accept();
        EXPECT_EQ(accepted.count(), 0) << wrong;
        EXPECT_FALSE(problem->isHidden()) << wrong;
        EXPECT_TRUE(problem->text().contains(QString::fromLatin1(wrong)))
            << problem->text().toStdString();
    }
    address->setText(QStringLiteral("127.0.0.2"));
    dialog.accept();
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(dialog.config().Address, "127.0.0.2");
}

// The lists and the idle time are edited in the dialog. A wrong network is named, and a
// server beyond loopback with no list is refused with the reason; nothing is dropped quietly.
TEST(NetServerDialog, takesTheClientListsAndRefusesAWrongOneOrNoneBeyondLoopback)
{
    NetConfig config;
    config.ReadOnly = {"127.0.0.3"};
    NetServerDialog dialog(config);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    auto *address = dialog.findChild<QLineEdit *>("txtAddress");
    auto *allow = dialog.findChild<QLineEdit *>("txtAllow");
    auto *readOnly = dialog.findChild<QLineEdit *>("txtReadOnly");
    auto *idle = dialog.findChild<QSpinBox *>("txtIdleSeconds");
    auto *problem = dialog.findChild<QLabel *>("lblProblem");
    ASSERT_TRUE(address && allow && readOnly && idle && problem);
    EXPECT_EQ(readOnly->text(), "127.0.0.3");
    EXPECT_EQ(idle->value(), 300);

    address->setText(QStringLiteral("0.0.0.0"));
    allow->setText(QStringLiteral("192.168.1.0/24, 192.168.2.300"));
    dialog.accept();
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_TRUE(problem->text().contains("192.168.2.300")) << problem->text().toStdString();
    EXPECT_TRUE(problem->text().contains("Allowed")) << problem->text().toStdString();

    allow->clear();
    readOnly->clear();
    dialog.accept();
    EXPECT_EQ(accepted.count(), 0);
    EXPECT_TRUE(problem->text().contains("0.0.0.0") && problem->text().contains("list"))
        << problem->text().toStdString();

    allow->setText(QStringLiteral("192.168.1.0/24 2001:db8::/32"));
    readOnly->setText(QStringLiteral("192.168.1.50,"));
    idle->setValue(0);
    dialog.accept();
    ASSERT_EQ(accepted.count(), 1) << problem->text().toStdString();
    const NetConfig edited = dialog.config();
    EXPECT_EQ(edited.Allow, (std::vector<std::string>{"192.168.1.0/24", "2001:db8::/32"}));
    EXPECT_EQ(edited.ReadOnly, std::vector<std::string>{"192.168.1.50"});
    EXPECT_EQ(edited.IdleSeconds, 0);
    EXPECT_EQ(idle->text(), "never");
}

// Sharing was turned on but the server could not start (its port was taken): correcting
// the place in the dialog starts it there, without ticking "Share Radio on Network" again.
TEST(NetServerControl, correctedPlace_startsTheServerThatSharingWants)
{
    test::ModalCloser closer;
    QTemporaryDir dir;
    MainWindow window(dir.path());
    TcpListener taken;
    ASSERT_EQ(taken.listen(*IpSocketAddress(QStringLiteral("127.0.0.1"), 45898)), 0);
    const auto editPlace = [&](quint16 port) {
        QTimer::singleShot(0, [port] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (auto *dialog = qobject_cast<NetServerDialog *>(top)) {
                    dialog->findChild<QSpinBox *>("txtPort")->setValue(port);
                    dialog->accept();
                }
            }
        });
        window.findChild<QAction *>("mnuNetServer")->trigger();
    };
    auto *status = window.statusBar()->findChild<QLabel *>("lblNetClients");

    editPlace(45898);
    window.findChild<QAction *>("mnuShareRadio")->trigger();
    ASSERT_FALSE(status->isHidden());
    EXPECT_TRUE(status->text().startsWith("Network server not started"))
        << status->text().toStdString();

    editPlace(45899);
    EXPECT_EQ(status->text(), "rigctld 127.0.0.1:45899: 0 clients");
    EXPECT_TRUE(window.findChild<QAction *>("mnuShareRadio")->isChecked());
}

// Sharing beyond loopback with no list is refused with the reason; with a list, a client
// from elsewhere is closed and counted in the status bar.
TEST(NetServerControl, listsFromTheFile_areKeptAndRefusedClientsCounted)
{
    test::ModalCloser closer;
    QTemporaryDir dir;
    NetConfig config;
    config.Address = "0.0.0.0";
    config.Port = 45897;
    ASSERT_TRUE(SaveNetConfig(dir.path().toStdString(), config));
    MainWindow window(dir.path());
    auto *share = window.findChild<QAction *>("mnuShareRadio");
    auto *status = window.statusBar()->findChild<QLabel *>("lblNetClients");
    share->trigger();
    EXPECT_FALSE(share->isChecked());
    EXPECT_TRUE(status->text().contains("needs a list")) << status->text().toStdString();

    config.Address = "127.0.0.1";
    config.Allow = {"127.0.0.1"};
    config.Enabled = true;
    ASSERT_TRUE(SaveNetConfig(dir.path().toStdString(), config));
    MainWindow serving(dir.path());
    serving.netServer()->start();
    status = serving.statusBar()->findChild<QLabel *>("lblNetClients");
    ASSERT_EQ(status->text(), "rigctld 127.0.0.1:45897: 0 clients");
    const int stranger = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in from{AF_INET, 0, {htonl(0x7f000002)}, {}};
    sockaddr_in to{AF_INET, htons(45897), {htonl(INADDR_LOOPBACK)}, {}};
    ::bind(stranger, reinterpret_cast<sockaddr *>(&from), sizeof from);
    ASSERT_EQ(::connect(stranger, reinterpret_cast<sockaddr *>(&to), sizeof to), 0);
    QElapsedTimer clock;
    clock.start();
    while (serving.radio().panel.NetRefused == 0 && clock.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_EQ(status->text(), "rigctld 127.0.0.1:45897: 0 clients, 1 refused");
    ::close(stranger);
}

} // namespace
} // namespace dorv::gui
