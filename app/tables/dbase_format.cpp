#include "tables/dbase_format.h"

#include "tables/byte_io.h"
#include "tables/calendar.h"
#include "tables/code_page.h"
#include "util/text_encoding.h"
#include "tables/table_error.h"
#include "util/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>

namespace verdalis {
namespace {

constexpr size_t kHeaderPrefixSize = 32;
constexpr size_t kDescriptorSize = 32;
constexpr size_t kVersionOffset = 0;
constexpr size_t kRecordCountOffset = 4;
constexpr size_t kHeaderLengthOffset = 8;
constexpr size_t kRecordLengthOffset = 10;
constexpr size_t kLanguageDriverOffset = 29;
constexpr size_t kNameLength = 11; // ten characters and a NUL
constexpr size_t kMaxNameCharacters = 10;
constexpr size_t kTypeOffset = 11;
constexpr size_t kLengthOffset = 16;
constexpr size_t kDecimalsOffset = 17;
constexpr char kHeaderTerminator = 0x0D;
constexpr char kEndOfFile = 0x1A;
constexpr char kLiveRecord = ' ';
constexpr char kDeletedRecord = '*';
constexpr uint8_t kVersionMask = 0x07;
constexpr uint8_t kDbase3Version = 0x03;
// Language drivers whose text is Windows-1252. Tables with another driver
// are read as long as their text is plain ASCII.
constexpr uint8_t kLanguageWindowsAnsi = 0x57;
constexpr uint8_t kLanguageWindowsAnsiMark = 0x03;
constexpr uint8_t kLanguageNone = 0x00;

bool isWindows1252Driver(uint8_t driver)
{
    return driver == kLanguageWindowsAnsi || driver == kLanguageWindowsAnsiMark || driver == kLanguageNone;
}

bool isAscii(std::string_view bytes)
{
    for (const char c : bytes) {
        if (static_cast<uint8_t>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}
constexpr int kDateLength = 8;
constexpr int kLogicalLength = 1;
constexpr int kIntegerWidth = 11; // "-2147483648"
constexpr int kFloatWidth = 20;
constexpr int kFloatDecimals = 10;
constexpr int kMaxNumericWidth = 32;
constexpr int kMaxTextLength = 255;

char typeLetter(FieldType type)
{
    switch (type) {
    case FieldType::Text: return 'C';
    case FieldType::Integer:
    case FieldType::Float: return 'N';
    case FieldType::Logical: return 'L';
    case FieldType::Date: return 'D';
    default: throw TableError(std::string("dBASE tables have no ") + std::string(fieldTypeName(type)) + " columns");
    }
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\0')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view trimTrailing(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) {
        text.remove_suffix(1);
    }
    return text;
}

FieldDef readDescriptor(const ByteReader& in, size_t offset)
{
    std::string_view name = in.span(offset, kNameLength);
    name = name.substr(0, name.find('\0'));
    FieldDef field;
    field.name = windows1252ToUtf8(trimBlanks(name));
    const char letter = static_cast<char>(in.u8(offset + kTypeOffset));
    field.size = in.u8(offset + kLengthOffset);
    field.decimals = in.u8(offset + kDecimalsOffset);
    const std::string where = "column " + std::to_string(offset / kDescriptorSize) + " ('" + field.name + "')";
    if (field.name.empty()) {
        in.fail(where + " has no name");
    }
    switch (letter) {
    case 'C':
        field.type = FieldType::Text;
        field.decimals = 0;
        if (field.size < 1) {
            in.fail(where + " has length 0");
        }
        break;
    case 'N':
    case 'F':
        if (field.size < 1 || field.size > kMaxNumericWidth || field.decimals >= field.size) {
            in.fail(where + " has an impossible numeric width " + std::to_string(field.size) + "."
                    + std::to_string(field.decimals));
        }
        // Whole-number columns as wide as ours hold 32-bit integers; wider
        // ones and those with decimals read as floats.
        field.type = field.decimals == 0 && field.size <= kIntegerWidth ? FieldType::Integer : FieldType::Float;
        break;
    case 'L':
        field.type = FieldType::Logical;
        if (field.size != kLogicalLength) {
            in.fail(where + " is logical with length " + std::to_string(field.size));
        }
        break;
    case 'D':
        field.type = FieldType::Date;
        if (field.size != kDateLength) {
            in.fail(where + " is a date with length " + std::to_string(field.size));
        }
        break;
    default:
        in.fail(where + " has the unsupported type '" + std::string(1, letter) + "'");
    }
    return field;
}

Value readNumber(const ByteReader& in, const FieldDef& field, std::string_view raw)
{
    const std::string_view text = trimBlanks(raw);
    if (text.empty()) {
        return {};
    }
    if (field.type == FieldType::Integer) {
        const std::string_view digits = text.front() == '+' ? text.substr(1) : text;
        int64_t whole = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), whole);
        if (error == std::errc() && end == digits.data() + digits.size()) {
            return whole;
        }
    } else if (double number = 0; tryTextToNumber(text, number)) {
        return number;
    }
    in.fail("column " + field.name + " holds '" + std::string(text) + "', which is not a number");
}

Value readLogical(const ByteReader& in, const FieldDef& field, char flag)
{
    switch (flag) {
    case 'T': case 't': case 'Y': case 'y': return true;
    case 'F': case 'f': case 'N': case 'n': return false;
    case ' ': case '?': case '\0': return {};
    default: in.fail("column " + field.name + " holds the logical value '" + std::string(1, flag) + "'");
    }
}

Value readDate(const ByteReader& in, const FieldDef& field, std::string_view raw)
{
    const std::string_view text = trimBlanks(raw);
    if (text.empty() || text == "00000000") {
        return {};
    }
    std::optional<CalendarDate> date;
    if (text.size() == kDateLength) {
        date = parseIsoDate(std::string(text.substr(0, 4)) + "-" + std::string(text.substr(4, 2)) + "-"
                            + std::string(text.substr(6, 2)));
    }
    if (!date) {
        in.fail("column " + field.name + " holds '" + std::string(text) + "', which is not a date");
    }
    return dayNumberFromCivil(*date);
}

Value readText(const ByteReader& in, const FieldDef& field, std::string_view raw, uint8_t languageDriver)
{
    const std::string_view text = trimTrailing(raw);
    if (!isWindows1252Driver(languageDriver) && !isAscii(text)) {
        in.fail("column " + field.name + " holds text in the unsupported language driver "
                + std::to_string(languageDriver));
    }
    return windows1252ToUtf8(text);
}

Value readCell(const ByteReader& in, const FieldDef& field, std::string_view raw, uint8_t languageDriver)
{
    switch (field.type) {
    case FieldType::Text: return readText(in, field, raw, languageDriver);
    case FieldType::Logical: return readLogical(in, field, raw[0]);
    case FieldType::Date: return readDate(in, field, raw);
    default: return readNumber(in, field, raw);
    }
}

// The shortest text that reads back as `number`, in positional notation when
// that fits the width, rounded to the declared decimals as a last resort.
std::string floatText(const FieldDef& field, double number)
{
    std::string text = shortestDecimal(number);
    if (text.find('e') != std::string::npos) {
        char buffer[400];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
        if (result.ec == std::errc() && result.ptr - buffer <= field.size) {
            text.assign(buffer, result.ptr);
        }
    }
    if (static_cast<int>(text.size()) > field.size) {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.*f", field.decimals, number);
        text = buffer;
    }
    return text;
}

std::string numberText(const FieldDef& field, const Value& value)
{
    if (const auto* whole = std::get_if<int64_t>(&value)) {
        if (field.type == FieldType::Integer || field.decimals == 0) {
            return std::to_string(*whole);
        }
        return floatText(field, static_cast<double>(*whole));
    }
    return floatText(field, std::get<double>(value));
}

std::string encodeCell(const FieldDef& field, const Value& value)
{
    const auto width = static_cast<size_t>(field.size);
    if (isEmpty(value)) {
        return std::string(width, field.type == FieldType::Logical ? '?' : ' ');
    }
    std::string text;
    switch (field.type) {
    case FieldType::Text: {
        text = utf8ToWindows1252(std::get<std::string>(value), field.name);
        text.resize(std::max(text.size(), width), ' ');
        break;
    }
    case FieldType::Logical: text = std::get<bool>(value) ? "T" : "F"; break;
    case FieldType::Date: {
        const CalendarDate date = civilFromDayNumber(std::get<int64_t>(value));
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.year, date.month, date.day);
        text = buffer;
        break;
    }
    default: {
        text = numberText(field, value);
        if (text.size() < width) {
            text.insert(0, width - text.size(), ' ');
        }
    }
    }
    if (text.size() != width) {
        throw TableError("column " + field.name + ": the value '" + std::string(text) + "' does not fit its width of "
                         + std::to_string(width));
    }
    return text;
}

