#include "memmgr/MemoryTableModel.h"

#include "memmgr/MemoryManager.h"

#include <QApplication>
#include <QPalette>

namespace dorv::gui {

MemoryTableModel::MemoryTableModel(const dorv::MemoryManager &manager, QObject *parent)
    : QAbstractTableModel(parent), manager_(manager)
{
}

int MemoryTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : dorv::kMemoryCount;
}

int MemoryTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : dorv::MemoryManager::kColumnCount;
}

QVariant MemoryTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    const bool selected = manager_.InSelection(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(manager_.CellText(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return index.column() == dorv::MemoryManager::ColDescription
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (selected) {
            return QApplication::palette().brush(QPalette::Highlight);
        }
        return index.column() == dorv::MemoryManager::ColDescription
                   ? QVariant()
                   : QVariant(QApplication::palette().brush(QPalette::Button));
    case Qt::ForegroundRole:
        return selected ? QVariant(QApplication::palette().brush(QPalette::HighlightedText))
                        : QVariant();
    default:
        return {};
    }
}

QVariant MemoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const kHeadings[] = {"Channel", "Bank", "Freq", "Description"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= dorv::MemoryManager::kColumnCount) {
        return {};
    }
    return QString::fromLatin1(kHeadings[section]);
}

void MemoryTableModel::refresh()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace dorv::gui
