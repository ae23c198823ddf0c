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
        return QVariant(ColumnAlignment(index.column()) | Qt::AlignVCenter);
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
    static const char *const kHeadings[] = {"Channel", "Bank", "Freq",     "Mode", "Shift",
                                            "Offset",  "Tone", "Split TX", "Skip", "Description"};
    if (orientation != Qt::Horizontal || section < 0 ||
        section >= dorv::MemoryManager::kColumnCount) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant(ColumnAlignment(section) | Qt::AlignVCenter);
    }
    return role == Qt::DisplayRole ? QVariant(QString::fromLatin1(kHeadings[section])) : QVariant();
}

Qt::Alignment MemoryTableModel::ColumnAlignment(int column)
{
    using M = dorv::MemoryManager;
    switch (column) {
    case M::ColChannel:
    case M::ColBank:
    case M::ColFreq:
    case M::ColOffset:
    case M::ColSplitTx:
        return Qt::AlignRight;
    case M::ColDescription:
        return Qt::AlignLeft;
    default:
        return Qt::AlignHCenter;
    }
}

QStringList MemoryTableModel::WidestTexts(int column)
{
    using M = dorv::MemoryManager;
    switch (column) {
    case M::ColChannel:
        return {QStringLiteral("999")};
    case M::ColBank:
        return {QStringLiteral("20")};
    case M::ColFreq:
    case M::ColSplitTx:
        return {QStringLiteral("470.000.00"), QStringLiteral("888.888.88")};
    case M::ColMode:
        return {QStringLiteral("CWR"), QStringLiteral("DIG"), QStringLiteral("PKT")};
    case M::ColShift:
        return {QStringLiteral("+"), QStringLiteral("-")};
    case M::ColOffset:
        return {QStringLiteral("88.888")};
    case M::ColTone:
        return {QStringLiteral("ENC DEC 254.1"), QStringLiteral("DCS 754")};
    case M::ColSkip:
        return {QStringLiteral("SKIP")};
    default:
        return {};
    }
}

void MemoryTableModel::refresh()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace dorv::gui
