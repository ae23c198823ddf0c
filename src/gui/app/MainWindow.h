#pragma once

#include "Radio.h"
#include "app/PanelChanges.h"
#include "app/PortRouter.h"
#include "app/QtHost.h"
#include "widgets/OnDemandWindow.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>

namespace dorv::gui {

class AboutDialog;
class FrontPanel;
class KeyHoldFilter;
class LinkStatusField;
class LockDialog;
class MemoryManagerWindow;
class MenuBarBuilder;
class NetServerControl;
class PortMenu;
class ScopeWindow;
class SettingsDialogViews;
class StatusMessage;
class WindowPlacer;

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
    // The memory manager window while it is open, else null.
    MemoryManagerWindow *memoryManager() const;
    NetServerControl *netServer() const { return net_; }

    // Runs the core's start-up: reads the data files and applies the settings, waits with
    // the splash up, then calls showMainWindow.
    void load(const std::function<void()> &showMainWindow);

    // Redraws the caption, the menus, the panel and its dialogs from the panel state.
    void render();
    // Redraws the meter and BUSY after a status reading that changed nothing else.
    void renderMeter();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void buildMenus();
    // Shown while the serial device is gone or the radio stops answering the status polls.
    void buildNoReplyMessage();
    // Key preview: the window sees every key before its controls.
    void installKeyPreview();
    // Selects the serial port and the link rate the settings hold.
    void selectStoredPortAndRate();
    void applyLayout();
    void renderAll();
    void showMemoryManager();
    void raiseMemoryManager();
    // Connects a window made on demand to the redraw after its actions.
    template <typename Window> Window *wired(Window *window);

    // Declared in this order so the radio goes before the host and port it uses.
    QtHost host_;
    PortRouter port_;
    dorv::Radio radio_;

    FrontPanel *panel_ = nullptr;
    MenuBarBuilder *menus_ = nullptr;
    OnDemandWindow<LockDialog> lockDialog_;
    OnDemandWindow<AboutDialog> aboutDialog_;
    SettingsDialogViews *settingsDialogs_ = nullptr;
    OnDemandWindow<ScopeWindow> scope_;
    QPointer<MemoryManagerWindow> memoryManager_; // while the manager is open
    NetServerControl *net_ = nullptr;
    KeyHoldFilter *keyHold_ = nullptr;
    LinkStatusField *linkStatus_ = nullptr;
    PortMenu *portMenu_ = nullptr;
    WindowPlacer *placer_ = nullptr;
    StatusMessage *noReply_ = nullptr;
    // The frame position last taken from or given to the panel state, in pixels; none
    // before the first layout, so that 0/0 is applied too.
    std::optional<QPoint> placed_;
    PanelChanges changes_;
};

} // namespace dorv::gui
