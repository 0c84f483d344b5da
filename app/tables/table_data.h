// A table as held in memory: its columns, its records in table order and
// what each format keeps in its header. Both format readers produce it and
// both writers take it; tables opened from the same unchanged file share one
// instance through the table cache.
#pragma once

#include "tables/field_def.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace verdalis {

class KeyIndex;

enum class TableFormat { Paradox, Dbase };

// One cell. Which alternative a column holds follows its type:
//   Text                          std::string (UTF-8)
//   Integer, Short, AutoIncrement int64_t
//   Date                          int64_t day number (see calendar.h)
//   Time                          int64_t milliseconds since midnight
//   Float, Money                  double
//   Timestamp                     double milliseconds since 0000-12-31 00:00 (day 0)
//   Logical                       bool
// std::monostate is an empty cell.
using Value = std::variant<std::monostate, std::string, int64_t, double, bool>;

inline bool isEmpty(const Value& value)
{
    return std::holds_alternative<std::monostate>(value)
        || (std::holds_alternative<std::string>(value) && std::get<std::string>(value).empty());
}

struct Row {
    // Stable for the life of the process: bookmarks name rows by it.
    uint64_t id = 0;
    std::vector<Value> cells;
};

struct ParadoxHeader {
    uint8_t fileVersionId = 0x0C;
    uint8_t blockSizeKb = 4;
    uint16_t keyFieldCount = 0;
    uint16_t codePage = 1252;
    uint8_t sortOrder = 0;
    std::string sortOrderName = "ascii";
    int32_t autoIncrement = 0;
    std::string tableName;
};

struct DbaseHeader {
    // The Windows-1252 code page mark; other readers take it as 1252 too.
    uint8_t languageDriver = 0x03;
};

// Key indexes built on demand over a TableData that never changes; a copy of
// the data starts without them.
class KeyIndexCache {
public:
    KeyIndexCache() = default;
    KeyIndexCache(const KeyIndexCache&) {}
    KeyIndexCache& operator=(const KeyIndexCache&) { return *this; }

    // The index over the given columns, built on first use.
    const KeyIndex& get(const struct TableData& data, const std::vector<size_t>& columns) const;

private:
    mutable std::mutex mutex_;
    mutable std::unordered_map<std::string, std::shared_ptr<const KeyIndex>> indexes_;
};

struct TableData {
    TableFormat format = TableFormat::Dbase;
    // Data that descends from one reading of a file, through changes made by
    // this process, shares a lineage and so its row ids. Set by the cache.
    uint64_t lineage = 0;
    std::vector<FieldDef> fields;
    std::vector<Row> rows;
    uint64_t nextRowId = 0;
    ParadoxHeader paradox;
    DbaseHeader dbase;
    KeyIndexCache indexes;

    bool isKeyed() const { return format == TableFormat::Paradox && paradox.keyFieldCount > 0; }

    Row& appendRow(std::vector<Value> cells)
    {
        rows.push_back(Row{nextRowId++, std::move(cells)});
        return rows.back();
    }
};

} // namespace verdalis
