#include "tables/key_index.h"

#include "tables/cell_value.h"
#include "tables/table_error.h"
#include "tables/text_fold.h"
#include "util/number_text.h"

namespace verdalis {
namespace {

constexpr char kKeySeparator = '\x1f';

} // namespace

std::string cellKey(const FieldDef& field, const Value& value)
{
    if (isEmpty(value)) {
        return {};
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        return foldCase(*text);
    }
    if (const auto* flag = std::get_if<bool>(&value)) {
        return *flag ? "1" : "0";
    }
    if (const auto* number = std::get_if<double>(&value)) {
        return shortestDecimal(*number);
    }
    const int64_t whole = std::get<int64_t>(value);
    if (field.type == FieldType::Date || field.type == FieldType::Time) {
        return std::to_string(whole);
    }
    return shortestDecimal(static_cast<double>(whole));
}

std::string searchKey(const FieldDef& field, std::string_view text)
{
    if (field.type == FieldType::Text || text.empty()) {
        return foldCase(text);
    }
    // Numbers compare by value, so "12.0" finds 12 in a whole-number column.
    if (isWholeNumberType(field.type) || isFractionalType(field.type)) {
        double number = 0;
        if (!tryTextToNumber(text, number)) {
            throw TableError("'" + std::string(text) + "' cannot be compared with the number column " + field.name);
        }
        return shortestDecimal(number);
    }
    try {
        return cellKey(field, cellFromText(field, text));
    } catch (const ConversionError& error) {
        throw TableError(error.what());
    }
}

void appendKeyPart(std::string& key, std::string_view part)
{
    key += part;
    key += kKeySeparator;
}

KeyIndex::KeyIndex(const TableData& data, const std::vector<size_t>& columns)
{
    rows_.reserve(data.rows.size());
    std::string key;
    for (size_t r = 0; r < data.rows.size(); ++r) {
        key.clear();
        for (const size_t column : columns) {
            appendKeyPart(key, cellKey(data.fields[column], data.rows[r].cells[column]));
        }
        rows_[key].push_back(static_cast<uint32_t>(r));
    }
}

const std::vector<uint32_t>* KeyIndex::find(const std::string& key) const
{
    const auto it = rows_.find(key);
    return it == rows_.end() ? nullptr : &it->second;
}

const KeyIndex& KeyIndexCache::get(const TableData& data, const std::vector<size_t>& columns) const
{
    std::string signature;
    for (const size_t column : columns) {
        signature += std::to_string(column) + ";";
    }
    const std::lock_guard lock(mutex_);
    auto& index = indexes_[signature];
    if (!index) {
        index = std::make_shared<const KeyIndex>(data, columns);
    }
    return *index;
}

} // namespace verdalis
