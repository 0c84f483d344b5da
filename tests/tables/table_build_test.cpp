#include "tables/table.h"
#include "tables/table_build.h"
#include "temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace verdalis {
namespace {

using ::testing::HasSubstr;
using testing::TempDir;

constexpr std::string_view kSchema = "name,type,size,required\n"
                                     "Crop_Code,integer,,1\n"
                                     "Name,text,12,1\n"
                                     "NUE,float,,0\n"
                                     "Legume,logical,,0\n"
                                     "Updated,date,,0\n";

constexpr std::string_view kData = "Crop_Code,Name,NUE,Legume,Updated\n"
                                   "12,\"Corn, grain\",55.5,false,2024-01-31\n"
                                   "7,Soybeans,,true,\n";

class TableBuild : public ::testing::TestWithParam<const char*> {
protected:
    void build(std::string_view schema, std::string_view data)
    {
        dir_.write("schema.csv", schema);
        dir_.write("data.csv", data);
        buildTable(dir_ / "schema.csv", dir_ / "data.csv", dir_ / GetParam());
    }
    TempDir dir_;
};

TEST_P(TableBuild, BuildsTheTableFromSchemaAndData)
{
    build(kSchema, kData);
    Table table;
    table.open(dir_.path(), GetParam());
    ASSERT_EQ(table.fieldCount(), 5u);
    EXPECT_EQ(table.fieldDef(0).type, FieldType::Integer);
    EXPECT_EQ(table.fieldDef(1).size, 12);
    EXPECT_EQ(table.recordCount(), 2u);
    EXPECT_EQ(table.field("Name").asText(), "Corn, grain");
    EXPECT_EQ(table.field("NUE").asText(), "55.5");
    EXPECT_EQ(table.field("Updated").asText(), "2024-01-31");
    table.next();
    EXPECT_TRUE(table.field("NUE").isNull());
    EXPECT_EQ(table.field("Legume").asText(), "True");
}

struct BadInput {
    const char* name;
    std::string schema;
    std::string data;
    const char* message;
};

TEST_P(TableBuild, NamesFileLineAndColumnOfBadInput)
{
    const std::string schema(kSchema);
    const std::string header = "Crop_Code,Name,NUE,Legume,Updated\n";
    const BadInput cases[] = {
        {"schema header", "name,type,size\nA,text,4\n", "A\n", "schema.csv:1: the header"},
        {"unknown type", schema + "Extra,blob,,0\n", "", "schema.csv:7: column Extra: unknown type 'blob'"},
        {"text without size", "name,type,size,required\nA,text,,0\n", "A\n", "schema.csv:2: column A: text size"},
        {"text too long size", "name,type,size,required\nA,text,256,0\n", "A\n", "column A: text size"},
        {"size on integer", "name,type,size,required\nA,integer,4,0\n", "A\n", "column A: only text"},
        {"required flag", "name,type,size,required\nA,integer,,yes\n", "A\n", "column A: required must be"},
        {"duplicate", "name,type,size,required\nA,integer,,0\na,float,,0\n", "A,a\n", "schema.csv:3: column a"},
        {"data header", schema, "Crop_Code,Name\n1,x\n", "data.csv:1: the header"},
        {"cell count", schema, header + "1,x,2\n", "data.csv:2: the record has 3 cells"},
        {"not an integer", schema, header + "1,x,,,\n2.5,y,,,\n", "data.csv:3: column Crop_Code:"},
        {"integer range", schema, header + "3000000000,x,,,\n", "data.csv:2: column Crop_Code"},
        {"not a number", schema, header + "1,x,abc,,\n", "data.csv:2: column NUE"},
        {"text too long", schema, header + "1,abcdefghijklm,,,\n", "data.csv:2: column Name: the text has 13"},
        {"not in 1252", schema, header + "1,\xE6\xBC\xA2,,,\n", "data.csv:2: column Name"},
        {"logical", schema, header + "1,x,,maybe,\n", "data.csv:2: column Legume"},
        {"date form", schema, header + "1,x,,,1/31/2024\n", "data.csv:2: column Updated"},
        {"impossible date", schema, header + "1,x,,,2023-02-29\n", "data.csv:2: column Updated"},
        {"required empty", schema, header + "1,,,,\n", "data.csv:2: column Name: the column is required"},
        {"quoting", schema, header + "1,\"x,,,\n", "data.csv:2: a quoted field is not closed"},
    };
    for (const BadInput& c : cases) {
        std::filesystem::remove(dir_ / GetParam());
        EXPECT_THAT([&] { build(c.schema, c.data); }, ::testing::ThrowsMessage<BuildError>(HasSubstr(c.message)))
            << c.name;
        EXPECT_FALSE(std::filesystem::exists(dir_ / GetParam())) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(BothFormats, TableBuild, ::testing::Values("out.db", "out.dbf"),
                         [](const auto& info) { return std::string(info.param).ends_with(".db") ? "Paradox" : "Dbase"; });

TEST(TableBuildLimits, KeepsDbaseColumnNamesToTenCharacters)
{
    TempDir dir;
    dir.write("schema.csv", "name,type,size,required\nYield_Reduction,float,,0\n");
    dir.write("data.csv", "Yield_Reduction\n1\n");
    EXPECT_THAT([&] { buildTable(dir / "schema.csv", dir / "data.csv", dir / "t.dbf"); },
                ::testing::ThrowsMessage<BuildError>(HasSubstr("schema.csv:2: column Yield_Reduction")));
    buildTable(dir / "schema.csv", dir / "data.csv", dir / "t.db");
    EXPECT_THAT([&] { buildTable(dir / "schema.csv", dir / "data.csv", dir / "t.csv"); },
                ::testing::ThrowsMessage<BuildError>(HasSubstr("extension")));
}

// The command line: dump, info and build, and exit status 1 with the message.
TEST(TablesTool, BuildsDumpsAndReportsErrors)
{
    const std::string tool = VERDALIS_TABLES_TOOL;
    TempDir dir;
    dir.write("schema.csv", kSchema);
    dir.write("data.csv", kData);
    const auto run = [&](const std::string& arguments) {
        const std::string command = "cd '" + dir.path().string() + "' && '" + tool + "' " + arguments
            + " >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    ASSERT_EQ(run("build schema.csv data.csv Crops.db"), 0);
    ASSERT_EQ(run("dump crops.DB"), 0);
    EXPECT_EQ(dir.read("out.txt"), "Crop_Code,Name,NUE,Legume,Updated\n"
                                   "12,\"Corn, grain\",55.5,False,2024-01-31\n"
                                   "7,Soybeans,,True,\n");
    ASSERT_EQ(run("info Crops.db"), 0);
    EXPECT_THAT(dir.read("out.txt"), HasSubstr("type: Paradox\nrecords: 2\ncolumns: 5\n  Crop_Code integer 4\n"));
    dir.write("data.csv", "Crop_Code,Name,NUE,Legume,Updated\nx,y,,,\n");
    EXPECT_EQ(run("build schema.csv data.csv Crops.dbf"), 1);
    EXPECT_THAT(dir.read("err.txt"), HasSubstr("data.csv:2: column Crop_Code"));
    EXPECT_EQ(run("dump missing.dbf"), 1);
    EXPECT_EQ(run("frobnicate"), 2);
}

} // namespace
} // namespace verdalis
