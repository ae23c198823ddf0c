#include "memmgr/MemoryManagerWindow.h"

#include "app/MainWindow.h"
#include "memmgr/MemoryGridView.h"
#include "model/DescriptionText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace dorv::gui {
namespace {

class MemoryManagerWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(dir.path());
        RadioState &s = window->radio().state;
        for (int pos : {0, 1, 2, 60}) {
            s.Memories[pos].Vfo.Frequency = 14500000 + pos * 2500;
            s.Memories[pos].Vfo.Mode = ModeFM;
            s.Memories[pos].Band = 1;
        }
        SetDescription(s.Memories[1], "Old name");
        for (MemoryChannel &memory : s.Memories) {
            memory.BankSelected = false;
        }
        s.Memories[0].BankSelected = true; // bank 1 ticked
    }

    MemoryManagerWindow *open()
    {
        auto *item = window->findChild<QAction *>(QStringLiteral("mnuMemoryArray_0"));
        EXPECT_NE(item, nullptr);
        item->trigger();
        QApplication::processEvents();
        return window->memoryManager();
    }
    void settle()
    {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    static void key(QWidget *target, int code, const QString &text = {})
    {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
    }
    static void type(QWidget *target, const QString &text)
    {
        for (const QChar c : text) {
            key(target, 0, QString(c));
        }
    }
    static void mouse(QEvent::Type type, MemoryGridView *grid, int row,
                      Qt::MouseButtons buttons = Qt::LeftButton)
    {
        const QPoint at = grid->visualRect(grid->model()->index(row, 3)).center();
        QMouseEvent event(type, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &event);
    }
    QString cell(MemoryManagerWindow *manager, int row, int col) const
    {
        return manager->grid()->model()->index(row, col).data().toString();
    }
    template <typename T> T *find(QWidget *in, const QString &name) const
    {
        auto *found = in->findChild<T *>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MemoryManagerWindowTest, editTickAndSave_reachMemories)
{
    MemoryManagerWindow *manager = open();
    ASSERT_NE(manager, nullptr);
    EXPECT_TRUE(manager->isVisible());
    EXPECT_EQ(manager->windowTitle(), "Memory Manager");
    EXPECT_EQ(cell(manager, 60, 0), "060");
    EXPECT_EQ(cell(manager, 60, 1), "2");
    EXPECT_EQ(cell(manager, 60, 2), "146.500.00");
    EXPECT_EQ(find<QCheckBox>(manager, "chkBank_20")->text(), "20 - (950-999)");
    EXPECT_EQ(find<QPushButton>(manager, "btnMemoryEdit_3")->toolTip(),
              "Compress the memories in each memory bank");

    MemoryGridView *grid = manager->grid();
    mouse(QEvent::MouseButtonPress, grid, 1);
    mouse(QEvent::MouseButtonRelease, grid, 1, Qt::NoButton);
    key(grid, Qt::Key_F2);
    QLineEdit *box = manager->editBox();
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), "Old name");
    EXPECT_TRUE(grid->visualRect(grid->model()->index(1, 3)).contains(box->geometry().center()));
    key(box, Qt::Key_Backspace);
    type(box, "!");
    key(box, Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(cell(manager, 1, 3), "Old nam!");

    find<QCheckBox>(manager, "chkBank_3")->click();
    find<QCheckBox>(manager, "chkBank_1")->click();
    EXPECT_FALSE(find<QCheckBox>(manager, "chkBank_1")->isChecked());
    const RadioState &s = window->radio().state;
    EXPECT_EQ(DescriptionText(s.Memories[1]), "Old name") << "only SAVE moves edits";
    find<QPushButton>(manager, "cmdSAVE")->click();
    settle();
    EXPECT_EQ(window->memoryManager(), nullptr);
    EXPECT_EQ(DescriptionText(s.Memories[1]), "Old nam!");
    EXPECT_TRUE(s.MemoryDirty);
    EXPECT_TRUE(s.Memories[100].BankSelected && s.Memories[149].BankSelected);
    EXPECT_FALSE(s.Memories[0].BankSelected);
}

