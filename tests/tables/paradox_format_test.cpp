#include "tables/paradox_format.h"
#include "tables/table.h"
#include "tables/table_cache.h"
#include "tables/table_error.h"
#include "tables/cell_value.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace verdalis {
namespace {

using ::testing::HasSubstr;
using testing::TempDir;

// --- A Paradox file laid out byte by byte ------------------------------------

struct PxField {
    uint8_t type;
    uint8_t size;
    std::string name;
};

struct PxBlock {
    uint16_t next;
    uint16_t prev;
    std::vector<std::string> records;
};

struct PxFile {
    uint8_t version = 0x0C;
    uint8_t fileType = 2; // unkeyed
    uint16_t keyFields = 0;
    uint8_t blockKb = 1;
    uint16_t firstBlock = 1;
    int32_t autoIncrement = 0;
    std::string tableName = "fixture";
    std::vector<PxField> fields;
    std::vector<PxBlock> blocks;
};

void put16(std::string& b, size_t at, uint16_t v)
{
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>(v >> 8);
}

void put32(std::string& b, size_t at, uint32_t v)
{
    put16(b, at, static_cast<uint16_t>(v));
    put16(b, at + 2, static_cast<uint16_t>(v >> 16));
}

std::string hex(std::string_view digits)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < digits.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(std::string(digits.substr(i, 2)), nullptr, 16));
    }
    return bytes;
}

std::string handMade(const PxFile& f)
{
    constexpr size_t kHeaderSize = 0x800;
    size_t recordSize = 0;
    for (const PxField& field : f.fields) {
        recordSize += field.size;
    }
    uint32_t recordCount = 0;
    for (const PxBlock& block : f.blocks) {
        recordCount += static_cast<uint32_t>(block.records.size());
    }
    const auto n = static_cast<uint16_t>(f.fields.size());
    const auto blocks = static_cast<uint16_t>(f.blocks.size());
    std::string b(kHeaderSize, '\0');
    put16(b, 0x00, static_cast<uint16_t>(recordSize));
    put16(b, 0x02, kHeaderSize);
    b[0x04] = static_cast<char>(f.fileType);
    b[0x05] = static_cast<char>(f.blockKb);
    put32(b, 0x06, recordCount);
    put16(b, 0x0A, blocks);
    put16(b, 0x0C, blocks);
    put16(b, 0x0E, blocks == 0 ? 0 : f.firstBlock);
    put16(b, 0x10, blocks);
    put16(b, 0x21, n);
    put16(b, 0x23, f.keyFields);
    b[0x39] = static_cast<char>(f.version);
    put16(b, 0x3A, blocks);
    put16(b, 0x3E, 0x1F0F);
    put32(b, 0x49, static_cast<uint32_t>(f.autoIncrement));
    size_t at = 0x58;
    if (f.version >= 0x05) {
        put32(b, 0x25, 0xFF00FF00); // encryption moved to 0x5C, zero there
        put16(b, 0x58, static_cast<uint16_t>(0x0100 + f.version));
        put16(b, 0x5A, static_cast<uint16_t>(0x0100 + f.version));
        put16(b, 0x64, static_cast<uint16_t>(n + 1));
        put16(b, 0x68, n);
        put16(b, 0x6A, 1252);
        at = 0x78;
    }
    for (const PxField& field : f.fields) {
        b[at++] = static_cast<char>(field.type);
        b[at++] = static_cast<char>(field.size);
    }
    at += 4 * (n + 1);
    b.replace(at, f.tableName.size(), f.tableName);
    at += f.version == 0x0C ? 261 : 79;
    for (const PxField& field : f.fields) {
        b.replace(at, field.name.size(), field.name);
        at += field.name.size() + 1;
    }
    for (uint16_t i = 1; i <= n; ++i) {
        put16(b, at, i);
        at += 2;
    }
    b.replace(at, 5, "ascii");
    for (const PxBlock& block : f.blocks) {
        std::string data(size_t{f.blockKb} * 1024, '\0');
        put16(data, 0, block.next);
        put16(data, 2, block.prev);
        put16(data, 4, static_cast<uint16_t>((static_cast<int>(block.records.size()) - 1) * static_cast<int>(recordSize)));
        size_t pos = 6;
        for (const std::string& record : block.records) {
            data.replace(pos, record.size(), record);
            pos += record.size();
        }
        b += data;
    }
    return b;
}

// Every field type the engine knows, with two records whose encodings were
// worked out from the layout: big-endian, sign bit flipped for whole
// numbers, dates as days since 1 January 1, doubles with the sign bit set
// when positive and inverted when negative, all zeros for an empty value.
const std::vector<PxField> kAllTypes = {
    {0x01, 6, "Name"},  {0x03, 2, "Code"}, {0x04, 4, "Count"}, {0x06, 8, "Amount"}, {0x05, 8, "Price"},
    {0x09, 1, "Done"},  {0x02, 4, "Day"},  {0x14, 4, "At"},    {0x15, 8, "Stamp"},  {0x16, 4, "Id"},
};

