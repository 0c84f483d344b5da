#include "tables/table.h"

#include "tables/cell_value.h"
#include "tables/key_index.h"
#include "tables/table_cache.h"
#include "tables/table_error.h"
#include "tables/table_file.h"
#include "tables/table_filter.h"
#include "tables/table_format.h"
#include "tables/text_fold.h"
#include "util/case_insensitive_path.h"
#include "util/text_case.h"

#include <algorithm>

namespace verdalis {
namespace {

const Value kEmptyValue;

std::vector<std::string_view> splitKeyColumns(std::string_view text)
{
    std::vector<std::string_view> names;
    size_t start = 0;
    while (true) {
        const size_t end = text.find(';', start);
        names.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return names;
        }
        start = end + 1;
    }
}

std::optional<size_t> rowIndexOf(const TableData& data, uint64_t rowId)
{
    const auto it = std::find_if(data.rows.begin(), data.rows.end(), [&](const Row& row) { return row.id == rowId; });
    if (it == data.rows.end()) {
        return std::nullopt;
    }
    return static_cast<size_t>(it - data.rows.begin());
}

std::optional<size_t> findField(const TableData& data, std::string_view name)
{
    for (size_t i = 0; i < data.fields.size(); ++i) {
        if (equalsIgnoringCase(data.fields[i].name, name)) {
            return i;
        }
    }
    return std::nullopt;
}

// An empty auto-increment cell of a new record takes the next number: one
// above both the table's counter and every number already used, so that it
// is unique whatever the counter of a table from elsewhere meant.
void assignAutoIncrements(TableData& data, std::vector<Value>& cells)
{
    for (size_t i = 0; i < data.fields.size(); ++i) {
        if (data.fields[i].type != FieldType::AutoIncrement || !isEmpty(cells[i])) {
            continue;
        }
        int64_t highest = data.paradox.autoIncrement;
        for (const Row& row : data.rows) {
            if (const auto* used = std::get_if<int64_t>(&row.cells[i])) {
                highest = std::max(highest, *used);
            }
        }
        data.paradox.autoIncrement = static_cast<int32_t>(highest + 1);
        cells[i] = highest + 1;
    }
}

// A table named without extension for an explicit type gets that type's
// extension: ("UserInputs", dBASE) is UserInputs.dbf.
std::string withExtension(TableType type, std::string_view fileName)
{
    std::string name(fileName);
    if (type != TableType::ByExtension && std::filesystem::path(name).extension().empty()) {
        name += type == TableType::Paradox ? ".db" : ".dbf";
    }
    return name;
}

TableFormat formatFor(TableType type, std::string_view fileName)
{
    switch (type) {
    case TableType::Paradox: return TableFormat::Paradox;
    case TableType::Dbase: return TableFormat::Dbase;
    case TableType::ByExtension: break;
    }
    return formatFromExtension(std::filesystem::path(fileName));
}

} // namespace

// --- Field -------------------------------------------------------------------

const FieldDef& Field::definition() const
{
    return table_->fieldDef(index_);
}

const Value& Field::value() const
{
    const Table& table = *table_;
    table.requireOpen();
    return table.currentCells().empty() ? kEmptyValue : table.currentCells()[index_];
}

bool Field::isNull() const { return isEmpty(value()); }
std::string Field::asText() const { return cellText(definition(), value()); }
double Field::asFloat() const { return cellNumber(definition(), value()); }
int64_t Field::asInteger() const { return cellInteger(definition(), value()); }

void Field::set(Value value)
{
    Table& table = *table_;
    if (table.state_ != Table::State::Edit && table.state_ != Table::State::Insert) {
        throw TableError(table.describe() + ": a record must be edited or inserted before column " + name()
                         + " is set");
    }
    checkCell(table.data_->format, definition(), value);
    table.buffer_.cells[index_] = std::move(value);
}

void Field::setText(std::string_view text) { set(cellFromText(definition(), text)); }
void Field::setFloat(double value) { set(cellFromNumber(definition(), value)); }
void Field::setInteger(int64_t value) { set(cellFromInteger(definition(), value)); }
void Field::setNull() { set(Value{}); }

// --- Table -------------------------------------------------------------------

Table::Table() = default;
Table::~Table() = default;

void Table::create(const std::filesystem::path& dir, std::string_view fileName, TableType type,
                   const std::vector<FieldDef>& fields)
{
    const std::string name = withExtension(type, fileName);
    TableData data;
    data.format = formatFor(type, name);
    data.fields = physicalFields(data.format, fields);
    for (size_t i = 0; i < data.fields.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (equalsIgnoringCase(data.fields[i].name, data.fields[j].name)) {
                throw TableError(name + ": the column " + data.fields[i].name + " appears twice");
            }
        }
    }
    const std::filesystem::path path = resolveCaseInsensitive(dir, name);
    data.paradox.tableName = path.stem().string();
    data.lineage = TableCache::instance().newLineage();
    replaceFile(path, encodeTable(data));
    TableCache::instance().store(path, std::make_shared<const TableData>(std::move(data)));
}

