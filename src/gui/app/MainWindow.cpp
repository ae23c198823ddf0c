#include "app/MainWindow.h"

#include "cat/PortMap.h"

#include <QAction>
#include <QMenuBar>
#include <QStatusBar>

namespace dorv::gui {

namespace {

constexpr int kNoPortIndex = 10;

void renderItem(QAction *action, const MenuItem &item)
{
    action->setText(QString::fromStdString(item.Caption));
    action->setChecked(item.Checked);
    action->setEnabled(item.Enabled);
    action->setVisible(item.Visible);
}

QWidget *makePanelPlaceholder(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(64, 64, 64));
    panel->setPalette(palette);
    panel->setMinimumSize(796, 300);
    return panel;
}

} // namespace

MainWindow::MainWindow(const QString &dataDir, QWidget *parent)
    : QMainWindow(parent), port_(dataDir.toStdString(), [this] { return host_.now(); }),
      radio_(host_, port_, dataDir.toStdString())
{
    host_.setWindow(this);
    connect(&host_, &QtHost::panelStateChanged, this, &MainWindow::render);
    buildMenus();
    setCentralWidget(makePanelPlaceholder(this));
    statusBar();

    // Until the settings file is read at start-up, the stored choices are the
    // defaults: no port, 4800 bit/s.
    const int port = radio_.state.Settings.CommPort;
    radio_.link.mnuCommPortArray_Click(port >= 1 && port <= kNoPortIndex ? port : kNoPortIndex);
    radio_.link.mnuCatRate_Click(radio_.state.Settings.CatRate);
    render();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(QStringLiteral("Exit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("mnuFileArray_9"));

    QMenu *settings = menuBar()->addMenu(tr("&Settings"));
    settings->setObjectName(QStringLiteral("mnuSettings"));
    QMenu *ports = settings->addMenu(QStringLiteral("Serial Port"));
    ports->setObjectName(QStringLiteral("mnuSerialPort"));
    portActions_ = addMenuArray(ports, "mnuCommPortArray", radio_.panel.mnuCommPortArray, 1,
                                &CatLink::mnuCommPortArray_Click);
    connect(ports, &QMenu::aboutToShow, this, &MainWindow::showPortDevices);
    showPortDevices();

    QMenu *rates = settings->addMenu(QStringLiteral("CAT Rate"));
    rates->setObjectName(QStringLiteral("mnuCatRateMenu"));
    rateActions_ =
        addMenuArray(rates, "mnuCatRate", radio_.panel.mnuCatRate, 0, &CatLink::mnuCatRate_Click);
}

QVector<QAction *> MainWindow::addMenuArray(QMenu *menu, const char *name, const MenuArray &items,
                                            int firstIndex, void (CatLink::*handler)(int))
{
    QVector<QAction *> actions;
    for (int index = firstIndex; index < static_cast<int>(items.size()); ++index) {
        QAction *action = menu->addAction(QString::fromStdString(items[index].Caption));
        action->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, handler, index] {
            (radio_.link.*handler)(index);
            render();
        });
        actions << action;
    }
    return actions;
}

void MainWindow::showPortDevices()
{
    // Read each time the menu opens, so edits of ports.conf show at once.
    const PortMap map = PortMap::Load(radio_.dataDir);
    for (int n = PortMap::kFirstPort; n <= PortMap::kLastPort && n <= portActions_.size(); ++n) {
        const QString device = QString::fromStdString(map.device(n));
        portActions_[n - 1]->setStatusTip(device);
        portActions_[n - 1]->setToolTip(device);
    }
}

void MainWindow::render()
{
    const PanelState &panel = radio_.panel;
    setWindowTitle(QString::fromStdString(panel.Caption));
    for (int i = 0; i < portActions_.size(); ++i) {
        renderItem(portActions_[i], panel.mnuCommPortArray[i + 1]);
    }
    for (int i = 0; i < rateActions_.size(); ++i) {
        renderItem(rateActions_[i], panel.mnuCatRate[i]);
    }
}

} // namespace dorv::gui
