#pragma once

#include "host/Host.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace dorv::gui {
class HelpWindow;
}

namespace dorv::gui {

// The platform services of the core, done with Qt on the one UI thread.
class QtHost : public QObject, public Host {
    Q_OBJECT
public:
    explicit QtHost(QObject *parent = nullptr);
    ~QtHost() override;

    // The window message boxes and file dialogs are shown over.
    void setWindow(QWidget *window) { window_ = window; }
    // While quiet, message boxes are not shown and answer as if closed with Escape: the
    // program is ending on a termination signal and nobody is there to answer.
    void setQuiet(bool quiet) { quiet_ = quiet; }

    MsgAnswer messageBox(const std::string &text, const std::string &title, MsgIcon icon,
                         MsgButtons buttons) override;
    void beep() override;
    std::optional<std::string> openFileDialog(const FileDialogRequest &request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest &request) override;
    double now() override;
    void yield() override;
    void yieldUntil(double deadline) override;
    ScreenSize screenSize() override;
    void setBusyPointer(bool busy) override;
    bool showHelp(const std::string &path) override;
    void attachTimer(Timer &timer) override;
    void panelChanged() override { emit panelStateChanged(); }
    void meterChanged() override { emit meterStateChanged(); }

signals:
    void panelStateChanged();
    void meterStateChanged();

private:
    std::optional<std::string> fileDialog(const FileDialogRequest &request, bool save);
    QWidget *dialogParent() const;

    QPointer<QWidget> window_;
    QPointer<HelpWindow> help_; // made when help is first asked for
    QElapsedTimer clock_;
    QTimer wake_; // bounds how long yield() and yieldUntil() sleep when nothing is pending
    bool busy_ = false;
    bool quiet_ = false;
};

} // namespace dorv::gui
