#include "gui/grid_table_model.h"

#include "gui/qt_text.h"

namespace verdalis::gui {

void GridTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

int GridTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || grid_.source() == nullptr ? 0 : grid_.source()->rowCount();
}

int GridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || grid_.source() == nullptr ? 0 : grid_.source()->columnCount();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const
{
    if (grid_.source() == nullptr || !index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return toQt(grid_.source()->cellText(index.row(), index.column()));
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (grid_.source() == nullptr || role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return toQt(grid_.source()->columnName(section));
    }
    return section + 1;
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && !grid_.columnReadOnly(index.column())) {
        result |= Qt::ItemIsEditable;
    }
    return result;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid()) {
        return false;
    }
    const bool accepted = grid_.userEditCell(index.row(), index.column(), fromQt(value.toString()));
    emit dataChanged(index, index);
    return accepted;
}

} // namespace verdalis::gui