void Table::setFilter(std::string_view expression)
{
    if (!expression.empty()) {
        parseFilter(expression);
    }
    filterExpression_ = expression;
}

void Table::setReadOnly(bool readOnly) { readOnly_ = readOnly; }

void Table::open(const std::filesystem::path& dir, std::string_view fileName, TableType type)
{
    close();
    const std::string name = withExtension(type, fileName);
    const TableFormat format = formatFor(type, name);
    const std::filesystem::path path = resolveCaseInsensitive(dir, name);
    LoadedTable loaded = TableCache::instance().load(path, format);
    const std::shared_ptr<const TableData>& data = loaded.data;
    std::vector<ResolvedFilterTerm> filter;
    if (!filterExpression_.empty()) {
        for (const FilterTerm& term : parseFilter(filterExpression_)) {
            const auto column = findField(*data, term.column);
            if (!column) {
                throw TableError(path.filename().string() + ": the filter names the missing column " + term.column);
            }
            filter.push_back({*column, foldCase(term.value)});
        }
    }
    path_ = path;
    data_ = std::move(loaded.data);
    stamp_ = loaded.stamp;
    filter_ = std::move(filter);
    applyFilter();
    state_ = State::Browse;
    position_ = 0;
    bof_ = true;
    eof_ = recordCount() == 0;
    scrolled();
}

void Table::close()
{
    state_ = State::Inactive;
    data_.reset();
    filter_.clear();
    filteredRows_.clear();
    filtered_ = false;
    buffer_ = Row{};
    position_ = 0;
    eof_ = bof_ = true;
}

TableFormat Table::format() const
{
    requireOpen();
    return data_->format;
}

std::string Table::describe() const
{
    return path_.filename().string();
}

void Table::requireOpen() const
{
    if (state_ == State::Inactive) {
        throw TableError("the table " + (path_.empty() ? std::string() : describe() + " ") + "is not open");
    }
}

void Table::requireBrowseOrPost()
{
    requireOpen();
    if (state_ == State::Edit || state_ == State::Insert) {
        post();
    }
}

void Table::requireWritable() const
{
    requireOpen();
    if (readOnly_) {
        throw TableError(describe() + ": the table is read-only");
    }
    if (const auto reason = writeRefusal(*data_)) {
        throw TableError(describe() + ": " + *reason);
    }
}

// --- Positions ---------------------------------------------------------------

size_t Table::recordCount() const
{
    if (state_ == State::Inactive) {
        return 0;
    }
    return filtered_ ? filteredRows_.size() : data_->rows.size();
}

size_t Table::recordNumber() const
{
    return recordCount() == 0 ? 0 : position_ + 1;
}

size_t Table::rowOfPosition(size_t position) const
{
    return filtered_ ? filteredRows_[position] : position;
}

std::optional<size_t> Table::positionOfRow(size_t row) const
{
    if (!filtered_) {
        return row < data_->rows.size() ? std::optional<size_t>(row) : std::nullopt;
    }
    const auto it = std::lower_bound(filteredRows_.begin(), filteredRows_.end(), row);
    if (it == filteredRows_.end() || *it != row) {
        return std::nullopt;
    }
    return static_cast<size_t>(it - filteredRows_.begin());
}

bool Table::passesFilter(const Row& row) const
{
    for (const ResolvedFilterTerm& term : filter_) {
        if (foldCase(cellText(data_->fields[term.column], row.cells[term.column])) != term.foldedValue) {
            return false;
        }
    }
    return true;
}

void Table::applyFilter()
{
    filtered_ = !filter_.empty();
    filteredRows_.clear();
    if (!filtered_) {
        return;
    }
    for (size_t r = 0; r < data_->rows.size(); ++r) {
        if (passesFilter(data_->rows[r])) {
            filteredRows_.push_back(r);
        }
    }
}

const std::vector<Value>& Table::currentCells() const
{
    static const std::vector<Value> kNoCells;
    if (state_ == State::Edit || state_ == State::Insert) {
        return buffer_.cells;
    }
    if (recordCount() == 0) {
        return kNoCells;
    }
    return data_->rows[rowOfPosition(position_)].cells;
}

void Table::scrolled()
{
    if (afterScroll_) {
        afterScroll_(*this);
    }
}

void Table::setPosition(size_t position)
{
    position_ = position;
    eof_ = bof_ = false;
    scrolled();
}

