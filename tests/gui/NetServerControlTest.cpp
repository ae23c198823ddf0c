#include "ModalCloser.h"
#include "app/MainWindow.h"
#include "net/NetServerDialog.h"
#include "net/TcpListener.h"

#include <QAction>
#include <QApplication>
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

} // namespace
} // namespace dorv::gui
