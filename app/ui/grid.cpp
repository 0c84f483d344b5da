#include "ui/grid.h"

#include "util/text_encoding.h"

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

void Grid::setColumnReadOnly(int column, bool readOnly)
{
    const bool changedState = readOnly ? readOnlyColumns_.insert(column).second : readOnlyColumns_.erase(column) > 0;
    if (changedState) {
        changed(Property::ReadOnly);
    }
}

const std::vector<std::string>& Grid::columnPickList(int column) const
{
    static const std::vector<std::string> freeText;
    const auto found = pickLists_.find(column);
    return found == pickLists_.end() ? freeText : found->second;
}

void Grid::setColumnPickList(int column, std::vector<std::string> items)
{
    pickLists_[column] = std::move(items);
    changed(Property::Items);
}

void Grid::setCurrentColumn(int column)
{
    assign(currentColumn_, column, Property::Selection);
}

void Grid::setRowSelected(int row, bool selected)
{
    const bool changedState = selected ? selectedRows_.insert(row).second : selectedRows_.erase(row) > 0;
    if (changedState) {
        changed(Property::Selection);
    }
}

bool Grid::validCell(int row, int column) const
{
    return source_ != nullptr && row >= 0 && row < source_->rowCount() && column >= 0 &&
           column < source_->columnCount();
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

bool Grid::userMoveToColumn(int column)
{
    if (!reachable() || source_ == nullptr || column < 0 || column >= source_->columnCount()) {
        return false;
    }
    setCurrentColumn(column);
    return true;
}

bool Grid::userEditCell(int row, int column, const std::string& text)
{
    if (!reachable() || !validCell(row, column) || columnReadOnly(column)) {
        return false;
    }
    if (!source_->setCellText(row, column, text)) {
        return false;
    }
    changed(Property::GridData);
    fireUserEvent(onCellEdited);
    return true;
}

Key Grid::userFilterKey(Key key)
{
    if (!reachable() || source_ == nullptr || !validCell(source_->currentRow(), currentColumn_)) {
        return noKey;
    }
    if (onKeyPress && !fireUserEvent([&] { onKeyPress(key); })) {
        return noKey;
    }
    return columnReadOnly(currentColumn_) ? noKey : key;
}

bool Grid::userKey(Key key)
{
    if (!reachable() || source_ == nullptr || !validCell(source_->currentRow(), currentColumn_)) {
        return false;
    }
    key = userFilterKey(key);
    const int row = source_->currentRow();
    if (key == noKey || (key < ' ' && key != backspaceKey)) {
        return true;
    }
    std::string text = source_->cellText(row, currentColumn_);
    if (key == backspaceKey) {
        text.resize(toCharacterStart(text, text.empty() ? 0 : text.size() - 1));
    } else {
        appendUtf8(text, key);
    }
    userEditCell(row, currentColumn_, text);
    return true;
}

} // namespace verdalis::ui
