#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/FrontPanel.h"
#include "app/KeyHoldFilter.h"
#include "app/KeyMap.h"
#include "app/LinkStatusField.h"
#include "app/LockDialog.h"
#include "app/MenuBarBuilder.h"
#include "app/PanelDumpWriter.h"
#include "app/PanelWiring.h"
#include "app/PortMenu.h"
#include "app/StatusMessage.h"
#include "app/WindowPlacer.h"
#include "cat/PortRefusalText.h"
#include "dialogs/SettingsDialogViews.h"
#include "memmgr/MemoryManagerWindow.h"
#include "model/files/SettingsDefaults.h"
#include "net/NetServerControl.h"
#include "scope/ScopeWindow.h"
#include "widgets/TextColour.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace dorv::gui {

namespace {

constexpr int kTwipsPerPixel = DisplayLayout::kTwipsPerPixel;

int pixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// Whether the window stops receiving the keyboard: another window (of this program or
// another) takes the focus, a screen locker grabs the keyboard, the window is hidden or
// minimised. The releases of keys held down then go elsewhere.
bool losesKeyboard(const QWidget &window, const QEvent &event)
{
    switch (event.type()) {
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        return true;
    case QEvent::WindowStateChange:
        return window.isMinimized();
    default:
        return false;
    }
}

} // namespace

MainWindow::MainWindow(const QString &dataDir, QWidget *parent)
    : QMainWindow(parent), port_(dataDir.toStdString(), [this] { return host_.now(); }),
      radio_(host_, port_, dataDir.toStdString()),
      lockDialog_([this] { return radio_.panel.frmLockUnLock.Visible; },
                  [this] { return wired(new LockDialog(radio_, this)); }),
      aboutDialog_([this] { return radio_.panel.frmAboutVisible; },
                   [this] { return wired(new AboutDialog(radio_, this)); }),
      scope_([this] { return radio_.panel.frmBandScope.Visible; },
             [this] { return wired(new ScopeWindow(radio_, this)); })
{
    setObjectName(QStringLiteral("frmRadio"));
    // The window has a fixed size: no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    placer_ = new WindowPlacer(this);
    host_.setWindow(this);
    connect(&host_, &QtHost::panelStateChanged, this, &MainWindow::render);
    connect(&host_, &QtHost::meterStateChanged, this, &MainWindow::renderMeter);
    // A network link that connects, fails or drops is taken up at once, not at the next
    // tick of the port watch: polling resumes as soon as the far end is back.
    port_.setLinkChangeHandler([this] { radio_.portWatch.TimerPortWatch.fire(); });

    // Device, rate and link state, always at the right end of the status bar.
    linkStatus_ = new LinkStatusField(this);
    statusBar()->addPermanentWidget(linkStatus_);
    buildMenus();
    panel_ = new FrontPanel(radio_, this);
    connect(panel_, &FrontPanel::acted, this, &MainWindow::render);
    setCentralWidget(panel_);
    settingsDialogs_ = wired(new SettingsDialogViews(radio_, this));
    buildNoReplyMessage();
    net_ = new NetServerControl(radio_, host_, menus_->menu(QStringLiteral("mnuSettings")),
                                statusBar(), this);
    // The window's size comes from the display size menu, not from dragging a corner.
    statusBar()->setSizeGripEnabled(false);
    // The window takes the size of its face; the display size menu changes it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    PanelDumpWriter::installIfRequested(radio_.panel, panel_, this);
    installKeyPreview();
    // Until the settings file is read at start-up, the stored choices are the
    // defaults: no port, 4800 bit/s.
    selectStoredPortAndRate();
    render();
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    // The network server talks to the radio: it goes while the radio is still there.
    delete net_;
}

void MainWindow::buildMenus()
{
    menus_ = new MenuBarBuilder(menuBar(), radio_, this);
    connect(menus_, &MenuBarBuilder::acted, this, &MainWindow::renderAll);
    // Choosing the manager while it is open brings it to the front, edits and all.
    connect(menus_->item(QStringLiteral("mnuMemoryArray"), 0), &QAction::triggered, this,
            &MainWindow::raiseMemoryManager);
    portMenu_ = new PortMenu(*menus_, radio_, this);
    connect(portMenu_, &PortMenu::acted, this, &MainWindow::renderAll);
}

void MainWindow::buildNoReplyMessage()
{
    noReply_ = new StatusMessage(this);
    noReply_->setObjectName(QStringLiteral("lblNoReply"));
    setTextColour(*noReply_, kWarningColour);
    QFont bold = noReply_->font();
    bold.setBold(true);
    noReply_->setFont(bold);
    statusBar()->addWidget(noReply_, 1);
}

void MainWindow::installKeyPreview()
{
    keyHold_ = new KeyHoldFilter(
        [this](const KeyStroke &stroke, bool down) {
            radio_.link.Input([this, stroke, down] {
                const KeyboardWiring &keyboard = panelKeyboard();
                (down ? keyboard.down : keyboard.up)(radio_, stroke.code, stroke.shift);
            });
            render();
        },
        this);
    qApp->installEventFilter(this);
}

void MainWindow::selectStoredPortAndRate()
{
    const int port = radio_.state.Settings.CommPort;
    radio_.link.mnuCommPortArray_Click(port >= 1 && port <= kNoCommPort ? port : kNoCommPort);
    radio_.link.mnuCatRate_Click(radio_.state.Settings.CatRate);
}

void MainWindow::load(const std::function<void()> &showMainWindow)
{
    radio_.app.frmRadio_Load(showMainWindow);
    render();
}