TEST_F(MemoryManagerWindowTest, cancelAndCloseBox_changeNothing)
{
    const RadioState &s = window->radio().state;
    const auto before = s.Memories;
    for (bool cancel : {true, false}) {
        MemoryManagerWindow *manager = open();
        ASSERT_NE(manager, nullptr);
        MemoryGridView *grid = manager->grid();
        mouse(QEvent::MouseButtonPress, grid, 0);
        mouse(QEvent::MouseButtonRelease, grid, 0, Qt::NoButton);
        find<QPushButton>(manager, "btnMemoryEdit_0")->click(); // CUT
        find<QCheckBox>(manager, "chkBank_5")->click();
        EXPECT_EQ(cell(manager, 0, 2), "..00");
        if (cancel) {
            find<QPushButton>(manager, "cmdCANCEL")->click();
        } else {
            manager->close();
        }
        settle();
        EXPECT_EQ(window->memoryManager(), nullptr);
        EXPECT_FALSE(window->radio().panel.frmMemoryManagerVisible);
        EXPECT_EQ(s.Memories, before) << (cancel ? "CANCEL" : "close box");
        EXPECT_FALSE(s.MemoryDirty);
    }
}

TEST_F(MemoryManagerWindowTest, choosingItAgain_bringsTheOpenWindowToTheFrontWithItsEdits)
{
    MemoryManagerWindow *manager = open();
    ASSERT_NE(manager, nullptr);
    auto *bank = find<QCheckBox>(manager, "chkBank_5");
    bank->click();
    ASSERT_TRUE(bank->isChecked());
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), window.get());
    EXPECT_EQ(open(), manager);
    EXPECT_EQ(QApplication::activeWindow(), manager);
    EXPECT_TRUE(bank->isChecked()) << "the working copy was loaded again";
}

TEST_F(MemoryManagerWindowTest, dragUpwards_selectsAndCutsNothing)
{
    MemoryManagerWindow *manager = open();
    ASSERT_NE(manager, nullptr);
    MemoryGridView *grid = manager->grid();
    const MemoryManager &core = window->radio().memmgr;
    mouse(QEvent::MouseButtonPress, grid, 0);
    mouse(QEvent::MouseMove, grid, 2);
    mouse(QEvent::MouseButtonRelease, grid, 2, Qt::NoButton);
    EXPECT_EQ(core.Row(), 0);
    EXPECT_EQ(core.RowSel(), 2);
    EXPECT_TRUE(grid->model()->index(1, 3).data(Qt::BackgroundRole).isValid());

    mouse(QEvent::MouseButtonPress, grid, 2);
    mouse(QEvent::MouseMove, grid, 0);
    mouse(QEvent::MouseButtonRelease, grid, 0, Qt::NoButton);
    EXPECT_EQ(core.Row(), 2);
    EXPECT_EQ(core.RowSel(), 0);
    EXPECT_FALSE(grid->model()->index(1, 3).data(Qt::BackgroundRole).isValid());
    find<QPushButton>(manager, "btnMemoryEdit_0")->click();
    EXPECT_EQ(cell(manager, 1, 2), "145.025.00");
    EXPECT_TRUE(core.ScratchPad().empty());
}

// Opening fills 1000 rows; the figure printed is the median of repeated openings.
TEST_F(MemoryManagerWindowTest, opening_thousandChannels_isImmediate)
{
    RadioState &s = window->radio().state;
    for (int pos = 0; pos < kMemoryCount; ++pos) {
        s.Memories[pos].Vfo.Frequency = 14400000 + pos * 1250;
        SetDescription(s.Memories[pos], "Channel " + std::to_string(pos));
    }
    std::vector<double> ms;
    for (int run = 0; run < 15; ++run) {
        QElapsedTimer clock;
        clock.start();
        MemoryManagerWindow *manager = open();
        ASSERT_NE(manager, nullptr);
        manager->repaint();
        ms.push_back(clock.nsecsElapsed() / 1e6);
        find<QPushButton>(manager, "cmdCANCEL")->click();
        settle();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("memory manager opening with 1000 channels: median %.1f ms (min %.1f, max %.1f)"
                "\n",
                ms[ms.size() / 2], ms.front(), ms.back());
    EXPECT_LT(ms[ms.size() / 2], 1000.0) << "far above the 100 ms goal even on a loaded machine";
}

} // namespace
} // namespace dorv::gui
