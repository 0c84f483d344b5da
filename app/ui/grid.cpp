#include "ui/grid.h"

namespace verdalis::ui {

void Grid::setSource(GridSource* source)
{
    source_ = source;
    changed(Property::GridData);
}

void Grid::setReadOnly(bool readOnly)
{
    assign(readOnly_, readOnly, Property::ReadOnly);
}

bool Grid::userMoveToRow(int row)
{
    if (!reachable() || source_ == nullptr || row < 0 || row >= source_->rowCount()) {
        return false;
    }
    if (row != source_->currentRow()) {
        source_->setCurrentRow(row);
        changed(Property::Selection);
        fireUserEvent(onRowChange);
    }
    return true;
}

bool Grid::userEditCell(int row, int column, const std::string& text)
{
    if (!reachable() || readOnly_ || source_ == nullptr || row < 0 || row >= source_->rowCount() || column < 0 ||
        column >= source_->columnCount()) {
        return false;
    }
    if (!source_->setCellText(row, column, text)) {
        return false;
    }
    changed(Property::GridData);
    fireUserEvent(onCellEdited);
    return true;
}

} // namespace verdalis::ui
