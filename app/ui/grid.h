// A grid of rows and columns showing a data source, such as an open table.
// The grid only shows and edits; the source holds the data and the current
// row.
#pragma once

#include "ui/control.h"
#include "ui/edit.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace verdalis::ui {

class GridSource {
public:
    virtual ~GridSource() = default;

    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual std::string columnName(int column) const = 0;
    virtual std::string cellText(int row, int column) const = 0;
    // False when the source refuses the value (read-only, not valid).
    virtual bool setCellText(int row, int column, const std::string& text) = 0;
    // The current row, or -1 when the source has none.
    virtual int currentRow() const = 0;
    virtual void setCurrentRow(int row) = 0;
};

class Grid : public Control {
public:
    explicit Grid(std::string name) : Control(ControlKind::Grid, std::move(name)) {}

    // The source is not owned; null shows an empty grid.
    GridSource* source() const { return source_; }
    void setSource(GridSource* source);
    // Tells the view that the source's data changed.
    void refresh() { changed(Property::GridData); }

    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);
    bool columnReadOnly(int column) const { return readOnly_ || readOnlyColumns_.contains(column); }
    void setColumnReadOnly(int column, bool readOnly);

    // The choices a column's cells are picked from in a drop-down; empty for
    // a column of free text.
    const std::vector<std::string>& columnPickList(int column) const;
    void setColumnPickList(int column, std::vector<std::string> items);

    // The column of the cell with the focus (0 is the first).
    int currentColumn() const { return currentColumn_; }
    void setCurrentColumn(int column);

    // Rows picked for copying or deleting, besides the current row.
    const std::set<int>& selectedRows() const { return selectedRows_; }
    void setRowSelected(int row, bool selected);

    // The user moves to a row: the source's current row changes, onRowChange runs.
    bool userMoveToRow(int row);
    // The user moves to a cell of the current row.
    bool userMoveToColumn(int column);
    // The user edits a cell; false when the cell is read-only or the source refuses.
    bool userEditCell(int row, int column, const std::string& text);
    // The user types a key into the current cell: onKeyPress may change or
    // refuse it (noKey) or make the column read-only; what is left edits the
    // cell's text (a character is added, backspace removes the last one).
    bool userKey(Key key);
    // The user types a key into an editor of the current cell that keeps the
    // text itself: onKeyPress may change or refuse the key or make the column
    // read-only. The key left to apply, or noKey.
    Key userFilterKey(Key key);
    // The focus leaves the grid: onExit runs (to post a pending edit).
    bool userLeave() { return reachable() && fireUserEvent(onExit); }

    Handler onRowChange;
    Handler onCellEdited;
    std::function<void(Key&)> onKeyPress;
    Handler onExit;

private:
    bool validCell(int row, int column) const;

    GridSource* source_ = nullptr;
    bool readOnly_ = false;
    std::set<int> readOnlyColumns_;
    std::map<int, std::vector<std::string>> pickLists_;
    int currentColumn_ = 0;
    std::set<int> selectedRows_;
};

} // namespace verdalis::ui
