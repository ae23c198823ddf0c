#include "memmgr/MemoryManagerWindow.h"

#include "Radio.h"
#include "memmgr/MemoryGridView.h"
#include "memmgr/MemoryTableModel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace dorv::gui {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kWidthTwips = 11055, kHeightTwips = 7590;

struct ButtonText {
    const char *caption;
    const char *toolTip;
};

constexpr ButtonText kEditButtons[] = {
    {"CUT", "Delete the selected range of memory locations and save to the scratch pad"},
    {"COPY", "Copy the selected range of memory locations to the scratch pad"},
    {"PASTE", "Paste the scratch pad memories starting at the current location"},
    {"COMPRESS", "Compress the memories in each memory bank"},
    {"INSERT", "Insert an empty memory into the current location"},
};

} // namespace

MemoryManagerWindow::MemoryManagerWindow(dorv::Radio &radio, QWidget *parent)
    : QWidget(parent, Qt::Window), radio_(radio)
{
    setObjectName(QStringLiteral("frmMemoryManager"));
    setWindowTitle(tr("Memory Manager"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(kWidthTwips / kTwipsPerPixel, kHeightTwips / kTwipsPerPixel);

    model_ = new MemoryTableModel(radio_.memmgr, this);
    grid_ = new MemoryGridView(radio_.memmgr, this);
    grid_->setModel(model_);
    connect(grid_, &MemoryGridView::rangeMoved, this, [this](int row, int rowSel) {
        act([&] { radio_.memmgr.MSFlexGrid1_SelChange(row, rowSel); });
    });
    connect(grid_, &MemoryGridView::editRequested, this, &MemoryManagerWindow::openEditBox);

    text1_ = new QLineEdit(grid_->viewport());
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaxLength(dorv::kDescriptionLength);
    text1_->hide();
    text1_->installEventFilter(this);

    auto *table = new QGroupBox(tr("Main Memory Table"), this);
    auto *tableLayout = new QVBoxLayout(table);
    tableLayout->addWidget(grid_);

    auto *top = new QHBoxLayout;
    top->addWidget(table, 1);
    top->addWidget(buildBanks());
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buildButtons());
    buildMenu();

    if (const QScreen *screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    render();
}

QWidget *MemoryManagerWindow::buildBanks()
{
    auto *box = new QGroupBox(tr("Main Memory Bank"), this);
    auto *layout = new QVBoxLayout(box);
    layout->setSpacing(0);
    for (int bank = 1; bank <= dorv::kBankCount; ++bank) {
        auto *check =
            new QCheckBox(QString::fromStdString(dorv::MemoryManager::BankCaption(bank)), box);
        check->setObjectName(QStringLiteral("chkBank_%1").arg(bank));
        connect(check, &QCheckBox::clicked, this, [this, bank](bool ticked) {
            act([&] { radio_.memmgr.chkBank_Click(bank, ticked); });
        });
        layout->addWidget(check);
        banks_[bank - 1] = check;
    }
    layout->addStretch();
    return box;
}

QWidget *MemoryManagerWindow::buildButtons()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 5; ++i) {
        auto *button = new QPushButton(QString::fromLatin1(kEditButtons[i].caption), row);
        button->setObjectName(QStringLiteral("btnMemoryEdit_%1").arg(i));
        button->setToolTip(QString::fromLatin1(kEditButtons[i].toolTip));
        connect(button, &QPushButton::clicked, this,
                [this, i] { act([&] { radio_.memmgr.btnMemoryEdit_Click(i); }); });
        layout->addWidget(button);
    }
    layout->addStretch();
    auto *save = new QPushButton(QStringLiteral("SAVE"), row);
    save->setObjectName(QStringLiteral("cmdSAVE"));
    save->setToolTip(tr("Save all changes you have made to the database"));
    connect(save, &QPushButton::clicked, this,
            [this] { act([&] { radio_.memmgr.cmdSAVE_Click(); }); });
    auto *cancel = new QPushButton(QStringLiteral("CANCEL"), row);
    cancel->setObjectName(QStringLiteral("cmdCANCEL"));
    cancel->setToolTip(tr("Cancel all changes you have made to the database"));
    connect(cancel, &QPushButton::clicked, this,
            [this] { act([&] { radio_.memmgr.cmdCANCEL_Click(); }); });
    layout->addWidget(save);
    layout->addWidget(cancel);
    return row;
}