void Table::first()
{
    requireBrowseOrPost();
    position_ = 0;
    bof_ = true;
    eof_ = recordCount() == 0;
    scrolled();
}

void Table::last()
{
    requireBrowseOrPost();
    const size_t count = recordCount();
    position_ = count == 0 ? 0 : count - 1;
    eof_ = true;
    bof_ = count == 0;
    scrolled();
}

void Table::next() { moveBy(1); }
void Table::prior() { moveBy(-1); }

void Table::moveBy(int64_t distance)
{
    requireBrowseOrPost();
    const auto count = static_cast<int64_t>(recordCount());
    if (count == 0) {
        eof_ = bof_ = true;
        return;
    }
    // One step past either end is enough to set eof or bof, and keeps huge
    // distances from overflowing.
    const auto position = static_cast<int64_t>(position_);
    const int64_t target = position + std::clamp<int64_t>(distance, -position - 1, count - position);
    const int64_t clamped = std::clamp<int64_t>(target, 0, count - 1);
    const bool moved = clamped != static_cast<int64_t>(position_);
    position_ = static_cast<size_t>(clamped);
    eof_ = target > count - 1;
    bof_ = target < 0;
    if (moved) {
        scrolled();
    }
}

void Table::moveTo(size_t recordNumber)
{
    requireBrowseOrPost();
    const size_t count = recordCount();
    if (count == 0) {
        eof_ = bof_ = true;
        return;
    }
    setPosition(std::clamp<size_t>(recordNumber, 1, count) - 1);
}

// --- Searching ---------------------------------------------------------------

bool Table::locate(std::string_view keyColumns, std::string_view value, LocateOptions options)
{
    return locate(keyColumns, std::vector<std::string>{std::string(value)}, options);
}

bool Table::locate(std::string_view keyColumns, const std::vector<std::string>& values, LocateOptions options)
{
    requireBrowseOrPost();
    std::optional<size_t> position;
    try {
        std::vector<size_t> columns;
        for (const std::string_view name : splitKeyColumns(keyColumns)) {
            columns.push_back(fieldIndex(name));
        }
        if (columns.size() != values.size()) {
            throw TableError(describe() + ": " + std::to_string(columns.size()) + " key columns but "
                             + std::to_string(values.size()) + " values");
        }
        position = findFirst(columns, values, options.partialKey);
    } catch (const TableError&) {
        return false;
    }
    if (!position) {
        return false;
    }
    setPosition(*position);
    return true;
}

std::optional<size_t> Table::findFirst(const std::vector<size_t>& columns, const std::vector<std::string>& values,
                                       bool partialKey) const
{
    std::vector<std::string> keys;
    for (size_t i = 0; i < columns.size(); ++i) {
        keys.push_back(searchKey(data_->fields[columns[i]], values[i]));
    }
    if (!partialKey) {
        std::string key;
        for (const std::string& part : keys) {
            appendKeyPart(key, part);
        }
        if (const auto* rows = data_->indexes.get(*data_, columns).find(key)) {
            for (const uint32_t row : *rows) {
                if (const auto position = positionOfRow(row)) {
                    return position;
                }
            }
        }
        return std::nullopt;
    }
    for (size_t position = 0; position < recordCount(); ++position) {
        const Row& row = data_->rows[rowOfPosition(position)];
        bool matches = true;
        for (size_t i = 0; i < columns.size() && matches; ++i) {
            const FieldDef& field = data_->fields[columns[i]];
            const std::string cell = cellKey(field, row.cells[columns[i]]);
            matches = field.type == FieldType::Text ? cell.starts_with(keys[i]) : cell == keys[i];
        }
        if (matches) {
            return position;
        }
    }
    return std::nullopt;
}

// --- Columns -----------------------------------------------------------------

size_t Table::fieldCount() const
{
    requireOpen();
    return data_->fields.size();
}

const FieldDef& Table::fieldDef(size_t index) const
{
    requireOpen();
    if (index >= data_->fields.size()) {
        throw TableError(describe() + ": there is no column " + std::to_string(index + 1) + " (the table has "
                         + std::to_string(data_->fields.size()) + ")");
    }
    return data_->fields[index];
}

size_t Table::fieldIndex(std::string_view name) const
{
    requireOpen();
    if (const auto index = findField(*data_, name)) {
        return *index;
    }
    throw TableError(describe() + ": the table has no column " + std::string(name));
}

bool Table::hasField(std::string_view name) const
{
    return state_ != State::Inactive && findField(*data_, name).has_value();
}

Field Table::field(std::string_view name) { return Field(*this, fieldIndex(name)); }

Field Table::field(size_t index)
{
    fieldDef(index);
    return Field(*this, index);
}