void MainWindow::applyLayout()
{
    const PanelState &panel = radio_.panel;
    const FaceStyle face = panel.LcdFace ? FaceStyle::Lcd : FaceStyle::Radio;
    const ColourSet colours = panel.ReducedColours ? ColourSet::Reduced : ColourSet::Full;
    // Before start-up lays it out, the window has the face's design size.
    const int width =
        pixels(panel.WindowWidth > 0 ? panel.WindowWidth : DisplayLayout::kDesignWidth);
    const int height =
        pixels(panel.WindowHeight > 0 ? panel.WindowHeight : DisplayLayout::kDesignHeight);
    if (face != panel_->faceStyle() || colours != panel_->colourSet()) {
        panel_->setFace(face, colours);
    }
    if (panel_->size() != QSize(width, height)) {
        panel_->setFixedSize(width, height);
    }
    const QPoint place(pixels(panel.WindowLeft), pixels(panel.WindowTop));
    if (place != placed_) {
        placed_ = place;
        placer_->place(place);
    }
}

void MainWindow::render()
{
    // A status reading changes the meter and BUSY only, a knob step a readout: the rest is
    // not drawn again.
    const PanelChanges::Change change = changes_.take(radio_.panel);
    switch (change) {
    case PanelChanges::Change::Other:
        setWindowTitle(QString::fromStdString(radio_.panel.WindowTitle()));
        menus_->render();
        applyLayout();
        panel_->render();
        portMenu_->render();
        break;
    case PanelChanges::Change::Readouts:
        panel_->renderReadouts();
        break;
    case PanelChanges::Change::Meter:
        panel_->renderMeter();
        break;
    case PanelChanges::Change::None:
        break;
    }
    const QString linkStatus = QString::fromStdString(PortWatch::StatusText(radio_.panel));
    noReply_->setMessage(linkStatus);
    // A refused device's full advice, as its message gave it, stays at hand.
    noReply_->setToolTip(QString::fromStdString(PortRefusalText(radio_.panel.PortRefused)));
    linkStatus_->render(radio_, portMenu_->device(radio_.state.Settings.CommPort));
    // The other windows draw from the panel state or from forms that only their own actions
    // and the menus change, and those redraw everything: a reading, a knob step or a second
    // render after a key leaves them as they are.
    if (change != PanelChanges::Change::Other) {
        return;
    }
    // The dialogs draw from their own forms, which the panel state does not hold.
    lockDialog_.render();
    aboutDialog_.render();
    settingsDialogs_->render();
    scope_.render();
    showMemoryManager();
    if (radio_.panel.ProgramEnded) {
        // The exit procedure ran to its end: every window goes at once.
        lockDialog_.hide();
        aboutDialog_.hide();
        settingsDialogs_->hideAll();
        scope_.hide();
        close();
    }
}

// After an action in a menu or another window everything is drawn again: a menu item
// ticks itself, and the dialogs' forms lie outside the panel state.
// A status reading: the meter and BUSY are drawn if they moved, and nothing else is looked at.
void MainWindow::renderMeter()
{
    switch (changes_.takeMeter(radio_.panel)) {
    case PanelChanges::Change::Meter:
        panel_->renderMeter();
        break;
    case PanelChanges::Change::None:
        break;
    default:
        render();
    }
}

void MainWindow::renderAll()
{
    changes_.forget();
    render();
}

template <typename Window> Window *MainWindow::wired(Window *window)
{
    connect(window, &Window::acted, this, &MainWindow::renderAll);
    return window;
}

MemoryManagerWindow *MainWindow::memoryManager() const
{
    return memoryManager_.data();
}

// The manager is made each time it opens and goes when the core closes it.
void MainWindow::showMemoryManager()
{
    const bool open = radio_.panel.frmMemoryManagerVisible && !radio_.panel.ProgramEnded;
    if (open && memoryManager_ == nullptr) {
        memoryManager_ = wired(new MemoryManagerWindow(radio_, this));
        memoryManager_->show();
    } else if (!open && memoryManager_ != nullptr) {
        memoryManager_->close();
    }
}

void MainWindow::raiseMemoryManager()
{
    if (memoryManager_ != nullptr) {
        memoryManager_->raise();
        memoryManager_->activateWindow();
    }
}

// The close box runs the exit procedure; a cancel at its prompt keeps the window.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (radio_.panel.ProgramEnded || radio_.app.EndDORV()) {
        event->accept();
    } else {
        event->ignore();
    }
}

// The panel and the settings keep where the user left the window's frame, so a later
// display change keeps it there too.
void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    const std::optional<QPoint> corner = placer_->userPlace();
    if (!corner) {
        return;
    }
    placed_ = *corner;
    radio_.panel.WindowLeft = radio_.state.Settings.WindowLeft = corner->x() * kTwipsPerPixel;
    radio_.panel.WindowTop = radio_.state.Settings.WindowTop = corner->y() * kTwipsPerPixel;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && losesKeyboard(*this, *event)) {
        keyHold_->releaseAll(); // the space bar held for transmit lets go with the rest
        return false;
    }
    const bool down = event->type() == QEvent::KeyPress;
    if (!down && event->type() != QEvent::KeyRelease) {
        return false;
    }
    auto *widget = qobject_cast<QWidget *>(watched);
    if (widget == nullptr || widget->window() != this) {
        return false;
    }
    const KeyboardWiring &keyboard = panelKeyboard();
    const auto *key = static_cast<QKeyEvent *>(event);
    const KeyStroke stroke = KeyMap::map(*key);
    const auto &handler = down ? keyboard.down : keyboard.up;
    if (stroke.code == 0 || !handler) {
        return false;
    }
    if (down) {
        keyHold_->press(stroke);
    } else {
        keyHold_->release(stroke, *key);
    }
    return true;
}

} // namespace dorv::gui
