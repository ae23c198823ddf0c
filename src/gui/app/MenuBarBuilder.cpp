#include "app/MenuBarBuilder.h"

#include "model/MenuCaptions.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace dorv::gui {

namespace {

QString caption(const MenuItem &item)
{
    return QString::fromStdString(item.Caption);
}

// Check marks: every item of a choice menu, or the listed indexes.
const QList<int> kAllChecked{-1};

bool isSeparator(const MenuItem &item)
{
    return item.Caption == "-";
}

} // namespace

MenuBarBuilder::MenuBarBuilder(QMenuBar *bar, Radio &radio, QObject *parent)
    : QObject(parent), bar_(bar), radio_(radio)
{
    using P = PanelState;
    // The wiring of each menu array to its core handler. An empty handler is one the core
    // does not provide yet.
    QMenu *file = addMenu(nullptr, "mnuFile", "&File");
    addArray(file, "mnuFileArray", &P::mnuFileArray,
             [](Radio &r, int i) { r.app.mnuFileArray_Click(i); }, {});

    addSettingsMenu();

    QMenu *memory = addMenu(nullptr, "mnuMemory", "&Memory");
    topMenus_.insert("mnuMemory", &P::mnuMemory);
    addArray(memory, "mnuMemoryArray", &P::mnuMemoryArray,
             [](Radio &r, int i) { r.app.mnuMemoryArray_Click(i); }, {});

    QMenu *help = addMenu(nullptr, "mnuHelp", "&Help");
    topMenus_.insert("mnuHelp", &P::mnuHelp);
    addArray(help, "mnuHelpArray", &P::mnuHelpArray,
             [](Radio &r, int i) { r.app.mnuHelpArray_Click(i); }, {});
    render();
}

// Settings holds the port, the link rate, the intervals, the display (size, face, colours)
// and the transmit time-out, each in a submenu of its own.
void MenuBarBuilder::addSettingsMenu()
{
    using P = PanelState;
    QMenu *settings = addMenu(nullptr, "mnuSettings", "&Settings");
    topMenus_.insert("mnuSettings", &P::mnuSettings);
    addArray(settings, "mnuSettingsArray", &P::mnuSettingsArray,
             [](Radio &r, int i) { r.app.mnuSettingsArray_Click(i); }, {kTuneOnStartupItem}, 0,
             {{0, "mnuCommPortArray"},
              {1, "mnuCatRate"},
              {2, "mnuDelayArray"},
              {3, "mnuResizeDisplayArray"},
              {kTxTimeOutItem, "mnuTxTimeOut"}});
    addArray(
        menu("mnuCommPortArray"), "mnuCommPortArray", &P::mnuCommPortArray,
        [](Radio &r, int i) { r.link.mnuCommPortArray_Click(i); }, kAllChecked, 1);
    addArray(
        menu("mnuCatRate"), "mnuCatRate", &P::mnuCatRate,
        [](Radio &r, int i) { r.link.mnuCatRate_Click(i); }, kAllChecked);
    addArray(
        menu("mnuDelayArray"), "mnuDelayArray", &P::mnuDelayArray, {}, {}, 0,
        {{0, "mnuScanSpeed"}, {1, "mnuMeterSpeed"}, {2, "mnuPRIspeed"}, {4, "mnuPauseInterval"}});
    addArray(
        menu("mnuScanSpeed"), "mnuScanSpeed", &P::mnuScanSpeed,
        [](Radio &r, int i) { r.intervals.mnuScanSpeed_Click(i); }, kAllChecked);
    addArray(
        menu("mnuMeterSpeed"), "mnuMeterSpeed", &P::mnuMeterSpeed,
        [](Radio &r, int i) { r.intervals.mnuMeterSpeed_Click(i); }, kAllChecked);
    addArray(
        menu("mnuPRIspeed"), "mnuPRIspeed", &P::mnuPRIspeed,
        [](Radio &r, int i) { r.intervals.mnuPRIspeed_Click(i); }, kAllChecked);
    addArray(
        menu("mnuPauseInterval"), "mnuPauseInterval", &P::mnuPauseInterval,
        [](Radio &r, int i) { r.intervals.mnuPauseInterval_Click(i); }, kAllChecked);
    addArray(
        menu("mnuResizeDisplayArray"), "mnuResizeDisplayArray", &P::mnuResizeDisplayArray,
        [](Radio &r, int i) { r.display.mnuResizeDisplayArray_Click(i); }, kAllChecked);
    addArray(
        menu("mnuTxTimeOut"), "mnuTxTimeOut", &P::mnuTxTimeOut,
        [](Radio &r, int i) { r.txTimeOut.mnuTxTimeOut_Click(i); }, kAllChecked);
}