std::string Table::textAt(size_t row, size_t field) const
{
    const FieldDef& definition = fieldDef(field);
    if (row >= recordCount()) {
        throw TableError(describe() + ": there is no record " + std::to_string(row + 1));
    }
    return cellText(definition, data_->rows[rowOfPosition(row)].cells[field]);
}

// --- Changing ----------------------------------------------------------------

void Table::insert() { append(); }

void Table::append()
{
    requireWritable();
    requireBrowseOrPost();
    buffer_ = Row{0, std::vector<Value>(data_->fields.size())};
    state_ = State::Insert;
}

void Table::edit()
{
    requireWritable();
    if (state_ != State::Browse) {
        return;
    }
    if (recordCount() == 0) {
        append();
        return;
    }
    buffer_ = data_->rows[rowOfPosition(position_)];
    state_ = State::Edit;
}

// Other Table objects of this process store every write in the cache, so
// its entry (when it shares our lineage) is the newest version of the file.
// Timestamps alone could not tell two writes within one clock tick apart.
std::shared_ptr<const TableData> Table::latestData() const
{
    LoadedTable newest{data_, stamp_};
    if (auto cached = TableCache::instance().peek(path_); cached && cached->data->lineage == data_->lineage) {
        newest = std::move(*cached);
    }
    const std::optional<FileStamp> now = fileStamp(path_);
    if (now && *now != newest.stamp) {
        throw TableError(describe() + ": the table was changed by another program since it was opened; open it again");
    }
    return newest.data;
}

void Table::commit(std::shared_ptr<TableData> changed)
{
    replaceFile(path_, encodeTable(*changed));
    data_ = std::move(changed);
    stamp_ = TableCache::instance().store(path_, data_);
    applyFilter();
}

void Table::positionOnRow(std::optional<uint64_t> rowId)
{
    const size_t count = recordCount();
    const std::optional<size_t> row = rowId ? rowIndexOf(*data_, *rowId) : std::nullopt;
    if (const auto position = row ? positionOfRow(*row) : std::nullopt) {
        position_ = *position;
    } else {
        position_ = count == 0 ? 0 : std::min(position_, count - 1);
    }
    eof_ = bof_ = count == 0;
}

std::optional<uint64_t> Table::currentRowId() const
{
    if (recordCount() == 0) {
        return std::nullopt;
    }
    return data_->rows[rowOfPosition(position_)].id;
}

void Table::post()
{
    requireOpen();
    if (state_ == State::Browse) {
        return;
    }
    auto changed = std::make_shared<TableData>(*latestData());
    uint64_t rowId = buffer_.id;
    if (state_ == State::Insert) {
        assignAutoIncrements(*changed, buffer_.cells);
        rowId = changed->appendRow(buffer_.cells).id;
    } else if (const auto row = rowIndexOf(*changed, rowId)) {
        changed->rows[*row].cells = buffer_.cells;
    } else {
        throw TableError(describe() + ": the record being edited was deleted meanwhile");
    }
    commit(std::move(changed));
    const bool inserted = state_ == State::Insert;
    state_ = State::Browse;
    buffer_ = Row{};
    positionOnRow(rowId);
    if (inserted) {
        scrolled();
    }
}

void Table::cancel()
{
    requireOpen();
    state_ = State::Browse;
    buffer_ = Row{};
}

bool Table::deleteRecord()
{
    requireWritable();
    cancel();
    if (recordCount() == 0 || (beforeDelete_ && !beforeDelete_(*this))) {
        return false;
    }
    const uint64_t rowId = *currentRowId();
    auto changed = std::make_shared<TableData>(*latestData());
    if (const auto row = rowIndexOf(*changed, rowId)) {
        changed->rows.erase(changed->rows.begin() + static_cast<std::ptrdiff_t>(*row));
    }
    commit(std::move(changed));
    positionOnRow(std::nullopt);
    scrolled();
    return true;
}

void Table::refresh()
{
    requireBrowseOrPost();
    const std::optional<uint64_t> rowId = currentRowId();
    LoadedTable latest = TableCache::instance().load(path_, data_->format);
    data_ = std::move(latest.data);
    stamp_ = latest.stamp;
    applyFilter();
    positionOnRow(rowId);
}

// --- Bookmarks ---------------------------------------------------------------

Table::Bookmark Table::bookmark() const
{
    requireOpen();
    if (state_ == State::Edit) {
        return Bookmark{buffer_.id};
    }
    return Bookmark{currentRowId().value_or(UINT64_MAX)};
}

bool Table::gotoBookmark(const Bookmark& mark)
{
    requireBrowseOrPost();
    const auto row = rowIndexOf(*data_, mark.rowId);
    const auto position = row ? positionOfRow(*row) : std::nullopt;
    if (!position) {
        return false;
    }
    setPosition(*position);
    return true;
}

} // namespace verdalis
