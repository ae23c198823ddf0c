#include "memmgr/MemoryGridView.h"

#include "memmgr/MemoryManager.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace dorv::gui {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kColumnTwips[] = {735, 615, 975, 4670};

} // namespace

MemoryGridView::MemoryGridView(const dorv::MemoryManager &manager, QWidget *parent)
    : QTableView(parent), manager_(manager)
{
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
}

void MemoryGridView::showRange()
{
    if (model() == nullptr) {
        return;
    }
    for (int col = 0; col < 4; ++col) {
        setColumnWidth(col, kColumnTwips[col] / kTwipsPerPixel);
    }
    setCurrentIndex(model()->index(manager_.Row(), dorv::MemoryManager::ColDescription));
    scrollTo(model()->index(manager_.RowSel(), dorv::MemoryManager::ColDescription));
}

void MemoryGridView::moveTo(int row, int rowSel)
{
    const int last = dorv::kMemoryCount - 1;
    row = std::clamp(row, 0, last);
    rowSel = std::clamp(rowSel, 0, last);
    if (row != manager_.Row() || rowSel != manager_.RowSel()) {
        emit rangeMoved(row, rowSel);
    }
}

void MemoryGridView::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid()) {
        return;
    }
    dragging_ = true;
    if (event->modifiers() & Qt::ShiftModifier) {
        moveTo(manager_.Row(), index.row());
    } else {
        moveTo(index.row(), index.row());
    }
}

void MemoryGridView::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragging_) {
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        moveTo(manager_.Row(), index.row());
    }
}

void MemoryGridView::mouseReleaseEvent(QMouseEvent *)
{
    dragging_ = false;
}

void MemoryGridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (indexAt(event->position().toPoint()).isValid()) {
        emit editRequested();
    }
}

void MemoryGridView::keyPressEvent(QKeyEvent *event)
{
    const int page = std::max(1, viewport()->height() / std::max(1, rowHeight(0)) - 1);
    int step = 0;
    switch (event->key()) {
    case Qt::Key_F2:
        emit editRequested();
        return;
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_PageUp:
        step = -page;
        break;
    case Qt::Key_PageDown:
        step = page;
        break;
    case Qt::Key_Home:
        step = -dorv::kMemoryCount;
        break;
    case Qt::Key_End:
        step = dorv::kMemoryCount;
        break;
    default:
        QTableView::keyPressEvent(event);
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        moveTo(manager_.Row(), manager_.RowSel() + step);
    } else {
        moveTo(manager_.Row() + step, manager_.Row() + step);
    }
}

} // namespace dorv::gui