void writeUpdateDate(ByteWriter& out)
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    out.u8(static_cast<uint8_t>(parts.tm_year % 256));
    out.u8(static_cast<uint8_t>(parts.tm_mon + 1));
    out.u8(static_cast<uint8_t>(parts.tm_mday));
}

} // namespace

TableData readDbase(std::string_view bytes, const std::string& fileName)
{
    const ByteReader in(bytes, fileName);
    if (bytes.size() < kHeaderPrefixSize + 1) {
        in.fail("too short for a dBASE header (" + std::to_string(bytes.size()) + " bytes)");
    }
    TableData data;
    data.format = TableFormat::Dbase;
    const uint8_t version = in.u8(kVersionOffset);
    data.dbase.languageDriver = in.u8(kLanguageDriverOffset);
    if ((version & kVersionMask) != kDbase3Version) {
        in.fail("not a dBASE III/IV table (version byte " + std::to_string(version) + ")");
    }
    const uint32_t recordCount = in.u32le(kRecordCountOffset);
    const size_t headerLength = in.u16le(kHeaderLengthOffset);
    const size_t recordLength = in.u16le(kRecordLengthOffset);
    if (headerLength < kHeaderPrefixSize + 1 || headerLength > bytes.size()) {
        in.fail("impossible header length " + std::to_string(headerLength) + " (file of "
                + std::to_string(bytes.size()) + " bytes)");
    }
    size_t offset = kHeaderPrefixSize;
    while (in.u8(offset) != static_cast<uint8_t>(kHeaderTerminator)) {
        if (offset + kDescriptorSize >= headerLength) {
            in.fail("the column descriptors run past the header length " + std::to_string(headerLength));
        }
        data.fields.push_back(readDescriptor(in, offset));
        offset += kDescriptorSize;
    }
    if (data.fields.empty()) {
        in.fail("the table has no columns");
    }
    size_t fieldsLength = 1;
    for (const FieldDef& field : data.fields) {
        fieldsLength += static_cast<size_t>(field.size);
    }
    if (recordLength != fieldsLength) {
        in.fail("record length " + std::to_string(recordLength) + " does not match the columns ("
                + std::to_string(fieldsLength) + " bytes)");
    }
    if (recordCount > (bytes.size() - headerLength) / recordLength) {
        in.fail("truncated: the header announces " + std::to_string(recordCount) + " records of "
                + std::to_string(recordLength) + " bytes, but only " + std::to_string(bytes.size() - headerLength)
                + " bytes follow the header");
    }
    for (uint32_t record = 0; record < recordCount; ++record) {
        const size_t start = headerLength + record * recordLength;
        const char flag = static_cast<char>(in.u8(start));
        if (flag == kDeletedRecord) {
            continue;
        }
        if (flag != kLiveRecord) {
            in.fail("record " + std::to_string(record + 1) + " has the unknown deletion flag "
                    + std::to_string(static_cast<uint8_t>(flag)));
        }
        std::vector<Value> cells;
        cells.reserve(data.fields.size());
        size_t cellStart = start + 1;
        for (const FieldDef& field : data.fields) {
            cells.push_back(readCell(in, field, in.span(cellStart, static_cast<size_t>(field.size)),
                                     data.dbase.languageDriver));
            cellStart += static_cast<size_t>(field.size);
        }
        data.appendRow(std::move(cells));
    }
    return data;
}

