#pragma once

#include <QAbstractTableModel>

namespace dorv {
class MemoryManager;
}

namespace dorv::gui {

// The memory manager's grid as a table model over the core's working copy: 1000 rows,
// one per position, and the columns Channel, Bank, Freq, Mode, Shift, Offset, Tone,
// Split TX, Skip and Description. Rows in the
// range Row..RowSel are drawn highlighted. The model holds no data of its own; refresh()
// tells the view that the working copy or the range changed.
class MemoryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MemoryTableModel(const dorv::MemoryManager &manager, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void refresh();

    static Qt::Alignment ColumnAlignment(int column);
    // The widest texts a column can show, so that it is made wide enough for any memory.
    static QStringList WidestTexts(int column);

private:
    const dorv::MemoryManager &manager_;
};

} // namespace dorv::gui
