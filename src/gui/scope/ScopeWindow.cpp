#include "scope/ScopeWindow.h"

#include "model/files/FileStore.h"
#include "scope/ScopeChartWidget.h"
#include "scope/ScopeGeometry.h"
#include "scope/ScopeMenuChoices.h"
#include "scope/WaterfallWidget.h"

#include <QAction>
#include <QActionGroup>
#include <QBuffer>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <span>

namespace dorv::gui {

namespace {

const char *kReadoutStyle = "background: #001820; color: #40e0ff; border: 1px solid #406070;"
                            "font-family: monospace; font-size: 15px; font-weight: bold;"
                            "padding: 2px 6px;";
const char *kFaceStyle = "QWidget#picFace { background: #2b3038; } "
                         "QLabel { color: #d8dde4; font-size: 10px; font-weight: bold; }";

QLabel *caption(const QString &text, QWidget *parent, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(place);
    return label;
}

QPushButton *button(const QString &text, const char *name, QWidget *parent, const QRect &place)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    return button;
}

// A frequency readout of the row below the plot.
QLabel *readout(const char *name, QWidget *parent, const QRect &place)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setStyleSheet(QString::fromLatin1(kReadoutStyle));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(place);
    return label;
}

QComboBox *choices(const char *name, std::span<const ScopeListEntry> entries, QWidget *parent,
                   const QRect &place)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (const ScopeListEntry &entry : entries) {
        list->addItem(QString::fromLatin1(entry.Caption));
    }
    list->setGeometry(place);
    return list;
}

} // namespace

ScopeWindow::ScopeWindow(Radio &radio, QWidget *parent)
    : QMainWindow(parent, Qt::Window), radio_(radio)
{
    setObjectName(QStringLiteral("frmBandScope"));
    setWindowTitle(tr("Band Scope"));
    buildMenus();
    buildFace();
}

