// verdalis-tables: looks into table files and builds them from CSV.
//   verdalis-tables dump FILE                        records as CSV on stdout
//   verdalis-tables info FILE                        type, record count, columns
//   verdalis-tables build SCHEMA.csv DATA.csv OUTPUT builds a .db or .dbf table
// Errors go to stderr with exit status 1.
#include "tables/csv_writer.h"
#include "tables/table.h"
#include "tables/table_build.h"
#include "tables/table_error.h"
#include "util/number_text.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

using verdalis::Table;

constexpr int kUsageError = 2;

void openTable(Table& table, const std::filesystem::path& file)
{
    table.setReadOnly(true);
    const std::filesystem::path dir = file.parent_path().empty() ? "." : file.parent_path();
    table.open(dir, file.filename().string());
}

int dump(const std::filesystem::path& file)
{
    Table table;
    openTable(table, file);
    std::vector<std::string> cells;
    for (size_t i = 0; i < table.fieldCount(); ++i) {
        cells.push_back(table.fieldDef(i).name);
    }
    std::cout << verdalis::csvLine(cells);
    for (size_t row = 0; row < table.recordCount(); ++row) {
        cells.clear();
        for (size_t i = 0; i < table.fieldCount(); ++i) {
            cells.push_back(table.textAt(row, i));
        }
        std::cout << verdalis::csvLine(cells);
    }
    return 0;
}

int info(const std::filesystem::path& file)
{
    Table table;
    openTable(table, file);
    std::cout << "type: " << (table.format() == verdalis::TableFormat::Paradox ? "Paradox" : "dBASE") << "\n"
              << "records: " << table.recordCount() << "\n"
              << "columns: " << table.fieldCount() << "\n";
    for (size_t i = 0; i < table.fieldCount(); ++i) {
        const verdalis::FieldDef& field = table.fieldDef(i);
        std::cout << "  " << field.name << " " << verdalis::fieldTypeName(field.type) << " " << field.size;
        if (field.decimals != 0) {
            std::cout << "." << field.decimals;
        }
        std::cout << "\n";
    }
    return 0;
}

int usage()
{
    std::cerr << "usage: verdalis-tables dump FILE\n"
                 "       verdalis-tables info FILE\n"
                 "       verdalis-tables build SCHEMA.csv DATA.csv OUTPUT\n";
    return kUsageError;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "dump") {
            return dump(args[1]);
        }
        if (args.size() == 2 && args[0] == "info") {
            return info(args[1]);
        }
        if (args.size() == 4 && args[0] == "build") {
            verdalis::buildTable(args[1], args[2], args[3]);
            return 0;
        }
    } catch (const std::exception& error) {
        std::cerr << "verdalis-tables: " << error.what() << "\n";
        return 1;
    }
    return usage();
}
