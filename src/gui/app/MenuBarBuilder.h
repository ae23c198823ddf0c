#pragma once

#include "Radio.h"

#include <QHash>
#include <QObject>
#include <QVector>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace dorv::gui {

// The main window's menus, built from the panel state's menu arrays with every item at
// its index, and redrawn from them (captions, check marks, enabled and visible flags).
// Each item calls the core handler of its array.
class MenuBarBuilder : public QObject {
    Q_OBJECT
public:
    MenuBarBuilder(QMenuBar *bar, Radio &radio, QObject *parent = nullptr);

    // Item index of a menu array, e.g. ("mnuFileArray", 9); null when there is none.
    QAction *item(const QString &array, int index) const;
    QMenu *menu(const QString &name) const { return menus_.value(name); }

    void render();

signals:
    // A core handler ran; the window redraws from the panel state.
    void acted();

private:
    struct Array {
        MenuArray PanelState::*items = nullptr;
        QVector<QAction *> actions; // by index; null below the array's first index
    };
    using Click = std::function<void(Radio &, int)>;

    void addSettingsMenu();
    QMenu *addMenu(QMenu *parent, const QString &name, const QString &title);
    // Adds the items of one array; items whose index has a submenu in `submenus` open it.
    // `checkable` lists the indexes that carry check marks.
    void addArray(QMenu *menu, const QString &name, MenuArray PanelState::*items, Click click,
                  const QList<int> &checkable, int firstIndex = 0,
                  const QHash<int, QString> &submenus = {});

    QMenuBar *bar_;
    Radio &radio_;
    QHash<QString, Array> arrays_;
    QHash<QString, QMenu *> menus_;
    QHash<QString, MenuItem PanelState::*> topMenus_;
};

} // namespace dorv::gui
