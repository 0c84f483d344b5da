#include "reports/table_grid_source.h"

#include "tables/table.h"
#include "ui/event_dispatcher.h"

namespace verdalis::reports {

bool TableGridSource::inserting() const
{
    return table_->state() == Table::State::Insert;
}

int TableGridSource::rowCount() const
{
    return static_cast<int>(table_->recordCount()) + (inserting() ? 1 : 0);
}

int TableGridSource::columnCount() const
{
    return table_->isOpen() ? static_cast<int>(table_->fieldCount()) : 0;
}

bool TableGridSource::validCell(int row, int column) const
{
    return row >= 0 && row < rowCount() && column >= 0 && column < columnCount();
}

std::string TableGridSource::columnName(int column) const
{
    return column >= 0 && column < columnCount() ? table_->fieldDef(static_cast<size_t>(column)).name : std::string();
}

std::string TableGridSource::cellText(int row, int column) const
{
    // A view may still ask for cells of a shape it saw before a change.
    if (!validCell(row, column)) {
        return {};
    }
    const bool buffered = table_->state() != Table::State::Browse && row == currentRow();
    if (buffered) {
        return table_->field(static_cast<size_t>(column)).asText();
    }
    return table_->textAt(static_cast<size_t>(row), static_cast<size_t>(column));
}

int TableGridSource::currentRow() const
{
    if (inserting()) {
        return static_cast<int>(table_->recordCount());
    }
    return static_cast<int>(table_->recordNumber()) - 1;
}

void TableGridSource::setCurrentRow(int row)
{
    if (row == currentRow() || row < 0) {
        return;
    }
    reported([&] { table_->moveTo(static_cast<size_t>(row) + 1); });
}

bool TableGridSource::setCellText(int row, int column, const std::string& text)
{
    if (table_->readOnly() || !validCell(row, column)) {
        return false;
    }
    setCurrentRow(row);
    if (row != currentRow()) {
        return false;
    }
    return reported([&] {
        table_->edit();
        table_->field(static_cast<size_t>(column)).setText(text);
    });
}

bool TableGridSource::reported(const std::function<void()>& change)
{
    return ui::EventDispatcher(dialogs_).run(change);
}

} // namespace verdalis::reports
