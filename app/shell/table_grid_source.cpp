#include "shell/table_grid_source.h"

namespace verdalis::shell {

int TableGridSource::rowCount() const
{
    return table_.isOpen() ? static_cast<int>(table_.recordCount()) : 0;
}

int TableGridSource::columnCount() const
{
    return table_.isOpen() ? static_cast<int>(table_.fieldCount()) : 0;
}

std::string TableGridSource::columnName(int column) const
{
    return table_.fieldDef(static_cast<size_t>(column)).name;
}

std::string TableGridSource::cellText(int row, int column) const
{
    return table_.textAt(static_cast<size_t>(row), static_cast<size_t>(column));
}

bool TableGridSource::setCellText(int, int, const std::string&)
{
    return false;
}

int TableGridSource::currentRow() const
{
    return table_.isOpen() ? static_cast<int>(table_.recordNumber()) - 1 : -1;
}

void TableGridSource::setCurrentRow(int row)
{
    table_.moveTo(static_cast<size_t>(row) + 1);
}

} // namespace verdalis::shell
