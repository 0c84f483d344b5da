// An open table: a cursor over the records of a Paradox or dBASE file, with
// filters, key search, field access, changes and bookmarks.
//
// Errors: operations raise TableError for problems of the table (a file that
// cannot be read or written, a missing column, a change in the wrong state
// or on a read-only table) and ConversionError for a text or number that
// a column cannot take. Neither leaves the table changed: a record that
// fails to post stays in the edit buffer.
//
// Records are read from the file once and shared through the table cache
// while the file is unchanged, so opening a reference table again costs a
// file stat and record access by number costs no file access at all.
// Every post and delete writes the whole file anew and renames it over the
// old one: a crash leaves the old or the new table, never a mixture.
#pragma once

#include "tables/field_def.h"
#include "tables/table_data.h"
#include "tables/table_file.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

enum class TableType { Paradox, Dbase, ByExtension };

class Table;

struct LocateOptions {
    // Text key columns match when the record's value starts with the search
    // value.
    bool partialKey = false;
};

// A column of the current record (or of the edit buffer while a record is
// being edited or inserted). Valid while its table stays open.
class Field {
public:
    const FieldDef& definition() const;
    const std::string& name() const { return definition().name; }

    bool isNull() const;
    std::string asText() const;  // see cell_value.h for the forms
    double asFloat() const;      // 0 for an empty value
    int64_t asInteger() const;   // 0 for an empty value

    // Only while the table is in Edit or Insert state. An empty text empties
    // the value.
    void setText(std::string_view text);
    void setFloat(double value);
    void setInteger(int64_t value);
    void setNull();

private:
    friend class Table;
    Field(Table& table, size_t index) : table_(&table), index_(index) {}
    const Value& value() const;
    void set(Value value);

    Table* table_;
    size_t index_;
};

class Table {
public:
    enum class State { Inactive, Browse, Edit, Insert };
    // Identifies a record for as long as the process runs.
    struct Bookmark {
        uint64_t rowId = 0;
        bool operator==(const Bookmark&) const = default;
    };

    Table();
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Creates (or replaces) the file `dir/fileName` as an empty table with
    // these columns. The table object itself stays closed. A name without
    // extension gets the one of `type` (".db", ".dbf"), here and in open.
    static void create(const std::filesystem::path& dir, std::string_view fileName, TableType type,
                       const std::vector<FieldDef>& fields);

    // --- Opening -----------------------------------------------------------
    // The filter takes effect at the next open. A malformed filter raises
    // TableError here, a column it names that the table lacks raises at open;
    // an empty expression switches filtering off.
    void setFilter(std::string_view expression);
    // Read-only refuses every change from now on, open or not.
    void setReadOnly(bool readOnly);
    bool readOnly() const { return readOnly_; }

    // Closes what is open, then opens `fileName` in `dir`; the name is
    // matched ignoring case when the exact name does not exist. Positions on
    // the first record and runs the after-scroll handler. Raises TableError
    // naming the file when it is missing, of an unknown type or corrupt; the
    // table then stays closed.
    void open(const std::filesystem::path& dir, std::string_view fileName, TableType type = TableType::ByExtension);
    // Drops an unposted change.
    void close();
    bool isOpen() const { return state_ != State::Inactive; }
    State state() const { return state_; }
    const std::filesystem::path& path() const { return path_; }
    TableFormat format() const;

