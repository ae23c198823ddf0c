#include "net/NetServerControl.h"

#include "Radio.h"
#include "app/QtHost.h"
#include "net/ClientAccess.h"
#include "net/ClientNetworks.h"
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
const QString kAllowOption = QStringLiteral("--rigctld-allow");
const QString kReadOnlyOption = QStringLiteral("--rigctld-readonly");

// Takes every "NAME VALUE" and "NAME=VALUE" out of the arguments, the values in order into
// `values`; false with the reason in `error` when the last has no value.
bool TakeOption(QStringList &arguments, const QString &name, const QString &valueName,
                QStringList &values, QString &error)
{
    for (int i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == name) {
            if (i + 1 >= arguments.size()) {
                error = NetServerControl::tr("%1 needs %2").arg(name, valueName);
                return false;
            }
            values.append(arguments[i + 1]);
            arguments.remove(i, 2);
            --i;
        } else if (arguments[i].startsWith(name + QLatin1Char('='))) {
            values.append(arguments[i].mid(name.size() + 1));
            arguments.remove(i);
            --i;
        }
    }
    return true;
}

std::vector<std::string> NetworkEntries(const QStringList &values)
{
    std::vector<std::string> entries;
    for (const QString &value : values) {
        for (const std::string &entry : SplitNetworkList(value.toStdString())) {
            entries.push_back(entry);
        }
    }
    return entries;
}

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
    const QString networks = QStringLiteral("NET[,NET...]");
    QStringList places, allow, readOnly;
    if (!TakeOption(arguments, kOption, QStringLiteral("[ADDRESS:]PORT"), places, error) ||
        !TakeOption(arguments, kAllowOption, networks, allow, error) ||
        !TakeOption(arguments, kReadOnlyOption, networks, readOnly, error)) {
        return false;
    }
    if (places.isEmpty()) {
        if (!allow.isEmpty() || !readOnly.isEmpty()) {
            error = tr("%1 and %2 go with %3 [ADDRESS:]PORT")
                        .arg(kAllowOption, kReadOnlyOption, kOption);
            return false;
        }
        return true;
    }
    for (const QString &value : places) {
        const std::optional<NetConfig> place = ParseListenPlace(value.toStdString());
        if (!place) {
            error = tr("%1: \"%2\" is not [ADDRESS:]PORT with a port of 1 to 65535")
                        .arg(kOption, value);
            return false;
        }
        commandLine_ = *place;
    }
    commandLine_.Allow = NetworkEntries(allow);
    commandLine_.ReadOnly = NetworkEntries(readOnly);
    commandLine_.IdleSeconds = config_.IdleSeconds;
    std::string problem;
    const std::pair<QString, const std::vector<std::string> *> lists[] = {
        {kAllowOption, &commandLine_.Allow}, {kReadOnlyOption, &commandLine_.ReadOnly}};
    for (const auto &[option, entries] : lists) {
        if (!ParseClientNetworks(*entries, problem)) {
            error = QStringLiteral("%1: %2").arg(option, QString::fromStdString(problem));
            return false;
        }
    }
    if (!AccessRulesFor(commandLine_, problem)) {
        error = tr("%1 %2: %3: give %4 %5 or %6 %5")
                    .arg(kOption, places.last(), QString::fromStdString(problem), kAllowOption,
                         networks, kReadOnlyOption);
        return false;
    }
    fromCommandLine_ = true;
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
    std::string problem;
    const std::optional<AccessRules> rules = AccessRulesFor(config, problem);
    if (!rules) {
        tcp_->close();
        error = QString::fromStdString(problem) + QLatin1Char('.');
    } else {
        tcp_->setRules(*rules, config.IdleSeconds);
    }
    if (rules && tcp_->listen(address, static_cast<quint16>(config.Port), error)) {
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
    config_ = dialog.config();
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
        const int refused = radio_.panel.NetRefused;
        QString text = clients == 1 ? tr("rigctld %1: 1 client").arg(listening_)
                                    : tr("rigctld %1: %2 clients").arg(listening_).arg(clients);
        if (refused > 0) {
            text += tr(", %1 refused").arg(refused);
        }
        status_->setText(text);
        setTextColour(*status_, QColor());
    } else {
        status_->setText(failure_);
        setTextColour(*status_, kWarningColour);
    }
    status_->setVisible(listening || !failure_.isEmpty());
}

} // namespace dorv::gui
