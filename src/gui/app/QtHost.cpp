#include "app/QtHost.h"

#include "app/FileFilter.h"
#include "app/HelpWindow.h"
#include "host/Timer.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace dorv::gui {

namespace {

// How long yield() waits for an event when none is pending, in milliseconds.
// Waits in the core loop on yield(); this keeps them from spinning a core.
constexpr int kYieldWaitMs = 1;
// The longest yieldUntil() sleeps in one go; an event ends the sleep sooner.
constexpr int kLongestSleepMs = 60 * 60 * 1000;

QMessageBox::Icon qtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

// The answer a box gives when it is closed by its close box or Escape.
MsgAnswer escapeAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
        return MsgAnswer::Cancel;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::Ok:
        break;
    }
    return MsgAnswer::Ok;
}

} // namespace

QtHost::QtHost(QObject *parent) : QObject(parent)
{
    clock_.start();
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
}

QtHost::~QtHost()
{
    if (busy_) {
        QApplication::restoreOverrideCursor();
    }
}

MsgAnswer QtHost::messageBox(const std::string &text, const std::string &title, MsgIcon icon,
                             MsgButtons buttons)
{
    if (quiet_) {
        return escapeAnswer(buttons);
    }
    QMessageBox box(qtIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                    qtButtons(buttons), dialogParent());
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgAnswer::Ok;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    default:
        return escapeAnswer(buttons);
    }
}

void QtHost::beep()
{
    QApplication::beep();
}

std::optional<std::string> QtHost::openFileDialog(const FileDialogRequest &request)
{
    return fileDialog(request, false);
}

std::optional<std::string> QtHost::saveFileDialog(const FileDialogRequest &request)
{
    return fileDialog(request, true);
}

std::optional<std::string> QtHost::fileDialog(const FileDialogRequest &request, bool save)
{
    QFileDialog dialog(dialogParent(), QString::fromStdString(request.title),
                       QString::fromStdString(request.initialPath));
    dialog.setNameFilters(qtNameFilters(QString::fromStdString(request.filter)));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
}

// Dialogs open over the window the user works in (the main window or one it opened).
QWidget *QtHost::dialogParent() const
{
    QWidget *active = QApplication::activeWindow();
    return active != nullptr ? active : window_.data();
}

double QtHost::now()
{
    return static_cast<double>(clock_.nsecsElapsed()) / 1e9;
}

void QtHost::yield()
{
    // Runs what is pending; when nothing is, sleeps until an event comes or
    // the short wake-up timer fires, so a wait loop never busy-spins.
    wake_.start(kYieldWaitMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake_.stop();
}

void QtHost::yieldUntil(double deadline)
{
    const double left = std::ceil((deadline - now()) * 1000.0);
    wake_.start(static_cast<int>(std::clamp(left, double(kYieldWaitMs), double(kLongestSleepMs))));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    wake_.stop();
}

ScreenSize QtHost::screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QSize size = screen->size();
    return {size.width(), size.height()};
}

void QtHost::setBusyPointer(bool busy)
{
    if (busy == busy_) {
        return;
    }
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

// A bare name is looked for beside the program, then where an installation keeps it.
bool QtHost::showHelp(const std::string &path)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString name = QString::fromStdString(path);
    for (const QString &dir :
         {programDir.path(), programDir.filePath(QStringLiteral("../share/dorv-ft897"))}) {
        const QFileInfo file(QDir(dir), name);
        if (file.isFile()) {
            if (help_ == nullptr) {
                help_ = new HelpWindow(window_);
            }
            help_->showFile(file.absoluteFilePath());
            return true;
        }
    }
    return false;
}

void QtHost::attachTimer(Timer &timer)
{
    auto *qtimer = new QTimer(this);
    qtimer->setObjectName(QString::fromStdString(timer.name()));
    qtimer->setTimerType(Qt::PreciseTimer);
    connect(qtimer, &QTimer::timeout, qtimer, [&timer] { timer.fire(); });
    auto follow = [qtimer, &timer] {
        if (timer.enabled() && timer.interval() > 0) {
            // Restart only on a real change: a running timer keeps its phase.
            if (!qtimer->isActive() || qtimer->interval() != timer.interval()) {
                qtimer->start(timer.interval());
            }
        } else {
            qtimer->stop();
        }
    };
    timer.setChangeListener(follow);
    follow();
}

} // namespace dorv::gui