    // --- Moving ------------------------------------------------------------
    // Moving posts a record being edited or inserted first, as a grid does.
    void first();
    void last();
    void next();
    void prior();
    void moveBy(int64_t distance);
    // 1-based among the records that pass the filter; clamps to the range.
    void moveTo(size_t recordNumber);
    // True after a move tried to go past the last (first) record, or when
    // there are no records.
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }
    // Records that pass the filter.
    size_t recordCount() const;
    // 1-based; 0 when there are no records.
    size_t recordNumber() const;

    // --- Searching ---------------------------------------------------------
    // Positions on the first record (in table order, among those that pass
    // the filter) whose key columns equal `values`, ignoring case. Key
    // columns are named in one text separated by ";" ("LKey;MUSYM"), one value
    // per column. Returns false when no record matches, and also when a value
    // cannot be compared with its column's type ("abc" for a number column)
    // or a key column does not exist: those raise TableError inside the
    // engine, which locate reports as not found. After false the position is
    // unchanged. After true the after-scroll handler runs, also when the
    // record was already current. Exact searches use an index of the key
    // columns built on the first search and kept with the cached table.
    bool locate(std::string_view keyColumns, const std::vector<std::string>& values, LocateOptions options = {});
    bool locate(std::string_view keyColumns, std::string_view value, LocateOptions options = {});

    // --- Columns -----------------------------------------------------------
    size_t fieldCount() const;
    const FieldDef& fieldDef(size_t index) const;
    bool hasField(std::string_view name) const;
    // Raises TableError naming the table and the column when it is missing.
    Field field(std::string_view name);
    // Raises TableError when `index` >= fieldCount().
    Field field(size_t index);

    // A cell of any record without moving the cursor, for grids: `row` is
    // 0-based among the records that pass the filter.
    std::string textAt(size_t row, size_t field) const;

    // --- Changing ----------------------------------------------------------
    // Both formats keep unkeyed records in the order they arrived, so insert
    // and append both add the new record at the end of the table.
    void insert();
    void append();
    void edit();
    // Writes the record to the file; raises TableError and stays in Edit or
    // Insert state when it cannot.
    void post();
    void cancel();
    // Deletes the current record after asking the before-delete handler;
    // returns false when it refused (or there is no record).
    bool deleteRecord();
    // Takes in the changes that other Table objects of this process (or
    // other programs) wrote since this one read the file, staying on the
    // same record when it still exists. Posts and deletes take in changes of
    // other Table objects by themselves, so that none is lost; they refuse
    // with TableError when another program rewrote the file meanwhile.
    void refresh();

    // --- Bookmarks ---------------------------------------------------------
    Bookmark bookmark() const;
    // False when the record no longer exists or does not pass the filter.
    bool gotoBookmark(const Bookmark& mark);

    // --- Events ------------------------------------------------------------
    // Runs before a record is deleted; returning false keeps the record.
    void setBeforeDelete(std::function<bool(Table&)> handler) { beforeDelete_ = std::move(handler); }
    // Runs after the current record changed: open, moves, a successful
    // locate or bookmark, a post that moved to a new record, a delete.
    void setAfterScroll(std::function<void(Table&)> handler) { afterScroll_ = std::move(handler); }

private:
    friend class Field;

    void requireOpen() const;
    void requireBrowseOrPost();
    void requireWritable() const;
    size_t fieldIndex(std::string_view name) const;
    size_t rowOfPosition(size_t position) const;
    std::optional<size_t> positionOfRow(size_t row) const;
    void applyFilter();
    bool passesFilter(const Row& row) const;
    void setPosition(size_t position);
    void scrolled();
    std::shared_ptr<const TableData> latestData() const;
    void commit(std::shared_ptr<TableData> changed);
    void positionOnRow(std::optional<uint64_t> rowId);
    std::optional<uint64_t> currentRowId() const;
    std::optional<size_t> findFirst(const std::vector<size_t>& columns, const std::vector<std::string>& values,
                                    bool partialKey) const;
    const std::vector<Value>& currentCells() const;
    std::string describe() const;

    struct ResolvedFilterTerm {
        size_t column;
        std::string foldedValue;
    };

    std::string filterExpression_;
    bool readOnly_ = false;
    std::filesystem::path path_;
    std::shared_ptr<const TableData> data_;
    // The file version data_ was read from or written as.
    FileStamp stamp_;
    std::vector<ResolvedFilterTerm> filter_;
    // Positions of the rows that pass the filter; unused without a filter.
    std::vector<size_t> filteredRows_;
    bool filtered_ = false;
    State state_ = State::Inactive;
    size_t position_ = 0;
    bool eof_ = true;
    bool bof_ = true;
    // The record being edited or inserted.
    Row buffer_;
    std::function<bool(Table&)> beforeDelete_;
    std::function<void(Table&)> afterScroll_;
};

} // namespace verdalis
