#include "tables/paradox_format.h"

#include "tables/byte_io.h"
#include "tables/calendar.h"
#include "tables/code_page.h"
#include "util/text_encoding.h"
#include "tables/table_error.h"

#include <bit>
#include <cstring>
#include <set>

namespace verdalis {
namespace {

// Header offsets.
constexpr size_t kRecordSizeOffset = 0x00;
constexpr size_t kHeaderSizeOffset = 0x02;
constexpr size_t kFileTypeOffset = 0x04;
constexpr size_t kBlockSizeOffset = 0x05;
constexpr size_t kRecordCountOffset = 0x06;
constexpr size_t kBlocksInUseOffset = 0x0A;
constexpr size_t kFileBlocksOffset = 0x0C;
constexpr size_t kFirstBlockOffset = 0x0E;
constexpr size_t kLastBlockOffset = 0x10;
constexpr size_t kFieldCountOffset = 0x21;
constexpr size_t kKeyFieldCountOffset = 0x23;
constexpr size_t kEncryptionOffset = 0x25;
constexpr size_t kSortOrderOffset = 0x29;
constexpr size_t kFileVersionOffset = 0x39;
constexpr size_t kMaxBlocksOffset = 0x3A;
constexpr size_t kUnknown3EOffset = 0x3E;
constexpr size_t kAutoIncrementOffset = 0x49;
constexpr size_t kFixedHeaderEnd = 0x58;
constexpr size_t kFileVersionWordOffset = 0x58;
constexpr size_t kFileVersionWord2Offset = 0x5A;
constexpr size_t kEncryption2Offset = 0x5C;
constexpr size_t kHighFieldIdOffset = 0x64;
constexpr size_t kSometimesFieldCountOffset = 0x68;
constexpr size_t kCodePageOffset = 0x6A;
constexpr size_t kVersion4HeaderEnd = 0x78;

constexpr uint8_t kKeyedTable = 0;
constexpr uint8_t kUnkeyedTable = 2;
constexpr uint8_t kOldestVersion = 0x03;
constexpr uint8_t kFirstVersion4 = 0x05;
constexpr uint16_t kWindowsCodePage = 1252;
// From version 4 on, encryption1 holds this marker and the encryption code
// moved to encryption2.
constexpr uint32_t kVersion4EncryptionMarker = 0xFF00FF00;
// The word at 0x3E is always this in tables Paradox wrote.
constexpr uint16_t kUnknown3EValue = 0x1F0F;
// The version words at 0x58 and 0x5A are the version byte plus this.
constexpr uint16_t kVersionWordBase = 0x0100;
constexpr size_t kPointerSize = 4;
constexpr size_t kShortTableNameLength = 79;
constexpr size_t kVersion7TableNameLength = 261;
constexpr size_t kHeaderGranule = 0x800;
constexpr size_t kBlockHeaderSize = 6;
constexpr size_t kKilobyte = 1024;
constexpr uint8_t kBlockSizesKb[] = {1, 2, 3, 4, 8, 16, 32};
constexpr size_t kMaxFields = 255;
constexpr int kMaxAlphaLength = 255;

// Field type codes.
constexpr uint8_t kAlpha = 0x01;
constexpr uint8_t kDate = 0x02;
constexpr uint8_t kShort = 0x03;
constexpr uint8_t kLong = 0x04;
constexpr uint8_t kMoney = 0x05;
constexpr uint8_t kNumber = 0x06;
constexpr uint8_t kLogical = 0x09;
constexpr uint8_t kTime = 0x14;
constexpr uint8_t kTimestamp = 0x15;
constexpr uint8_t kAutoIncrement = 0x16;

constexpr uint8_t kLogicalFalse = 0x80;
constexpr uint8_t kLogicalTrue = 0x81;
constexpr int64_t kLastDayNumber = 3'652'059; // 9999-12-31
constexpr double kTimestampLimit = static_cast<double>((kLastDayNumber + 1) * kMillisecondsPerDay);

bool isValidTimestamp(double milliseconds)
{
    return milliseconds >= static_cast<double>(kMillisecondsPerDay) && milliseconds < kTimestampLimit;
}

struct TypeCode {
    uint8_t code;
    FieldType type;
    int size; // 0: variable (alpha)
};

constexpr TypeCode kTypeCodes[] = {
    {kAlpha, FieldType::Text, 0},          {kDate, FieldType::Date, 4},
    {kShort, FieldType::Short, 2},         {kLong, FieldType::Integer, 4},
    {kMoney, FieldType::Money, 8},         {kNumber, FieldType::Float, 8},
    {kLogical, FieldType::Logical, 1},     {kTime, FieldType::Time, 4},
    {kTimestamp, FieldType::Timestamp, 8}, {kAutoIncrement, FieldType::AutoIncrement, 4},
};

const TypeCode* typeCodeOf(uint8_t code)
{
    for (const TypeCode& entry : kTypeCodes) {
        if (entry.code == code) {
            return &entry;
        }
    }
    return nullptr;
}

const TypeCode& typeCodeFor(FieldType type)
{
    for (const TypeCode& entry : kTypeCodes) {
        if (entry.type == type) {
            return entry;
        }
    }
    throw TableError("Paradox tables have no such column type");
}

bool isVersion4OrLater(uint8_t version) { return version >= kFirstVersion4; }

// Tables without a code page (before version 4) are taken as Windows-1252.
bool isWindowsCodePage(uint16_t codePage) { return codePage == kWindowsCodePage || codePage == 0; }

size_t tableNameLength(uint8_t version)
{
    return version >= kParadox7Version ? kVersion7TableNameLength : kShortTableNameLength;
}

// Big-endian unsigned value of `raw`.
uint64_t bigEndian(std::string_view raw)
{
    uint64_t value = 0;
    for (const char c : raw) {
        value = value << 8 | static_cast<uint8_t>(c);
    }
    return value;
}

void putBigEndian(std::string& out, uint64_t value, size_t size)
{
    for (size_t i = size; i-- > 0;) {
        out += static_cast<char>(value >> (8 * i));
    }
}

bool allZero(std::string_view raw)
{
    for (const char c : raw) {
        if (c != 0) {
            return false;
        }
    }
    return true;
}

// Whole numbers: two's complement with the sign bit flipped.
int64_t decodeWhole(std::string_view raw)
{
    const size_t bits = raw.size() * 8;
    const uint64_t flipped = bigEndian(raw) ^ (uint64_t{1} << (bits - 1));
    const uint64_t signBit = uint64_t{1} << (bits - 1);
    return flipped & signBit ? static_cast<int64_t>(flipped | ~((signBit << 1) - 1)) : static_cast<int64_t>(flipped);
}

uint64_t encodeWhole(int64_t value, size_t size)
{
    const size_t bits = size * 8;
    const uint64_t mask = bits == 64 ? ~uint64_t{0} : (uint64_t{1} << bits) - 1;
    return (static_cast<uint64_t>(value) & mask) ^ (uint64_t{1} << (bits - 1));
}

constexpr uint64_t kDoubleSignBit = uint64_t{1} << 63;

double decodeDouble(std::string_view raw)
{
    const uint64_t stored = bigEndian(raw);
    const uint64_t bits = stored & kDoubleSignBit ? stored & ~kDoubleSignBit : ~stored;
    return std::bit_cast<double>(bits);
}

uint64_t encodeDouble(double value)
{
    const auto bits = std::bit_cast<uint64_t>(value);
    return bits & kDoubleSignBit ? ~bits : bits | kDoubleSignBit;
}

struct Header {
    size_t recordSize = 0;
    size_t headerSize = 0;
    uint8_t fileType = 0;
    size_t blockSize = 0;
    uint32_t recordCount = 0;
    size_t fileBlocks = 0;
    size_t firstBlock = 0;
    uint8_t version = 0;
};

Header readHeader(const ByteReader& in, TableData& data)
{
    if (in.size() < kFixedHeaderEnd) {
        in.fail("too short for a Paradox header (" + std::to_string(in.size()) + " bytes)");
    }
    Header header;
    header.recordSize = in.u16le(kRecordSizeOffset);
    header.headerSize = in.u16le(kHeaderSizeOffset);
    header.fileType = in.u8(kFileTypeOffset);
    header.recordCount = in.u32le(kRecordCountOffset);
    header.fileBlocks = in.u16le(kFileBlocksOffset);
    header.firstBlock = in.u16le(kFirstBlockOffset);
    header.version = in.u8(kFileVersionOffset);
    data.paradox.blockSizeKb = in.u8(kBlockSizeOffset);
    data.paradox.fileVersionId = header.version;
    data.paradox.sortOrder = in.u8(kSortOrderOffset);
    data.paradox.autoIncrement = static_cast<int32_t>(in.u32le(kAutoIncrementOffset));
    header.blockSize = size_t{data.paradox.blockSizeKb} * kKilobyte;

    if (header.fileType != kKeyedTable && header.fileType != kUnkeyedTable) {
        in.fail("not a Paradox data table (file type " + std::to_string(header.fileType) + ")");
    }
    if (header.version < kOldestVersion || header.version > kParadox7Version) {
        in.fail("unknown Paradox file version " + std::to_string(header.version));
    }
    bool knownBlockSize = false;
    for (const uint8_t kb : kBlockSizesKb) {
        knownBlockSize = knownBlockSize || kb == data.paradox.blockSizeKb;
    }
    if (!knownBlockSize) {
        in.fail("impossible block size of " + std::to_string(data.paradox.blockSizeKb) + " KB");
    }
    const size_t encryptionOffset = isVersion4OrLater(header.version) ? kEncryption2Offset : kEncryptionOffset;
    if (in.u32le(encryptionOffset) != 0) {
        in.fail("the table is password-protected");
    }
    if (header.headerSize < kFixedHeaderEnd || header.headerSize > in.size()) {
        in.fail("impossible header size " + std::to_string(header.headerSize) + " (file of "
                + std::to_string(in.size()) + " bytes)");
    }
    if (header.recordSize == 0 || header.recordSize > header.blockSize - kBlockHeaderSize) {
        in.fail("impossible record size " + std::to_string(header.recordSize) + " for blocks of "
                + std::to_string(header.blockSize) + " bytes");
    }
    data.paradox.codePage = isVersion4OrLater(header.version) ? in.u16le(kCodePageOffset) : 0;
    return header;
}

void readFields(const ByteReader& in, const Header& header, TableData& data)
{
    const auto fieldCount = static_cast<int16_t>(in.u16le(kFieldCountOffset));
    const auto keyCount = static_cast<int16_t>(in.u16le(kKeyFieldCountOffset));
    if (fieldCount < 1 || static_cast<size_t>(fieldCount) > kMaxFields) {
        in.fail("impossible field count " + std::to_string(fieldCount));
    }
    if (keyCount < 0 || keyCount > fieldCount) {
        in.fail("impossible key field count " + std::to_string(keyCount));
    }
    data.paradox.keyFieldCount = static_cast<uint16_t>(keyCount);
    if (header.fileType == kKeyedTable && keyCount == 0) {
        in.fail("a keyed table without key fields");
    }
    const auto count = static_cast<size_t>(fieldCount);
    const ByteReader headerBytes(in.span(0, header.headerSize), in.fileName());
    size_t offset = isVersion4OrLater(header.version) ? kVersion4HeaderEnd : kFixedHeaderEnd;
    size_t recordSize = 0;
    for (size_t i = 0; i < count; ++i, offset += 2) {
        const uint8_t code = headerBytes.u8(offset);
        const size_t size = headerBytes.u8(offset + 1);
        const TypeCode* type = typeCodeOf(code);
        if (type == nullptr) {
            in.fail("field " + std::to_string(i + 1) + " has the unsupported type code " + std::to_string(code));
        }
        if ((type->size == 0 && size == 0) || (type->size != 0 && size != static_cast<size_t>(type->size))) {
            in.fail("field " + std::to_string(i + 1) + " of type " + std::string(fieldTypeName(type->type))
                    + " has the impossible size " + std::to_string(size));
        }
        FieldDef field;
        field.type = type->type;
        field.size = static_cast<int>(size);
        data.fields.push_back(field);
        recordSize += size;
    }
    if (recordSize != header.recordSize) {
        in.fail("record size " + std::to_string(header.recordSize) + " does not match the fields ("
                + std::to_string(recordSize) + " bytes)");
    }
    offset += kPointerSize * (count + 1);
    const std::string_view tableName = headerBytes.span(offset, tableNameLength(header.version));
    data.paradox.tableName = windows1252ToUtf8(tableName.substr(0, tableName.find('\0')));
    offset += tableName.size();
    for (FieldDef& field : data.fields) {
        const std::string_view rest = headerBytes.span(offset, header.headerSize - offset);
        const size_t end = rest.find('\0');
        if (end == std::string_view::npos || end == 0) {
            in.fail("the field names run past the header");
        }
        field.name = windows1252ToUtf8(rest.substr(0, end));
        offset += end + 1;
    }
}

Value readCell(const ByteReader& in, const FieldDef& field, std::string_view raw, uint16_t codePage)
{
    if (field.type == FieldType::Text) {
        const std::string_view text = raw.substr(0, raw.find('\0'));
        if (!isWindowsCodePage(codePage)) {
            for (const char c : text) {
                if (static_cast<uint8_t>(c) >= 0x80) {
                    in.fail("field " + field.name + " holds text in the unsupported code page "
                            + std::to_string(codePage));
                }
            }
        }
        return windows1252ToUtf8(text);
    }
    if (allZero(raw)) {
        return {};
    }
    switch (field.type) {
    case FieldType::Float:
    case FieldType::Money: return decodeDouble(raw);
    case FieldType::Timestamp: {
        const double stamp = decodeDouble(raw);
        if (!isValidTimestamp(stamp)) {
            in.fail("field " + field.name + " holds an impossible timestamp");
        }
        return stamp;
    }
    case FieldType::Logical:
        if (static_cast<uint8_t>(raw[0]) != kLogicalFalse && static_cast<uint8_t>(raw[0]) != kLogicalTrue) {
            in.fail("field " + field.name + " holds the logical byte " + std::to_string(static_cast<uint8_t>(raw[0])));
        }
        return static_cast<uint8_t>(raw[0]) == kLogicalTrue;
    case FieldType::Date: {
        const int64_t day = decodeWhole(raw);
        if (day < 1 || day > kLastDayNumber) {
            in.fail("field " + field.name + " holds the impossible day number " + std::to_string(day));
        }
        return day;
    }
    case FieldType::Time: {
        const int64_t time = decodeWhole(raw);
        if (time < 0 || time >= kMillisecondsPerDay) {
            in.fail("field " + field.name + " holds the impossible time " + std::to_string(time));
        }
        return time;
    }
    default: return decodeWhole(raw);
    }
}

void readBlocks(const ByteReader& in, const Header& header, TableData& data)
{
    const size_t blocksPresent = (in.size() - header.headerSize) / header.blockSize;
    if (header.fileBlocks > blocksPresent) {
        in.fail("truncated: the header announces " + std::to_string(header.fileBlocks) + " blocks, the file holds "
                + std::to_string(blocksPresent));
    }
    const size_t perBlock = (header.blockSize - kBlockHeaderSize) / header.recordSize;
    std::set<size_t> visited;
    size_t block = header.recordCount == 0 ? 0 : header.firstBlock;
    while (block != 0) {
        if (block > header.fileBlocks) {
            in.fail("the block chain points to block " + std::to_string(block) + " of "
                    + std::to_string(header.fileBlocks));
        }
        if (!visited.insert(block).second) {
            in.fail("the block chain loops at block " + std::to_string(block));
        }
        const size_t start = header.headerSize + (block - 1) * header.blockSize;
        const size_t next = in.u16le(start);
        const int16_t addDataSize = in.i16le(start + 4);
        size_t records = 0;
        if (addDataSize >= 0) {
            const auto extra = static_cast<size_t>(addDataSize);
            if (extra % header.recordSize != 0 || extra / header.recordSize + 1 > perBlock) {
                in.fail("block " + std::to_string(block) + " has the impossible data size "
                        + std::to_string(addDataSize));
            }
            records = extra / header.recordSize + 1;
        }
        if (data.rows.size() + records > header.recordCount) {
            in.fail("the blocks hold more records than the " + std::to_string(header.recordCount)
                    + " the header announces");
        }
        for (size_t r = 0; r < records; ++r) {
            size_t cellStart = start + kBlockHeaderSize + r * header.recordSize;
            std::vector<Value> cells;
            cells.reserve(data.fields.size());
            for (const FieldDef& field : data.fields) {
                const auto size = static_cast<size_t>(field.size);
                cells.push_back(readCell(in, field, in.span(cellStart, size), data.paradox.codePage));
                cellStart += size;
            }
            data.appendRow(std::move(cells));
        }
        block = next;
    }
    if (data.rows.size() != header.recordCount) {
        in.fail("the header announces " + std::to_string(header.recordCount) + " records, the blocks hold "
                + std::to_string(data.rows.size()));
    }
}

std::string encodeCell(const FieldDef& field, const Value& value)
{
    const auto size = static_cast<size_t>(field.size);
    std::string out;
    if (isEmpty(value)) {
        return std::string(size, '\0');
    }
    switch (field.type) {
    case FieldType::Text:
        out = utf8ToWindows1252(std::get<std::string>(value), field.name);
        if (out.size() > size) {
            throw TableError("column " + field.name + ": the text has " + std::to_string(out.size())
                             + " characters, the column holds " + std::to_string(size));
        }
        out.resize(size, '\0');
        return out;
    case FieldType::Logical: return std::string(1, static_cast<char>(std::get<bool>(value) ? kLogicalTrue : kLogicalFalse));
    case FieldType::Timestamp:
        if (!isValidTimestamp(std::get<double>(value))) {
            throw TableError("column " + field.name + ": the timestamp is outside the years 1 to 9999");
        }
        putBigEndian(out, encodeDouble(std::get<double>(value)), size);
        return out;
    case FieldType::Float:
    case FieldType::Money: putBigEndian(out, encodeDouble(std::get<double>(value)), size); return out;
    default: break;
    }
    // Whole numbers: the most negative value would encode as all zeros, which
    // is the empty value, so the range is symmetric.
    const int64_t whole = std::get<int64_t>(value);
    const int64_t limit = (int64_t{1} << (size * 8 - 1)) - 1;
    int64_t low = -limit;
    int64_t high = limit;
    if (field.type == FieldType::Date) {
        low = 1;
        high = kLastDayNumber;
    } else if (field.type == FieldType::Time) {
        low = 0;
        high = kMillisecondsPerDay - 1;
    }
    if (whole < low || whole > high) {
        throw TableError("column " + field.name + ": " + std::to_string(whole) + " is out of range for a "
                         + std::string(fieldTypeName(field.type)) + " column");
    }
    putBigEndian(out, encodeWhole(whole, size), size);
    return out;
}

uint8_t blockSizeFor(const TableData& data, size_t recordSize)
{
    for (const uint8_t kb : kBlockSizesKb) {
        if (kb >= data.paradox.blockSizeKb && size_t{kb} * kKilobyte - kBlockHeaderSize >= recordSize) {
            return kb;
        }
    }
    throw TableError("records of " + std::to_string(recordSize) + " bytes are too long for a Paradox table");
}

std::string headerTail(const TableData& data)
{
    ByteWriter out;
    for (const FieldDef& field : data.fields) {
        out.u8(typeCodeFor(field.type).code);
        out.u8(static_cast<uint8_t>(field.size));
    }
    out.fill(kPointerSize * (data.fields.size() + 1));
    std::string tableName = utf8ToWindows1252(data.paradox.tableName, "table name");
    tableName.resize(tableNameLength(data.paradox.fileVersionId) - 1, '\0');
    out.bytes(tableName);
    out.u8(0);
    for (const FieldDef& field : data.fields) {
        out.bytes(utf8ToWindows1252(field.name, field.name));
        out.u8(0);
    }
    for (size_t i = 0; i < data.fields.size(); ++i) {
        out.u16le(static_cast<uint16_t>(i + 1));
    }
    out.bytes(data.paradox.sortOrderName);
    out.u8(0);
    return out.take();
}

} // namespace

TableData readParadox(std::string_view bytes, const std::string& fileName)
{
    const ByteReader in(bytes, fileName);
    TableData data;
    data.format = TableFormat::Paradox;
    const Header header = readHeader(in, data);
    readFields(in, header, data);
    readBlocks(in, header, data);
    return data;
}

std::string writeParadox(const TableData& data)
{
    if (data.isKeyed()) {
        throw TableError("keyed Paradox tables are read-only");
    }
    if (!isWritableParadoxVersion(data.paradox.fileVersionId)) {
        throw TableError("Paradox tables are written in versions 4, 5 and 7 only");
    }
    if (data.fields.empty() || data.fields.size() > kMaxFields) {
        throw TableError("a Paradox table has 1 to 255 fields");
    }
    size_t recordSize = 0;
    for (const FieldDef& field : data.fields) {
        recordSize += static_cast<size_t>(field.size);
    }
    const uint8_t blockSizeKb = blockSizeFor(data, recordSize);
    const size_t blockSize = size_t{blockSizeKb} * kKilobyte;
    const size_t perBlock = (blockSize - kBlockHeaderSize) / recordSize;
    const size_t blockCount = (data.rows.size() + perBlock - 1) / perBlock;
    const std::string tail = headerTail(data);
    const size_t headerSize = (kVersion4HeaderEnd + tail.size() + kHeaderGranule - 1) / kHeaderGranule * kHeaderGranule;
    if (blockCount > UINT16_MAX || headerSize > UINT16_MAX) {
        throw TableError("too many records for a Paradox table");
    }
    const auto fieldCount = static_cast<uint16_t>(data.fields.size());

    ByteWriter out;
    out.u16le(static_cast<uint16_t>(recordSize));
    out.u16le(static_cast<uint16_t>(headerSize));
    out.u8(kUnkeyedTable);
    out.u8(blockSizeKb);
    out.u32le(static_cast<uint32_t>(data.rows.size()));
    out.padTo(kBlocksInUseOffset);
    out.u16le(static_cast<uint16_t>(blockCount));
    out.padTo(kFileBlocksOffset);
    out.u16le(static_cast<uint16_t>(blockCount));
    out.padTo(kFirstBlockOffset);
    out.u16le(blockCount == 0 ? 0 : 1);
    out.padTo(kLastBlockOffset);
    out.u16le(static_cast<uint16_t>(blockCount));
    out.padTo(kFieldCountOffset);
    out.u16le(fieldCount);
    out.padTo(kEncryptionOffset);
    out.u32le(kVersion4EncryptionMarker);
    out.padTo(kSortOrderOffset);
    out.u8(data.paradox.sortOrder);
    out.padTo(kFileVersionOffset);
    out.u8(data.paradox.fileVersionId);
    out.padTo(kMaxBlocksOffset);
    out.u16le(static_cast<uint16_t>(blockCount));
    out.padTo(kUnknown3EOffset);
    out.u16le(kUnknown3EValue);
    out.padTo(kAutoIncrementOffset);
    out.u32le(static_cast<uint32_t>(data.paradox.autoIncrement));
    out.padTo(kFileVersionWordOffset);
    out.u16le(static_cast<uint16_t>(kVersionWordBase + data.paradox.fileVersionId));
    out.padTo(kFileVersionWord2Offset);
    out.u16le(static_cast<uint16_t>(kVersionWordBase + data.paradox.fileVersionId));
    out.padTo(kHighFieldIdOffset);
    out.u16le(static_cast<uint16_t>(fieldCount + 1));
    out.padTo(kSometimesFieldCountOffset);
    out.u16le(fieldCount);
    out.padTo(kCodePageOffset);
    // A table read under another code page held plain ASCII only; what is
    // written now is Windows-1252 and must say so.
    out.u16le(isWindowsCodePage(data.paradox.codePage) ? data.paradox.codePage : kWindowsCodePage);
    out.padTo(kVersion4HeaderEnd);
    out.bytes(tail);
    out.padTo(headerSize);

    for (size_t block = 1; block <= blockCount; ++block) {
        const size_t first = (block - 1) * perBlock;
        const size_t count = std::min(perBlock, data.rows.size() - first);
        const size_t start = out.size();
        out.u16le(static_cast<uint16_t>(block == blockCount ? 0 : block + 1));
        out.u16le(static_cast<uint16_t>(block - 1));
        out.u16le(static_cast<uint16_t>((count - 1) * recordSize));
        for (size_t r = first; r < first + count; ++r) {
            for (size_t i = 0; i < data.fields.size(); ++i) {
                out.bytes(encodeCell(data.fields[i], data.rows[r].cells[i]));
            }
        }
        out.padTo(start + blockSize);
    }
    return out.take();
}

std::vector<FieldDef> paradoxFields(std::vector<FieldDef> fields)
{
    for (FieldDef& field : fields) {
        const TypeCode& code = typeCodeFor(field.type);
        if (code.size != 0) {
            field.size = code.size;
        } else if (field.size < 1 || field.size > kMaxAlphaLength) {
            throw TableError("column " + field.name + ": text size must be 1 to 255, not "
                             + std::to_string(field.size));
        }
        field.decimals = 0;
    }
    return fields;
}

bool isWritableParadoxVersion(uint8_t fileVersionId)
{
    return isVersion4OrLater(fileVersionId) && fileVersionId <= kParadox7Version;
}

void checkParadoxCell(const FieldDef& field, const Value& value)
{
    encodeCell(field, value);
}

} // namespace verdalis
