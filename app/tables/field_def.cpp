#include "tables/field_def.h"

namespace verdalis {

std::string_view fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::Text: return "text";
    case FieldType::Integer: return "integer";
    case FieldType::Float: return "float";
    case FieldType::Logical: return "logical";
    case FieldType::Date: return "date";
    case FieldType::Short: return "short";
    case FieldType::Money: return "money";
    case FieldType::Time: return "time";
    case FieldType::Timestamp: return "timestamp";
    case FieldType::AutoIncrement: return "autoincrement";
    }
    return "unknown";
}

bool isWholeNumberType(FieldType type)
{
    return type == FieldType::Integer || type == FieldType::Short || type == FieldType::AutoIncrement;
}

bool isFractionalType(FieldType type)
{
    return type == FieldType::Float || type == FieldType::Money;
}

} // namespace verdalis