std::string writeDbase(const TableData& data)
{
    ByteWriter out;
    size_t recordLength = 1;
    for (const FieldDef& field : data.fields) {
        recordLength += static_cast<size_t>(field.size);
    }
    const size_t headerLength = kHeaderPrefixSize + kDescriptorSize * data.fields.size() + 1;
    if (headerLength > UINT16_MAX || recordLength > UINT16_MAX) {
        throw TableError("too many or too wide columns for a dBASE table");
    }
    // Without memo columns there is no memo file, whatever the table was read
    // with, so the version byte says so.
    out.u8(kDbase3Version);
    writeUpdateDate(out);
    out.u32le(static_cast<uint32_t>(data.rows.size()));
    out.u16le(static_cast<uint16_t>(headerLength));
    out.u16le(static_cast<uint16_t>(recordLength));
    out.padTo(kLanguageDriverOffset);
    // A table read under another driver held plain ASCII only; what is
    // written now is Windows-1252 and must say so.
    out.u8(isWindows1252Driver(data.dbase.languageDriver) ? data.dbase.languageDriver : kLanguageWindowsAnsiMark);
    out.padTo(kHeaderPrefixSize);
    for (const FieldDef& field : data.fields) {
        const std::string name = utf8ToWindows1252(field.name, field.name);
        if (name.empty() || name.size() > kMaxNameCharacters) {
            throw TableError("column name '" + field.name + "' must have 1 to 10 characters in a dBASE table");
        }
        const size_t start = out.size();
        out.bytes(name);
        out.padTo(start + kTypeOffset);
        out.u8(static_cast<uint8_t>(typeLetter(field.type)));
        out.padTo(start + kLengthOffset);
        out.u8(static_cast<uint8_t>(field.size));
        out.padTo(start + kDecimalsOffset);
        out.u8(static_cast<uint8_t>(field.decimals));
        out.padTo(start + kDescriptorSize);
    }
    out.u8(static_cast<uint8_t>(kHeaderTerminator));
    for (const Row& row : data.rows) {
        out.u8(static_cast<uint8_t>(kLiveRecord));
        for (size_t i = 0; i < data.fields.size(); ++i) {
            out.bytes(encodeCell(data.fields[i], row.cells[i]));
        }
    }
    out.u8(static_cast<uint8_t>(kEndOfFile));
    return out.take();
}