void MemoryManagerWindow::buildMenu()
{
    auto *bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu *file = bar->addMenu(tr("&File"));
    QAction *import = file->addAction(tr("Import CSV..."));
    import->setObjectName(QStringLiteral("mnuImportCsv"));
    connect(import, &QAction::triggered, this,
            [this] { act([&] { radio_.memmgr.mnuImportCsv_Click(); }); });
    QAction *exportCsv = file->addAction(tr("Export CSV..."));
    exportCsv->setObjectName(QStringLiteral("mnuExportCsv"));
    connect(exportCsv, &QAction::triggered, this,
            [this] { act([&] { radio_.memmgr.mnuExportCsv_Click(); }); });
    QMenu *help = bar->addMenu(tr("&Help"));
    QAction *contents = help->addAction(tr("&Contents"));
    connect(contents, &QAction::triggered, this,
            [this] { act([&] { radio_.app.mnuHelpArray_Click(0); }); });
    help->addSeparator();
    QAction *about = help->addAction(tr("About DORV FT-897"));
    connect(about, &QAction::triggered, this,
            [this] { act([&] { radio_.app.mnuHelpArray_Click(2); }); });
}

template <typename F> void MemoryManagerWindow::act(F &&handler)
{
    handler();
    render();
    emit acted();
}

void MemoryManagerWindow::render()
{
    const dorv::MemoryManager &mm = radio_.memmgr;
    for (int bank = 1; bank <= dorv::kBankCount; ++bank) {
        banks_[bank - 1]->setChecked(mm.BankTicked(bank));
    }
    model_->refresh();
    grid_->showRange();
    if (mm.EditBoxVisible() && !text1_->isVisible()) {
        text1_->setText(QString::fromStdString(mm.EditBoxText()));
        placeEditBox();
        text1_->show();
        text1_->setFocus();
        text1_->end(false);
    } else if (!mm.EditBoxVisible() && text1_->isVisible()) {
        text1_->hide();
        grid_->setFocus();
    }
}

void MemoryManagerWindow::openEditBox()
{
    act([&] { radio_.memmgr.GridEdit(); });
}

// Over the description cell of the current row, a little inside its borders.
void MemoryManagerWindow::placeEditBox()
{
    const QRect cell =
        grid_->visualRect(model_->index(radio_.memmgr.Row(), dorv::MemoryManager::ColDescription));
    const int left = 50 / kTwipsPerPixel, top = 10 / kTwipsPerPixel;
    text1_->setGeometry(cell.adjusted(left, top, 0, 0));
    text1_->setFont(grid_->font());
}

bool MemoryManagerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != text1_) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusOut && radio_.memmgr.EditBoxVisible()) {
        // The grid (or anything else) took the focus: the text goes into the cell.
        act([&] { radio_.memmgr.CommitEdit(text1_->text().toStdString()); });
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    int code = 0;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Escape:
        code = dorv::MemoryManager::kKeyEscape;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        code = dorv::MemoryManager::kKeyEnter;
        break;
    case Qt::Key_Up:
        code = dorv::MemoryManager::kKeyUp;
        break;
    case Qt::Key_Down:
        code = dorv::MemoryManager::kKeyDown;
        break;
    default:
        return false;
    }
    act([&] { radio_.memmgr.Text1_KeyDown(code, text1_->text().toStdString()); });
    return true;
}

// The close box closes the window without saving; SAVE and CANCEL close it through the
// core, which has then already let it go.
void MemoryManagerWindow::closeEvent(QCloseEvent *event)
{
    if (radio_.panel.frmMemoryManagerVisible) {
        radio_.memmgr.Form_Unload();
        emit acted();
    }
    event->accept();
}

} // namespace dorv::gui