QMenu *MenuBarBuilder::addMenu(QMenu *parent, const QString &name, const QString &title)
{
    QMenu *menu = parent ? parent->addMenu(title) : bar_->addMenu(title);
    menu->setObjectName(name);
    menus_.insert(name, menu);
    return menu;
}

void MenuBarBuilder::addArray(QMenu *menu, const QString &name, MenuArray PanelState::*items,
                              Click click, const QList<int> &checkable, int firstIndex,
                              const QHash<int, QString> &submenus)
{
    Array array{items, {}};
    const MenuArray &initial = radio_.panel.*items;
    array.actions.resize(int(initial.size()), nullptr);
    // In a choice menu the items between two separators are one choice, drawn as radio
    // items; which one is checked is still the panel state's to say.
    QActionGroup *choice = nullptr;
    for (int index = firstIndex; index < int(initial.size()); ++index) {
        QAction *action = nullptr;
        if (submenus.contains(index)) {
            action = addMenu(menu, submenus[index], caption(initial[index]))->menuAction();
        } else if (isSeparator(initial[index])) {
            action = menu->addSeparator();
            choice = nullptr;
        } else {
            action = menu->addAction(caption(initial[index]));
            action->setCheckable(checkable == kAllChecked || checkable.contains(index));
            if (checkable == kAllChecked) {
                if (choice == nullptr) {
                    choice = new QActionGroup(menu);
                    choice->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                }
                choice->addAction(action);
            }
            if (click) {
                // The command is input: during a sequence of frames it runs after it.
                connect(action, &QAction::triggered, this, [this, click, index] {
                    radio_.link.Input([this, click, index] {
                        click(radio_, index);
                        emit acted();
                    });
                });
            }
        }
        action->setObjectName(QStringLiteral("%1_%2").arg(name).arg(index));
        array.actions[index] = action;
    }
    arrays_.insert(name, array);
}

QAction *MenuBarBuilder::item(const QString &array, int index) const
{
    const auto it = arrays_.constFind(array);
    if (it == arrays_.cend() || index < 0 || index >= it->actions.size()) {
        return nullptr;
    }
    return it->actions[index];
}

void MenuBarBuilder::render()
{
    const PanelState &panel = radio_.panel;
    for (const Array &array : std::as_const(arrays_)) {
        const MenuArray &items = panel.*array.items;
        for (int i = 0; i < array.actions.size() && i < int(items.size()); ++i) {
            QAction *action = array.actions[i];
            if (action == nullptr) {
                continue;
            }
            const MenuItem &item = items[i];
            if (!action->isSeparator()) {
                action->setText(caption(item));
            }
            if (action->isCheckable()) {
                action->setChecked(item.Checked);
            }
            action->setEnabled(item.Enabled);
            action->setVisible(item.Visible);
        }
    }
    for (auto it = topMenus_.cbegin(); it != topMenus_.cend(); ++it) {
        const MenuItem &top = panel.*it.value();
        menus_.value(it.key())->menuAction()->setEnabled(top.Enabled);
        menus_.value(it.key())->menuAction()->setVisible(top.Visible);
    }
}

} // namespace dorv::gui
