#include "tables/table_format.h"

#include "tables/dbase_format.h"
#include "tables/paradox_format.h"
#include "tables/table_error.h"
#include "tables/text_fold.h"

namespace verdalis {

TableFormat formatFromExtension(const std::filesystem::path& path)
{
    const std::string extension = foldCase(path.extension().string());
    if (extension == ".db") {
        return TableFormat::Paradox;
    }
    if (extension == ".dbf") {
        return TableFormat::Dbase;
    }
    throw TableError(path.string() + ": the extension names no table type (.db or .dbf)");
}

TableData decodeTable(TableFormat format, std::string_view bytes, const std::string& fileName)
{
    return format == TableFormat::Paradox ? readParadox(bytes, fileName) : readDbase(bytes, fileName);
}

std::string encodeTable(const TableData& data)
{
    return data.format == TableFormat::Paradox ? writeParadox(data) : writeDbase(data);
}

std::vector<FieldDef> physicalFields(TableFormat format, std::vector<FieldDef> fields)
{
    return format == TableFormat::Paradox ? paradoxFields(std::move(fields)) : dbaseFields(std::move(fields));
}

void checkCell(TableFormat format, const FieldDef& field, const Value& value)
{
    if (format == TableFormat::Paradox) {
        checkParadoxCell(field, value);
    } else {
        checkDbaseCell(field, value);
    }
}

std::optional<std::string> writeRefusal(const TableData& data)
{
    if (data.isKeyed()) {
        return "keyed Paradox tables are read-only";
    }
    if (data.format == TableFormat::Paradox && !isWritableParadoxVersion(data.paradox.fileVersionId)) {
        return "Paradox tables older than version 4 are read-only";
    }
    return std::nullopt;
}

} // namespace verdalis
