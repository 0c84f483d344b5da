#include "tables/dbase_format.h"
#include "tables/table.h"
#include "tables/table_cache.h"
#include "tables/table_error.h"
#include "table_rows.h"
#include "temp_dir.h"
#include "util/number_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace verdalis {
namespace {

using ::testing::HasSubstr;
using testing::allText;
using testing::appendTextRows;
using testing::TempDir;

struct HandField {
    std::string name;
    char type;
    uint8_t length;
    uint8_t decimals;
};

void putU16(std::string& bytes, size_t offset, uint16_t value)
{
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

// A dBASE III file laid out byte by byte: 32-byte header, 32-byte column
// descriptors, 0x0D, records with their deletion flag, 0x1A.
std::string handMadeDbf(const std::vector<HandField>& fields, const std::vector<std::string>& records,
                        uint8_t languageDriver = 0x57)
{
    std::string bytes(32, '\0');
    bytes[0] = 0x03;
    bytes[1] = 124; // 2024
    bytes[2] = 5;
    bytes[3] = 17;
    bytes[4] = static_cast<char>(records.size());
    uint16_t recordLength = 1;
    for (const HandField& field : fields) {
        recordLength += field.length;
    }
    putU16(bytes, 8, static_cast<uint16_t>(32 + 32 * fields.size() + 1));
    putU16(bytes, 10, recordLength);
    bytes[29] = static_cast<char>(languageDriver);
    for (const HandField& field : fields) {
        std::string descriptor(32, '\0');
        descriptor.replace(0, field.name.size(), field.name);
        descriptor[11] = field.type;
        descriptor[16] = static_cast<char>(field.length);
        descriptor[17] = static_cast<char>(field.decimals);
        bytes += descriptor;
    }
    bytes += '\x0D';
    for (const std::string& record : records) {
        bytes += record;
    }
    bytes += '\x1A';
    return bytes;
}

const std::vector<HandField> kSampleFields = {{"NAME", 'C', 5, 0}, {"RATE", 'N', 5, 1}, {"DAY", 'D', 8, 0}};
const std::vector<std::string> kSampleRecords = {" abc    1.520240229", "*gone   2.0        ",
                                                 " \xE9t\xE9   -0.5        "};

TEST(DbaseFormat, ReadsAHandMadeTableSkippingDeletedRecords)
{
    TempDir dir;
    dir.write("sample.dbf", handMadeDbf(kSampleFields, kSampleRecords));
    Table table;
    table.open(dir.path(), "sample.dbf");
    EXPECT_EQ(table.recordCount(), 2u);
    EXPECT_EQ(table.fieldDef(0).type, FieldType::Text);
    EXPECT_EQ(table.fieldDef(1).type, FieldType::Float);
    EXPECT_EQ(allText(table),
              (std::vector<std::vector<std::string>>{{"abc", "1.5", "2024-02-29"}, {"\u00E9t\u00E9", "-0.5", ""}}));
}

TEST(DbaseFormat, RoundTripsEveryColumnType)
{
    TempDir dir;
    const std::vector<FieldDef> fields = {{"Name", FieldType::Text, 20},
                                          {"Count", FieldType::Integer},
                                          {"Ratio", FieldType::Float},
                                          {"Ok", FieldType::Logical},
                                          {"Day", FieldType::Date}};
    const std::vector<std::vector<std::string>> rows = {
        {"R\u00E9sum\u00E9 \u20AC \u0160", "-2147483648", "0.1", "True", "0001-01-01"},
        {"  leading blanks", "2147483647", "-1e-07", "False", "9999-12-31"},
        {"", "", "", "", ""},
        {"x", "0", "123456.789", "True", "2024-02-29"},
        {"y", "-7", "1e+15", "", "1999-12-31"},
    };
    Table::create(dir.path(), "all.dbf", TableType::ByExtension, fields);
    Table table;
    table.open(dir.path(), "all.dbf");
    appendTextRows(table, rows);
    table.close();
    TableCache::instance().clear();
    table.open(dir.path(), "ALL.DBF");
    EXPECT_EQ(allText(table), rows);
    table.first();
    EXPECT_EQ(table.field("count").asInteger(), -2147483648LL);
    EXPECT_DOUBLE_EQ(table.field("RATIO").asFloat(), 0.1);
    table.moveTo(3);
    EXPECT_TRUE(table.field("Name").isNull());
    EXPECT_TRUE(table.field("Count").isNull());
    EXPECT_EQ(table.field("Count").asInteger(), 0);
}

TEST(DbaseFormat, WritesTheHeaderAndRecordLayout)
{
    TempDir dir;
    Table::create(dir.path(), "layout.dbf", TableType::Dbase,
                  {{"NAME", FieldType::Text, 5}, {"N", FieldType::Integer}, {"D", FieldType::Date}});
    Table table;
    table.open(dir.path(), "layout.dbf");
    for (const char* name : {"one", "two", "three"}) {
        table.append();
        table.field("NAME").setText(name);
        table.field("N").setInteger(42);
        table.field("D").setText("2024-05-17");
        table.post();
    }
    table.locate("NAME", "two");
    ASSERT_TRUE(table.deleteRecord());
    const std::string bytes = dir.read("layout.dbf");
    const size_t headerLength = 32 + 3 * 32 + 1;
    const size_t recordLength = 1 + 5 + 11 + 8;
    ASSERT_EQ(bytes.size(), headerLength + 2 * recordLength + 1);
    EXPECT_EQ(bytes[0], 0x03);
    EXPECT_EQ(static_cast<uint8_t>(bytes[4]), 2);
    EXPECT_EQ(static_cast<uint8_t>(bytes[8]) | static_cast<uint8_t>(bytes[9]) << 8, headerLength);
    EXPECT_EQ(static_cast<uint8_t>(bytes[10]) | static_cast<uint8_t>(bytes[11]) << 8, recordLength);
    EXPECT_EQ(bytes[29], 0x03);
    EXPECT_EQ(bytes.substr(32, 5), std::string("NAME\0", 5));
    EXPECT_EQ(bytes[32 + 11], 'C');
    EXPECT_EQ(bytes[64 + 11], 'N');
    EXPECT_EQ(static_cast<uint8_t>(bytes[64 + 16]), 11);
    EXPECT_EQ(bytes[96 + 11], 'D');
    EXPECT_EQ(bytes[headerLength - 1], 0x0D);
    EXPECT_EQ(bytes.substr(headerLength, recordLength), " one           4220240517");
    EXPECT_EQ(bytes.substr(headerLength + recordLength, recordLength), " three         4220240517");
    EXPECT_EQ(bytes.back(), 0x1A);
}

TEST(DbaseFormat, RefusesValuesThatDoNotFitWithoutChangingTheFile)
{
    TempDir dir;
    Table::create(dir.path(), "fit.dbf", TableType::Dbase, {{"NAME", FieldType::Text, 4}, {"N", FieldType::Integer}});
    const std::string before = dir.read("fit.dbf");
    Table table;
    table.open(dir.path(), "fit.dbf");
    table.append();
    EXPECT_THAT([&] { table.field("NAME").setText("\u6F22\u5B57"); },
                ::testing::ThrowsMessage<TableError>(HasSubstr("NAME")));
    EXPECT_THAT([&] { table.field("NAME").setText("abcde"); }, ::testing::Throws<TableError>());
    EXPECT_THAT([&] { table.field("N").setInteger(2147483648LL); }, ::testing::Throws<TableError>());
    EXPECT_THAT([&] { table.field("N").setText("12a"); }, ::testing::Throws<ConversionError>());
    EXPECT_EQ(table.state(), Table::State::Insert);
    EXPECT_EQ(dir.read("fit.dbf"), before);
    table.field("NAME").setText("\u00C9t\u00E9!");
    table.post();
    TableCache::instance().clear();
    Table again;
    again.open(dir.path(), "fit.dbf");
    EXPECT_EQ(again.field("NAME").asText(), "\u00C9t\u00E9!");
}

struct CorruptCase {
    const char* name;
    std::function<void(std::string&)> damage;
    const char* message;
};

TEST(DbaseFormat, ReportsCorruptFilesNamingFileAndProblem)
{
    const std::string good = handMadeDbf(kSampleFields, kSampleRecords);
    const CorruptCase cases[] = {
        {"short file", [](std::string& b) { b.resize(20); }, "too short"},
        {"unknown version", [](std::string& b) { b[0] = 0x30; }, "not a dBASE"},
        {"header longer than file", [](std::string& b) { putU16(b, 8, 60000); }, "header length"},
        {"header too short", [](std::string& b) { putU16(b, 8, 10); }, "header length"},
        {"record length", [](std::string& b) { putU16(b, 10, 12); }, "record length"},
        {"truncated records", [](std::string& b) { b.resize(b.size() - 8); }, "truncated"},
        {"record count", [](std::string& b) { b[4] = 100; }, "truncated"},
        {"memo column", [](std::string& b) { b[32 + 11] = 'M'; }, "unsupported type"},
        {"number text", [](std::string& b) { b[129 + 6] = 'x'; }, "not a number"},
        {"impossible date", [](std::string& b) { b[129 + 15] = '9'; }, "not a date"},
        {"short date", [](std::string& b) { b.replace(129 + 17, 2, "  "); }, "not a date"},
        {"deletion flag", [](std::string& b) { b[129] = 'Q'; }, "deletion flag"},
        {"no terminator", [](std::string& b) { b[128] = 'X'; }, "descriptors"},
        {"zero width", [](std::string& b) { b[32 + 16] = 0; }, "length 0"},
    };
    TempDir dir;
    for (const CorruptCase& c : cases) {
        std::string bytes = good;
        c.damage(bytes);
        dir.write("bad.dbf", bytes);
        TableCache::instance().clear();
        Table table;
        EXPECT_THAT([&] { table.open(dir.path(), "bad.dbf"); },
                    ::testing::ThrowsMessage<TableError>(::testing::AllOf(HasSubstr("bad.dbf"), HasSubstr(c.message))))
            << c.name;
        EXPECT_FALSE(table.isOpen()) << c.name;
    }
}

TEST(DbaseFormat, ReadsOnlyPlainTextUnderForeignLanguageDrivers)
{
    TempDir dir;
    dir.write("dos.dbf", handMadeDbf(kSampleFields, {kSampleRecords[0]}, 0x01));
    Table table;
    table.open(dir.path(), "dos.dbf");
    EXPECT_EQ(table.field("NAME").asText(), "abc");
    table.edit();
    table.field("NAME").setText("\u00E9t\u00E9");
    table.post();
    EXPECT_EQ(dir.read("dos.dbf")[29], 0x03);
    TableCache::instance().clear();
    table.open(dir.path(), "dos.dbf");
    EXPECT_EQ(table.field("NAME").asText(), "\u00E9t\u00E9");

    dir.write("dos2.dbf", handMadeDbf(kSampleFields, kSampleRecords, 0x01));
    EXPECT_THAT([&] { table.open(dir.path(), "dos2.dbf"); },
                ::testing::ThrowsMessage<TableError>(HasSubstr("language driver")));
}

} // namespace
} // namespace verdalis