std::vector<FieldDef> dbaseFields(std::vector<FieldDef> fields)
{
    for (FieldDef& field : fields) {
        typeLetter(field.type);
        switch (field.type) {
        case FieldType::Text:
            if (field.size < 1 || field.size > kMaxTextLength) {
                throw TableError("column " + field.name + ": text size must be 1 to 255, not "
                                 + std::to_string(field.size));
            }
            field.decimals = 0;
            break;
        case FieldType::Integer: field.size = kIntegerWidth; field.decimals = 0; break;
        case FieldType::Float: field.size = kFloatWidth; field.decimals = kFloatDecimals; break;
        case FieldType::Logical: field.size = kLogicalLength; field.decimals = 0; break;
        default: field.size = kDateLength; field.decimals = 0; break;
        }
    }
    return fields;
}

void checkDbaseCell(const FieldDef& field, const Value& value)
{
    if (const auto* whole = std::get_if<int64_t>(&value); whole && field.type == FieldType::Integer
        && (*whole < std::numeric_limits<int32_t>::min() || *whole > std::numeric_limits<int32_t>::max())) {
        throw TableError("column " + field.name + ": " + std::to_string(*whole) + " is out of range for a 32-bit integer");
    }
    encodeCell(field, value);
}

} // namespace verdalis
