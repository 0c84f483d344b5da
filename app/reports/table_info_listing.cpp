#include "reports/table_info_listing.h"

#include "tables/table.h"

namespace verdalis::reports {

namespace {

constexpr std::string_view detailIndent = "    ";
constexpr std::string_view columnIndent = "        ";
constexpr std::string_view listingEnd = " ";

} // namespace

std::vector<std::string> tableInfoLines(const std::filesystem::path& path)
{
    Table table;
    table.setReadOnly(true);
    table.open(path.parent_path(), path.filename().string());
    std::vector<std::string> lines;
    lines.push_back(path.filename().string() + ":");
    lines.push_back(std::string(detailIndent) + "Hard Drive Location: " + path.parent_path().string());
    lines.push_back(std::string(detailIndent) + "Num Records: " + std::to_string(table.recordCount()));
    lines.push_back(std::string(detailIndent) + "Num Columns: " + std::to_string(table.fieldCount()));
    for (size_t column = 0; column < table.fieldCount(); ++column) {
        lines.push_back(std::string(columnIndent) + table.fieldDef(column).name);
    }
    lines.emplace_back(listingEnd);
    return lines;
}

} // namespace verdalis::reports