const std::vector<std::string> kAllTypesRecords = {
    std::string("Ma\xEFs\0\0", 6) + hex("8005") + hex("800003e8") + hex("bff8000000000000")
        + hex("c033fd70a3d70a3d") + hex("81") + hex("800b4681") + hex("82aea540") + hex("c2cd08861580a000")
        + hex("80000001"),
    std::string("\0\0\0\0\0\0", 6) + hex("7fff") + hex("7ffeee90") + hex("3fffffffffffffff")
        + hex("0000000000000000") + hex("80") + hex("800b2407") + hex("80000000") + hex("0000000000000000")
        + hex("80000002"),
};

const std::vector<std::vector<std::string>> kAllTypesText = {
    {"Ma\u00EFs", "5", "1000", "1.5", "19.99", "True", "2024-02-29", "12:30:00", "2024-02-29 12:30:00", "1"},
    {"", "-1", "-70000", "-2", "", "False", "1999-12-31", "00:00:00", "", "2"},
};

std::vector<std::vector<std::string>> textOf(const TableData& data)
{
    std::vector<std::vector<std::string>> rows;
    for (const Row& row : data.rows) {
        std::vector<std::string> cells;
        for (size_t i = 0; i < data.fields.size(); ++i) {
            cells.push_back(cellText(data.fields[i], row.cells[i]));
        }
        rows.push_back(cells);
    }
    return rows;
}

class ParadoxVersions : public ::testing::TestWithParam<uint8_t> {};

TEST_P(ParadoxVersions, ReadsAndWritesTheHandMadeLayoutByteForByte)
{
    PxFile file;
    file.version = GetParam();
    file.autoIncrement = 2;
    file.fields = kAllTypes;
    file.blocks = {{0, 0, kAllTypesRecords}};
    const std::string bytes = handMade(file);

    const TableData data = readParadox(bytes, "fixture.db");
    ASSERT_EQ(data.fields.size(), kAllTypes.size());
    EXPECT_EQ(data.fields[0].name, "Name");
    EXPECT_EQ(data.fields[0].size, 6);
    EXPECT_EQ(data.fields[9].type, FieldType::AutoIncrement);
    EXPECT_EQ(data.paradox.tableName, "fixture");
    EXPECT_EQ(textOf(data), kAllTypesText);
    EXPECT_EQ(writeParadox(data), bytes);
}

INSTANTIATE_TEST_SUITE_P(Paradox457, ParadoxVersions,
                         ::testing::Values(kParadox4Version, kParadox5Version, kParadox7Version));

TEST(ParadoxFormat, TableWritesWhatTheReaderReadsBack)
{
    TempDir dir;
    const std::vector<FieldDef> fields = {
        {"Name", FieldType::Text, 6},   {"Code", FieldType::Short},    {"Count", FieldType::Integer},
        {"Amount", FieldType::Float},   {"Price", FieldType::Money},   {"Done", FieldType::Logical},
        {"Day", FieldType::Date},       {"At", FieldType::Time},       {"Stamp", FieldType::Timestamp},
        {"Id", FieldType::AutoIncrement}};
    Table::create(dir.path(), "fixture.db", TableType::Paradox, fields);
    Table table;
    table.open(dir.path(), "fixture.db");
    for (const auto& row : kAllTypesText) {
        table.append();
        for (size_t i = 0; i + 1 < row.size(); ++i) { // Id: assigned by the table
            table.field(i).setText(row[i]);
        }
        table.post();
    }
    PxFile file;
    file.version = kParadox7Version;
    file.blockKb = 4;
    file.autoIncrement = 2;
    file.fields = kAllTypes;
    file.blocks = {{0, 0, kAllTypesRecords}};
    EXPECT_EQ(dir.read("fixture.db"), handMade(file));
}

TEST(ParadoxFormat, NumbersNewRecordsAboveEveryAutoIncrementInUse)
{
    PxFile file;
    file.autoIncrement = 2; // behind the numbers the records hold
    file.fields = {{0x01, 3, "Name"}, {0x16, 4, "Id"}};
    file.blocks = {{0, 0, {"abc" + hex("80000005"), "def" + hex("80000009")}}};
    TempDir dir;
    dir.write("auto.db", handMade(file));
    Table table;
    table.open(dir.path(), "auto.db");
    table.append();
    table.field("Name").setText("ghi");
    table.post();
    EXPECT_EQ(table.field("Id").asInteger(), 10);
    table.append();
    table.field("Id").setInteger(3);
    table.post();
    EXPECT_EQ(table.field("Id").asInteger(), 3);
    EXPECT_EQ(readParadox(dir.read("auto.db"), "auto.db").paradox.autoIncrement, 10);
}

