#pragma once

#include <QTableView>

namespace dorv {
class MemoryManager;
}

namespace dorv::gui {

// The grid of the memory manager. Contract: the current row (Row) is where a click
// without Shift lands or where the arrow keys move it; the other end of the selection
// (RowSel) follows a drag, a Shift+click and the Shift+arrow keys. Each change is reported
// once through rangeMoved(row, rowSel); a drag upwards reports rowSel < row, which the
// manager takes as an empty range. Double click and F2 ask for the edit box. The current
// cell is always in the description column; the other columns cannot take it. The columns
// fit their contents when the grid is made and when its font changes; then the user may
// resize them, and a double click on a divider fits the column to what is in view.
class MemoryGridView : public QTableView {
    Q_OBJECT
public:
    MemoryGridView(const dorv::MemoryManager &manager, QWidget *parent = nullptr);

    // Puts the current cell on the manager's Row and scrolls RowSel into view.
    void showRange();
    // Makes each read-only column as wide as its heading and the widest text it can show,
    // and the grid wide enough for them and a part of the description.
    void fitColumns();
    void setModel(QAbstractItemModel *model) override;

signals:
    void rangeMoved(int row, int rowSel);
    void editRequested();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void moveTo(int row, int rowSel);

    const dorv::MemoryManager &manager_;
    bool dragging_ = false;
};

} // namespace dorv::gui
