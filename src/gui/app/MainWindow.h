#pragma once

#include "Radio.h"
#include "app/PanelChanges.h"
#include "app/PortRouter.h"
#include "app/QtHost.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QLabel;

namespace dorv::gui {

class AboutDialog;
class FrontPanel;
class LockDialog;
class MemoryManagerWindow;
class MenuBarBuilder;
class SettingsDialogViews;
class ScopeWindow;

// The main window (frmRadio): the menus and the front panel. It owns the radio, forwards
// every input to the core and redraws the panel state after every change.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const QString &dataDir, QWidget *parent = nullptr);
    ~MainWindow() override;

    dorv::Radio &radio() { return radio_; }
    QtHost &host() { return host_; }
    FrontPanel *frontPanel() const { return panel_; }
    MenuBarBuilder *menus() const { return menus_; }
    ScopeWindow *scopeWindow() const { return scope_; }
    // The memory manager window while it is open, else null.
    MemoryManagerWindow *memoryManager() const;

    // Runs the core's start-up: reads the data files and applies the settings, waits with
    // the splash up, then calls showMainWindow.
    void load(const std::function<void()> &showMainWindow);

    // Redraws the caption, the menus, the panel and its dialogs from the panel state.
    void render();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void showPortDevices();
    void applyLayout();
    void showMemoryManager();

    // Declared in this order so the radio goes before the host and port it uses.
    QtHost host_;
    PortRouter port_;
    dorv::Radio radio_;

    FrontPanel *panel_ = nullptr;
    MenuBarBuilder *menus_ = nullptr;
    LockDialog *lockDialog_ = nullptr;
    AboutDialog *aboutDialog_ = nullptr;
    SettingsDialogViews *settingsDialogs_ = nullptr;
    ScopeWindow *scope_ = nullptr;
    QPointer<MemoryManagerWindow> memoryManager_; // while the manager is open
    QLabel *noReply_ = nullptr;
    QPoint placed_; // the window position last taken from the panel state, in pixels
    PanelChanges changes_;
};

} // namespace dorv::gui
