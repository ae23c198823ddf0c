#include "net/NetServerControl.h"

#include "Radio.h"
#include "app/QtHost.h"
#include "net/NetServerDialog.h"
#include "net/RigctlTcpServer.h"
#include "widgets/TextColour.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <cstdio>

namespace dorv::gui {

namespace {
const QString kOption = QStringLiteral("--rigctld");
} // namespace

NetServerControl::NetServerControl(Radio &radio, QtHost &host, QMenu *settings, QStatusBar *bar,
                                   QWidget *window)
    : QObject(window), radio_(radio), window_(window), tcp_(new RigctlTcpServer(radio.net, this)),
      config_(LoadNetConfig(radio.dataDir))
{
    settings->addSeparator();
    share_ = settings->addAction(tr("Share Radio on &Network"));
    share_->setObjectName(QStringLiteral("mnuShareRadio"));
    share_->setCheckable(true);
    share_->setStatusTip(tr("Lets programs that speak hamlib's rigctld protocol read and set "
                            "the radio"));
    connect(share_, &QAction::triggered, this, &NetServerControl::shareClicked);
    QAction *address = settings->addAction(tr("Network &Server..."));
    address->setObjectName(QStringLiteral("mnuNetServer"));
    connect(address, &QAction::triggered, this, &NetServerControl::editAddress);

    status_ = new QLabel(window);
    status_->setObjectName(QStringLiteral("lblNetClients"));
    status_->hide();
    bar->addPermanentWidget(status_);
    connect(&host, &QtHost::panelStateChanged, this, &NetServerControl::showStatus);
}

bool NetServerControl::takeCommandLine(QStringList &arguments, QString &error)
{
    for (int i = 0; i < arguments.size(); ++i) {
        QString value;
        int taken = 0;
        if (arguments[i] == kOption) {
            if (i + 1 >= arguments.size()) {
                error = tr("%1 needs [ADDRESS:]PORT").arg(kOption);
                return false;
            }
            value = arguments[i + 1];
            taken = 2;
        } else if (arguments[i].startsWith(kOption + QLatin1Char('='))) {
            value = arguments[i].mid(kOption.size() + 1);
            taken = 1;
        } else {
            continue;
        }
        const std::optional<NetConfig> place = ParseListenPlace(value.toStdString());
        if (!place) {
            error = tr("%1: \"%2\" is not [ADDRESS:]PORT with a port of 1 to 65535")
                        .arg(kOption, value);
            return false;
        }
        commandLine_ = *place;
        fromCommandLine_ = true;
        arguments.remove(i, taken);
        --i;
    }
    return true;
}

void NetServerControl::start()
{
    if (fromCommandLine_) {
        serve(commandLine_);
    } else if (config_.Enabled) {
        serve(config_);
    }
    showStatus();
}

bool NetServerControl::serve(const NetConfig &config)
{
    QString error;
    const QString address = QString::fromStdString(config.Address);
    if (tcp_->listen(address, static_cast<quint16>(config.Port), error)) {
        failure_.clear();
        listening_ = QStringLiteral("%1:%2").arg(address).arg(config.Port);
    } else {
        failure_ = tr("Network server not started: %1").arg(error);
        listening_.clear();
        std::fprintf(stderr, "%s\n", qPrintable(failure_));
    }
    showStatus();
    return failure_.isEmpty();
}

void NetServerControl::stop()
{
    tcp_->close();
    listening_.clear();
    failure_.clear();
    showStatus();
}

void NetServerControl::save()
{
    if (!SaveNetConfig(radio_.dataDir, config_)) {
        QMessageBox::warning(window_, tr("Network Server"),
                             tr("The network server settings could not be saved in %1.")
                                 .arg(QString::fromStdString(radio_.dataDir)));
    }
}

void NetServerControl::shareClicked(bool on)
{
    fromCommandLine_ = false;
    config_.Enabled = on;
    if (on) {
        if (!serve(config_)) {
            config_.Enabled = false;
            QMessageBox::warning(window_, tr("Network Server"), failure_);
        }
    } else {
        stop();
    }
    save();
}

void NetServerControl::editAddress()
{
    NetServerDialog dialog(config_, window_);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const NetConfig edited = dialog.config();
    config_.Address = edited.Address;
    config_.Port = edited.Port;
    // A server that runs, or that sharing wants running but could not start, moves to the
    // new place at once.
    const bool sharing = !fromCommandLine_ && (config_.Enabled || !failure_.isEmpty());
    if (tcp_->isListening() || sharing || !failure_.isEmpty()) {
        fromCommandLine_ = false;
        if (serve(config_)) {
            config_.Enabled = config_.Enabled || sharing;
        } else {
            QMessageBox::warning(window_, tr("Network Server"), failure_);
        }
    }
    save();
}

void NetServerControl::showStatus()
{
    const bool listening = tcp_->isListening();
    share_->setChecked(listening);
    if (listening) {
        const int clients = radio_.panel.NetClients < 0 ? 0 : radio_.panel.NetClients;
        status_->setText(clients == 1 ? tr("rigctld %1: 1 client").arg(listening_)
                                      : tr("rigctld %1: %2 clients").arg(listening_).arg(clients));
        setTextColour(*status_, QColor());
    } else {
        status_->setText(failure_);
        setTextColour(*status_, kWarningColour);
    }
    status_->setVisible(listening || !failure_.isEmpty());
}

} // namespace dorv::gui