void ScopeWindow::buildFace()
{
    auto *face = new QWidget(this);
    face->setObjectName(QStringLiteral("picFace"));
    face->setStyleSheet(QString::fromLatin1(kFaceStyle));
    face->setFixedSize(kScopeFaceWidth, kScopeFaceHeight);
    setCentralWidget(face);
    const int plotBottom = buildPlot(face);
    buildControls(face, plotBottom + 14);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

int ScopeWindow::buildPlot(QWidget *face)
{
    plot_ = new QWidget(face);
    const int plotHeight = kScopeWaterfallRect.Top + kScopeWaterfallRect.Height;
    plot_->setGeometry(0, 0, kScopeFaceWidth, plotHeight + kScopeChartRect.Top);
    chart_ = new ScopeChartWidget(plot_);
    chart_->setGeometry(kScopeChartRect.Left, kScopeChartRect.Top, kScopeChartRect.Width,
                        kScopeChartRect.Height);
    waterfall_ = new WaterfallWidget(plot_);
    waterfall_->setGeometry(kScopeWaterfallRect.Left, kScopeWaterfallRect.Top,
                            kScopeWaterfallRect.Width, kScopeWaterfallRect.Height);
    connect(chart_, &ScopeChartWidget::pointSelected, this, [this](double kHz) {
        run([kHz](Radio &r) { r.scope.stripScope_PointSelected(kHz); });
    });
    return plotHeight;
}

// The row below the plot, left to right (the order the Tab key follows), with the line
// for a radio that stopped answering under it; `row` is the top of the captions.
void ScopeWindow::buildControls(QWidget *face, int row)
{
    scan_ = button(QStringLiteral("START"), "cmdSCAN", face, {12, row + 16, 90, 34});
    connect(scan_, &QPushButton::clicked, this,
            [this] { run([](Radio &r) { r.scope.cmdSCAN_Click(); }); });
    reset_ = button(QStringLiteral("RESET"), "SSCommand1", face, {110, row + 16, 90, 34});
    connect(reset_, &QPushButton::clicked, this,
            [this] { run([](Radio &r) { r.scope.SSCommand1_Click(); }); });

    caption(QStringLiteral("CURRENT\nFREQUENCY"), face, {210, row, 120, 26});
    current_ = readout("txtboxFreq0", face, {210, row + 28, 120, 28});
    caption(QStringLiteral("CENTER\nFREQUENCY"), face, {338, row, 120, 26});
    centre_ = readout("txtboxFreq1", face, {338, row + 28, 120, 28});

    caption(QStringLiteral("STEP"), face, {466, row, 76, 26});
    steps_ = choices("listSteps", kScopeSteps, face, {466, row + 28, 76, 28});
    connect(steps_, &QComboBox::activated, this,
            [this](int i) { run([i](Radio &r) { r.scope.listSteps_Click(i); }); });
    caption(QStringLiteral("SCAN\nWIDTH"), face, {550, row, 84, 26});
    widths_ = choices("listScanWidth", kScopeWidths, face, {550, row + 28, 84, 28});
    connect(widths_, &QComboBox::activated, this,
            [this](int i) { run([i](Radio &r) { r.scope.listScanWidth_Click(i); }); });

    notAnswering_ = new QLabel(tr("The radio is not answering: the sweep waits for its reply. "
                                  "Press STOP to end it."),
                               face);
    notAnswering_->setObjectName(QStringLiteral("lblNotAnswering"));
    notAnswering_->setStyleSheet(
        QStringLiteral("color: #ff6060; font-size: 11px; font-weight: bold;"));
    notAnswering_->setGeometry(12, row + 64, kScopeFaceWidth - 24, 20);
    notAnswering_->hide();
}

QMenu *ScopeWindow::addArray(QMenu *parent, const QString &title, Items items, Click click,
                             bool checkable, const QList<int> &order)
{
    QMenu *menu = parent->addMenu(title);
    const auto &array = radio_.panel.frmBandScope.*items;
    QList<int> indexes = order;
    if (indexes.isEmpty()) {
        for (int i = 0; i < int(array.size()); ++i) {
            indexes.append(i);
        }
    }
    auto *group = checkable ? new QActionGroup(menu) : nullptr;
    for (int i : indexes) {
        const MenuItem &item = array[i];
        if (item.Caption == "-") {
            menu->addSeparator();
            continue;
        }
        if (!item.Visible) {
            continue;
        }
        QAction *action = menu->addAction(QString::fromStdString(item.Caption));
        action->setCheckable(checkable);
        if (group != nullptr) {
            group->addAction(action);
        }
        actions_.insert(action, {items, i});
        connect(action, &QAction::triggered, this,
                [this, click, i] { run([click, i](Radio &r) { click(r, i); }); });
    }
    return menu;
}

void ScopeWindow::buildMenus()
{
    using S = ScopeWindowState;
    QMenu *file = menuBar()->addMenu(tr("&File"));
    // Save Picture is the window's own; the other items are the core's.
    const auto &items = radio_.panel.frmBandScope.mnuFileArray;
    QAction *picture = file->addAction(QString::fromStdString(items[ScopeFileSavePicture].Caption));
    connect(picture, &QAction::triggered, this, &ScopeWindow::askAndSavePicture);
    QAction *exportReadings =
        file->addAction(QString::fromStdString(items[ScopeFileExportReadings].Caption));
    connect(exportReadings, &QAction::triggered, this,
            [this] { run([](Radio &r) { r.scope.mnuFileArray_Click(ScopeFileExportReadings); }); });
    file->addSeparator();
    QAction *exit = file->addAction(QString::fromStdString(items[ScopeFileExit].Caption));
    connect(exit, &QAction::triggered, this,
            [this] { run([](Radio &r) { r.scope.mnuFileArray_Click(ScopeFileExit); }); });

    QMenu *settings = menuBar()->addMenu(tr("&Settings"));
    addArray(
        settings, tr("&Active Search Threshold"), &S::mnuActiveSearchArray,
        [](Radio &r, int i) { r.scope.mnuActiveSearchArray_Click(i); }, true);
    settings->addSeparator();
    addArray(
        settings, tr("&Scan Speed"), &S::mnuScopeScanSpeedArray,
        [](Radio &r, int i) { r.scope.mnuScopeScanSpeedArray_Click(i); }, true);
    addArray(
        settings, tr("&Continuous Scan"), &S::mnuContinuousScan,
        [](Radio &r, int i) { r.scope.mnuContinuousScan_Click(i); }, true);
    settings->addSeparator();
    addArray(
        settings, tr("&Display Mode"), &S::mnuDisplayModeArray,
        [](Radio &r, int i) { r.scope.mnuDisplayModeArray_Click(i); }, true);
    addArray(
        settings, tr("Scale &Handles"), &S::mnuHandleArray,
        [](Radio &r, int i) { r.scope.mnuHandleArray_Click(i); }, true);
    addArray(
        settings, tr("&Wrap Cursor Width"), &S::mnuWrapWidthArray,
        [](Radio &r, int i) { r.scope.mnuWrapWidthArray_Click(i); }, true);
    addArray(
        settings, tr("Color &Fill"), &S::mnuColorFillArray,
        [](Radio &r, int i) { r.scope.mnuColorFillArray_Click(i); }, true);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    const auto &helpItems = radio_.panel.frmBandScope.mnuHelpArray;
    for (int i = 0; i < int(helpItems.size()); ++i) {
        if (helpItems[i].Caption == "-") {
            help->addSeparator();
            continue;
        }
        QAction *action = help->addAction(QString::fromStdString(helpItems[i].Caption));
        connect(action, &QAction::triggered, this,
                [this, i] { run([i](Radio &r) { r.scope.mnuHelpArray_Click(i); }); });
    }
}

void ScopeWindow::run(const std::function<void(Radio &)> &handler)
{
    handler(radio_);
    emit acted();
}

void ScopeWindow::renderMenus()
{
    const ScopeWindowState &v = radio_.panel.frmBandScope;
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
        const MenuItem &item = (v.*(it.value().first))[it.value().second];
        it.key()->setChecked(item.Checked);
        it.key()->setEnabled(item.Enabled);
    }
}

