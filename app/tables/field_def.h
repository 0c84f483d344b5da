// Column definitions shared by both table formats.
#pragma once

#include <string>
#include <string_view>

namespace verdalis {

// The kinds of column the engine knows. Text, Integer, Float, Logical and
// Date exist in both formats; the others are Paradox types that dBASE lacks.
enum class FieldType {
    Text,          // characters, at most `size` of them
    Integer,       // 32-bit whole number (dBASE: numeric without decimals)
    Float,         // double (dBASE: numeric with decimals)
    Logical,
    Date,          // a calendar day
    Short,         // 16-bit whole number
    Money,         // double, shown as currency by other programs
    Time,          // milliseconds since midnight
    Timestamp,     // day and time to the millisecond
    AutoIncrement, // 32-bit whole number the table assigns on append
};

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Text;
    // Text: the maximum number of characters (1..255). dBASE numerics: the
    // width in characters. Other types: the on-disk size, set by the format.
    int size = 0;
    // dBASE numerics only: digits after the decimal point.
    int decimals = 0;
    // Kept with the definition for the builders that check their input;
    // neither format stores it without extra files, so tables do not enforce it.
    bool required = false;
};

std::string_view fieldTypeName(FieldType type);

bool isWholeNumberType(FieldType type);
bool isFractionalType(FieldType type);

} // namespace verdalis
