// Shows an open table in a grid: one row per record that passes the
// table's filter, one column per field; the grid's current row is the
// table's cursor.
#pragma once

#include "tables/table.h"
#include "ui/grid.h"

namespace verdalis::shell {

class TableGridSource : public ui::GridSource {
public:
    explicit TableGridSource(Table& table) : table_(table) {}

    int rowCount() const override;
    int columnCount() const override;
    std::string columnName(int column) const override;
    std::string cellText(int row, int column) const override;
    // Editing the grid's cells belongs to the record grid; this view refuses.
    bool setCellText(int row, int column, const std::string& text) override;
    int currentRow() const override;
    void setCurrentRow(int row) override;

private:
    Table& table_;
};

} // namespace verdalis::shell
