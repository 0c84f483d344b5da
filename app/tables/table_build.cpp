#include "tables/table_build.h"

#include "tables/calendar.h"
#include "tables/cell_value.h"
#include "tables/code_page.h"
#include "util/text_encoding.h"
#include "tables/csv_reader.h"
#include "tables/table_error.h"
#include "tables/table_file.h"
#include "tables/table_format.h"
#include "tables/text_fold.h"
#include "util/number_text.h"
#include "util/text_case.h"

namespace verdalis {
namespace {

const std::vector<std::string> kSchemaHeader = {"name", "type", "size", "required"};
constexpr int kMaxTextSize = 255;
constexpr size_t kMaxDbaseNameLength = 10;

struct SchemaType {
    std::string_view word;
    FieldType type;
};

constexpr SchemaType kSchemaTypes[] = {
    {"text", FieldType::Text},       {"integer", FieldType::Integer}, {"float", FieldType::Float},
    {"logical", FieldType::Logical}, {"date", FieldType::Date},
};

// Locates errors in one CSV file.
class Place {
public:
    explicit Place(const CsvReader& reader) : reader_(reader) {}

    [[noreturn]] void fail(const std::string& problem) const
    {
        throw BuildError(reader_.sourceName() + ":" + std::to_string(reader_.line()) + ": " + problem);
    }
    [[noreturn]] void fail(const std::string& column, const std::string& problem) const
    {
        fail("column " + column + ": " + problem);
    }

private:
    const CsvReader& reader_;
};

bool nextRecord(CsvReader& reader, std::vector<std::string>& fields)
{
    try {
        return reader.next(fields);
    } catch (const CsvError& error) {
        throw BuildError(error.what());
    }
}

FieldType schemaType(const Place& place, const std::string& name, const std::string& word)
{
    for (const SchemaType& entry : kSchemaTypes) {
        if (equalsIgnoringCase(entry.word, word)) {
            return entry.type;
        }
    }
    place.fail(name, "unknown type '" + word + "' (text, integer, float, logical or date)");
}

FieldDef schemaRow(const Place& place, const std::vector<std::string>& row, TableFormat format)
{
    if (row.size() != kSchemaHeader.size()) {
        place.fail("a schema row has 4 cells, this one " + std::to_string(row.size()));
    }
    FieldDef field;
    field.name = row[0];
    if (field.name.empty()) {
        place.fail("the column name is empty");
    }
    if (format == TableFormat::Dbase && characterCount(field.name) > kMaxDbaseNameLength) {
        place.fail(field.name, "dBASE column names have at most 10 characters");
    }
    field.type = schemaType(place, field.name, row[1]);
    if (field.type == FieldType::Text) {
        int32_t size = 0;
        if (!tryTextToInteger(row[2], size) || size < 1 || size > kMaxTextSize) {
            place.fail(field.name, "text size must be a whole number from 1 to 255, not '" + row[2] + "'");
        }
        field.size = size;
    } else if (!row[2].empty()) {
        place.fail(field.name, "only text columns have a size");
    }
    if (row[3] != "0" && row[3] != "1") {
        place.fail(field.name, "required must be 0 or 1, not '" + row[3] + "'");
    }
    field.required = row[3] == "1";
    return field;
}

Value dataCell(const Place& place, const FieldDef& field, const std::string& text)
{
    if (text.empty()) {
        if (field.required) {
            place.fail(field.name, "the column is required but the cell is empty");
        }
        return {};
    }
    try {
        switch (field.type) {
        case FieldType::Text:
            utf8ToWindows1252(text, field.name);
            if (characterCount(text) > static_cast<size_t>(field.size)) {
                place.fail(field.name, "the text has " + std::to_string(characterCount(text))
                                           + " characters, the column holds " + std::to_string(field.size));
            }
            return text;
        case FieldType::Integer: return int64_t{textToInteger(text)};
        case FieldType::Date:
            if (!parseIsoDate(text)) {
                place.fail(field.name, "'" + text + "' is not a date of the form YYYY-MM-DD");
            }
            return cellFromText(field, text);
        default: return cellFromText(field, text);
        }
    } catch (const ConversionError& error) {
        place.fail(field.name, error.what());
    } catch (const TableError& error) {
        place.fail(field.name, error.what());
    }
}

} // namespace

std::vector<FieldDef> readTableSchema(std::string_view text, const std::string& sourceName,
                                      const std::filesystem::path& outputName)
{
    TableFormat format = TableFormat::Dbase;
    try {
        format = formatFromExtension(outputName);
    } catch (const TableError& error) {
        throw BuildError(error.what());
    }
    CsvReader reader(text, sourceName);
    const Place place(reader);
    std::vector<std::string> row;
    if (!nextRecord(reader, row) || row != kSchemaHeader) {
        throw BuildError(sourceName + ":1: the header must be \"name,type,size,required\"");
    }
    std::vector<FieldDef> fields;
    while (nextRecord(reader, row)) {
        FieldDef field = schemaRow(place, row, format);
        for (const FieldDef& earlier : fields) {
            if (equalsIgnoringCase(earlier.name, field.name)) {
                place.fail(field.name, "the column appears twice");
            }
        }
        fields.push_back(std::move(field));
    }
    if (fields.empty()) {
        throw BuildError(sourceName + ": the schema has no columns");
    }
    return fields;
}

void buildTable(const std::filesystem::path& schemaCsv, const std::filesystem::path& dataCsv,
                const std::filesystem::path& output)
{
    try {
        const std::string schemaText = readWholeFile(schemaCsv);
        const std::string dataText = readWholeFile(dataCsv);
        TableData data;
        data.format = formatFromExtension(output);
        data.fields = physicalFields(data.format, readTableSchema(schemaText, schemaCsv.string(), output));
        data.paradox.tableName = output.stem().string();

        CsvReader reader(dataText, dataCsv.string());
        const Place place(reader);
        std::vector<std::string> row;
        std::vector<std::string> names;
        for (const FieldDef& field : data.fields) {
            names.push_back(field.name);
        }
        if (!nextRecord(reader, row) || row != names) {
            throw BuildError(dataCsv.string() + ":1: the header must name the schema's columns in order");
        }
        while (nextRecord(reader, row)) {
            if (row.size() != data.fields.size()) {
                place.fail("the record has " + std::to_string(row.size()) + " cells, the schema "
                           + std::to_string(data.fields.size()) + " columns");
            }
            std::vector<Value> cells;
            for (size_t i = 0; i < row.size(); ++i) {
                cells.push_back(dataCell(place, data.fields[i], row[i]));
            }
            data.appendRow(std::move(cells));
        }
        replaceFile(output, encodeTable(data));
    } catch (const TableError& error) {
        throw BuildError(error.what());
    }
}

} // namespace verdalis