TEST(ParadoxFormat, FollowsTheBlockChainOfKeyedTablesAndRefusesToChangeThem)
{
    PxFile file;
    file.fileType = 0;
    file.keyFields = 1;
    file.fields = {{0x01, 3, "Key"}};
    // Physical order A, C, B; the chain 1 -> 3 -> 2 gives A, B, C.
    file.blocks = {{3, 0, {"AAA", "ABB"}}, {0, 3, {"CCC"}}, {2, 1, {"BBB"}}};
    TempDir dir;
    dir.write("Keyed.db", handMade(file));
    dir.write("Keyed.PX", "the primary index is not read");
    Table table;
    table.open(dir.path(), "keyed.DB");
    std::vector<std::string> keys;
    for (table.first(); !table.eof(); table.next()) {
        keys.push_back(table.field("Key").asText());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"AAA", "ABB", "BBB", "CCC"}));
    EXPECT_TRUE(table.locate("Key", "bbb"));
    EXPECT_THAT([&] { table.edit(); }, ::testing::ThrowsMessage<TableError>(HasSubstr("keyed")));
}

TEST(ParadoxFormat, ReadsVersion3TablesButDoesNotWriteThem)
{
    PxFile file;
    file.version = 0x03;
    file.fields = {{0x01, 4, "Name"}, {0x04, 4, "N"}};
    file.blocks = {{0, 0, {std::string("ab\0\0", 4) + hex("80000007")}}};
    TempDir dir;
    dir.write("old.db", handMade(file));
    Table table;
    table.open(dir.path(), "old.db");
    EXPECT_EQ(table.field("Name").asText(), "ab");
    EXPECT_EQ(table.field("N").asInteger(), 7);
    EXPECT_THAT([&] { table.append(); }, ::testing::ThrowsMessage<TableError>(HasSubstr("version 4")));
}

struct CorruptCase {
    const char* name;
    std::function<void(PxFile&, std::string&)> damage;
    const char* message;
};

TEST(ParadoxFormat, ReportsCorruptFilesNamingFileAndProblem)
{
    const auto layoutOnly = [](std::function<void(PxFile&)> change) {
        return [change](PxFile& f, std::string& bytes) {
            change(f);
            bytes = handMade(f);
        };
    };
    const auto bytesOnly = [](std::function<void(std::string&)> change) {
        return [change](PxFile&, std::string& bytes) { change(bytes); };
    };
    const CorruptCase cases[] = {
        {"short file", bytesOnly([](std::string& b) { b.resize(40); }), "too short"},
        {"index file", bytesOnly([](std::string& b) { b[4] = 1; }), "file type"},
        {"unknown version", bytesOnly([](std::string& b) { b[0x39] = 0x20; }), "version"},
        {"block size", bytesOnly([](std::string& b) { b[5] = 5; }), "block size"},
        {"header size", bytesOnly([](std::string& b) { put16(b, 2, 0xF000); }), "header size"},
        {"record size", bytesOnly([](std::string& b) { put16(b, 0, 4); }), "record size"},
        {"record size past block", bytesOnly([](std::string& b) { put16(b, 0, 2000); }), "record size"},
        {"encrypted", bytesOnly([](std::string& b) { b[0x5C] = 1; }), "password"},
        {"field count", bytesOnly([](std::string& b) { put16(b, 0x21, 0); }), "field count"},
        {"key count", bytesOnly([](std::string& b) { put16(b, 0x23, 9); }), "key field count"},
        {"field type", bytesOnly([](std::string& b) { b[0x78] = 0x0C; }), "type code"},
        {"field size", bytesOnly([](std::string& b) { b[0x7B] = 3; }), "size"},
        {"truncated blocks", bytesOnly([](std::string& b) { b.resize(b.size() - 100); }), "truncated"},
        {"record count", bytesOnly([](std::string& b) { b[6] = 9; }), "records"},
        {"chain loop", layoutOnly([](PxFile& f) { f.blocks[1].next = 1; }), "loops"},
        {"chain past end", layoutOnly([](PxFile& f) { f.blocks[1].next = 7; }), "block 7"},
        {"data size", bytesOnly([](std::string& b) { put16(b, 0x800 + 4, 3); }), "data size"},
        {"names past header",
         bytesOnly([](std::string& b) { std::fill(b.begin() + 0x100, b.begin() + 0x800, 'x'); }), "field names"},
        {"logical byte", bytesOnly([](std::string& b) { b[0x800 + 6 + 14] = 0x33; }), "logical"},
    };
    PxFile base;
    base.fields = {{0x01, 10, "Name"}, {0x04, 4, "N"}, {0x09, 1, "Ok"}};
    const std::string record = std::string("abc\0\0\0\0\0\0\0", 10) + hex("80000001") + hex("81");
    base.blocks = {{2, 0, {record}}, {0, 1, {record, record}}};
    TempDir dir;
    for (const CorruptCase& c : cases) {
        PxFile file = base;
        std::string bytes = handMade(file);
        c.damage(file, bytes);
        dir.write("bad.db", bytes);
        TableCache::instance().clear();
        Table table;
        EXPECT_THAT([&] { table.open(dir.path(), "bad.db"); },
                    ::testing::ThrowsMessage<TableError>(::testing::AllOf(HasSubstr("bad.db"), HasSubstr(c.message))))
            << c.name;
    }
}

} // namespace
} // namespace verdalis
