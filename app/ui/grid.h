// A grid of rows and columns showing a data source, such as an open table.
// The grid only shows and edits; the source holds the data and the current
// row.
#pragma once

#include "ui/control.h"

#include <string>

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

    // The user moves to a row: the source's current row changes, onRowChange runs.
    bool userMoveToRow(int row);
    // The user edits a cell; false when the grid is read-only or the source refuses.
    bool userEditCell(int row, int column, const std::string& text);

    Handler onRowChange;
    Handler onCellEdited;

private:
    GridSource* source_ = nullptr;
    bool readOnly_ = false;
};

} // namespace verdalis::ui
