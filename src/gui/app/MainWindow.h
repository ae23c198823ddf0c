#pragma once

#include "Radio.h"
#include "app/PortRouter.h"
#include "app/QtHost.h"

#include <QMainWindow>
#include <QVector>

class QAction;
class QMenu;

namespace dorv::gui {

// The main window (frmRadio): the menus and, in the middle, the panel. It owns
// the radio and draws its panel state after every change.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const QString &dataDir, QWidget *parent = nullptr);
    ~MainWindow() override;

    dorv::Radio &radio() { return radio_; }

private:
    void buildMenus();
    // One checkable action per item of a core menu array, calling its handler.
    QVector<QAction *> addMenuArray(QMenu *menu, const char *name, const MenuArray &items,
                                    int firstIndex, void (CatLink::*handler)(int));
    void showPortDevices();
    void render();

    // Declared in this order so the radio goes before the host and port it uses.
    QtHost host_;
    PortRouter port_;
    dorv::Radio radio_;

    QVector<QAction *> portActions_; // index 0 = port item 1
    QVector<QAction *> rateActions_;
};

} // namespace dorv::gui
