// The rows of an open table as a grid shows them. Cells are read on demand
// from the table's records (no copy of the table is made), so a grid over a
// table of any size asks only for the rows it has on screen. The record being
// edited shows its edit buffer; a record being inserted is an extra last row.
//
// Moving to another row posts a record being edited, as the table does.
// Errors of the table (a value a column cannot take, a post that cannot
// write) are shown in the standard error box and the change is refused.
#pragma once

#include "ui/grid.h"

#include <functional>

namespace verdalis {
class Table;
}

namespace verdalis::ui {
class Dialogs;
}

namespace verdalis::reports {

class TableGridSource : public ui::GridSource {
public:
    // Neither is owned.
    TableGridSource(Table& table, ui::Dialogs& dialogs) : table_(&table), dialogs_(dialogs) {}

    int rowCount() const override;
    int columnCount() const override;
    std::string columnName(int column) const override;
    std::string cellText(int row, int column) const override;
    bool setCellText(int row, int column, const std::string& text) override;
    int currentRow() const override;
    void setCurrentRow(int row) override;

private:
    bool inserting() const;
    bool validCell(int row, int column) const;
    // Runs a change of the table; false when an error refused it.
    bool reported(const std::function<void()>& change);

    Table* table_;
    ui::Dialogs& dialogs_;
};

} // namespace verdalis::reports
