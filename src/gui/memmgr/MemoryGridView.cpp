#include "memmgr/MemoryGridView.h"

#include "memmgr/MemoryManager.h"
#include "memmgr/MemoryTableModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace dorv::gui {

namespace {

// Room around a cell's text, in pixels, as the style draws it and a little more.
constexpr int kCellPadding = 14;
// The description column keeps at least this many average characters in view.
constexpr int kDescriptionChars = 24;

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
    // The user may widen or narrow a column; a double click on a divider fits it.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setMinimumSectionSize(fontMetrics().horizontalAdvance(QLatin1Char('0')));
}

void MemoryGridView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    fitColumns();
}

void MemoryGridView::fitColumns()
{
    if (model() == nullptr) {
        return;
    }
    const QFontMetrics cells = fontMetrics();
    const QFontMetrics headings = horizontalHeader()->fontMetrics();
    int fixed = 0;
    for (int col = 0; col < dorv::MemoryManager::ColDescription; ++col) {
        int width = headings.horizontalAdvance(model()->headerData(col, Qt::Horizontal).toString());
        for (const QString &text : MemoryTableModel::WidestTexts(col)) {
            width = std::max(width, cells.horizontalAdvance(text));
        }
        setColumnWidth(col, width + kCellPadding);
        fixed += width + kCellPadding;
    }
    // The window never gets so narrow that the fixed columns push the description away.
    const int description = cells.averageCharWidth() * kDescriptionChars;
    setMinimumWidth(fixed + description + verticalScrollBar()->sizeHint().width() +
                    2 * frameWidth());
}

void MemoryGridView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
        fitColumns();
    }
}

void MemoryGridView::showRange()
{
    if (model() == nullptr) {
        return;
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
