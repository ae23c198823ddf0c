#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace dorv {
class Radio;
}

namespace dorv::gui {

class MemoryGridView;
class MemoryTableModel;

// The memory manager window (frmMemoryManager), modeless. It draws the core's manager
// state and forwards every input to it; the core decides when the window goes, and the
// main window closes it then. The edit box Text1 lies over the current description cell.
class MemoryManagerWindow : public QWidget {
    Q_OBJECT
public:
    explicit MemoryManagerWindow(dorv::Radio &radio, QWidget *parent = nullptr);

    MemoryGridView *grid() const { return grid_; }
    QLineEdit *editBox() const { return text1_; }

    // Redraws the grid, the bank boxes and the edit box from the core's state.
    void render();

signals:
    void acted();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildBanks();
    QWidget *buildButtons();
    void buildMenu();
    void openEditBox();
    void placeEditBox();
    // Runs a core handler, then redraws and tells the main window.
    template <typename F> void act(F &&handler);

    dorv::Radio &radio_;
    MemoryTableModel *model_ = nullptr;
    MemoryGridView *grid_ = nullptr;
    QLineEdit *text1_ = nullptr;
    std::array<QCheckBox *, 20> banks_{};
};

} // namespace dorv::gui
