#pragma once

#include "Radio.h"
#include "app/PortRouter.h"
#include "app/QtHost.h"

#include <QMainWindow>

namespace dorv::gui {

class FrontPanel;
class MenuBarBuilder;

// The main window (frmRadio): the menus and the front panel. It owns the radio, forwards
// every input to the core and redraws the panel state after every change.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const QString &dataDir, QWidget *parent = nullptr);
    ~MainWindow() override;

    dorv::Radio &radio() { return radio_; }
    FrontPanel *frontPanel() const { return panel_; }
    MenuBarBuilder *menus() const { return menus_; }

    // Redraws the caption, the menus and the panel from the panel state.
    void render();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPortDevices();
    void applyLayout();

    // Declared in this order so the radio goes before the host and port it uses.
    QtHost host_;
    PortRouter port_;
    dorv::Radio radio_;

    FrontPanel *panel_ = nullptr;
    MenuBarBuilder *menus_ = nullptr;
};

} // namespace dorv::gui