void ScopeWindow::render()
{
    const ScopeWindowState &v = radio_.panel.frmBandScope;
    if (!v.Visible) {
        if (isVisible()) {
            hide();
        }
        return;
    }
    scan_->setText(QString::fromStdString(v.cmdSCAN));
    current_->setText(QString::fromStdString(v.txtCurrent));
    centre_->setText(QString::fromStdString(v.txtCentre));
    if (steps_->currentIndex() != v.listSteps) {
        steps_->setCurrentIndex(v.listSteps);
    }
    if (widths_->currentIndex() != v.listScanWidth) {
        widths_->setCurrentIndex(v.listScanWidth);
    }
    notAnswering_->setVisible(v.NotAnswering);
    chart_->setChart(v.stripScope);
    waterfall_->setSweeps(v.Waterfall, v.CompletedSweeps, v.stripScope);
    renderMenus();
    if (!isVisible()) {
        centreOnScreen();
        show();
        raise();
        activateWindow();
    }
}

// Each opening places the window in the middle of the screen the main window is on.
void ScopeWindow::centreOnScreen()
{
    const QScreen *screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect free = screen->availableGeometry();
    const QSize size = sizeHint().expandedTo(QSize(kScopeFaceWidth, kScopeFaceHeight));
    move(free.center() - QPoint(size.width() / 2, size.height() / 2));
}

QImage ScopeWindow::picture() const
{
    return plot_->grab().toImage();
}

bool ScopeWindow::savePicture(const QString &path, std::string &error) const
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture().save(&buffer, "PNG")) {
        error = "the picture could not be encoded";
        return false;
    }
    return ReplaceWholeFile(path.toStdString(), Bytes(png.begin(), png.end()), error);
}

void ScopeWindow::askAndSavePicture()
{
    Host &host = radio_.host;
    const auto path = host.saveFileDialog(
        {"Save Picture", "PNG Images (*.png)|*.png|All Files (*.*)|*.*", "", "png"});
    if (!path) {
        return;
    }
    std::string error;
    if (!savePicture(QString::fromStdString(*path), error)) {
        host.messageBox("Error encountered while trying to save file " + *path + ". " + error + ".",
                        "Save Picture", MsgIcon::Exclamation, MsgButtons::Ok);
    }
}

// The close box ends the sweep and closes the window without saving the settings.
void ScopeWindow::closeEvent(QCloseEvent *event)
{
    if (radio_.panel.frmBandScope.Visible) {
        run([](Radio &r) { r.scope.Form_Unload(); });
    }
    event->accept();
}

} // namespace dorv::gui
