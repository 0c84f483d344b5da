// verdalis-cli on a program folder: a list in batch and one saved record,
// without a display.
#include "program_folder.h"
#include "records_fixture.h"
#include "tables/csv_reader.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace verdalis::testing {
namespace {

using ::testing::HasSubstr;

struct CommandResult {
    int status = -1;
    std::string out;
};

std::string binaryDir()
{
    const char* dir = std::getenv("VERDALIS_BINARY_DIR");
    return dir != nullptr ? dir : ".";
}

std::string quoted(const std::string& text)
{
    return "'" + text + "'";
}

// Runs verdalis-cli with its messages on stderr dropped.
CommandResult runCli(const std::string& arguments)
{
    const std::string command = quoted(binaryDir() + "/bin/verdalis-cli") + " " + arguments + " 2>/dev/null";
    CommandResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    while (size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) {
        result.out.append(buffer, read);
    }
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

class VerdalisCli : public RecordsTest {
protected:
    VerdalisCli() : RecordsTest("verdalis-cli") {}
};

TEST_F(VerdalisCli, RunsAListInBatchAndWritesTheThreeOutputsBesideIt)
{
    shell::CreateNewUserInputTable(folder.path("lists"), "List.dbf");
    appendRecords(folder.path("lists/List.dbf"),
                  {{{"RecordName", "Lost county"}, {"ModeType", "Zorv"}, {"County", "Mistwood"}},
                   {{"RecordName", "No type"}, {"ModeType", "?"}, {"County", "Birch"}}});
    const auto result = runCli("batch " + quoted(folder.path("lists/List.dbf")) + " --program-dir " +
                               quoted(folder.dir()));
    EXPECT_EQ(result.status, 0);
    EXPECT_THAT(result.out, HasSubstr("Processing Lost county...\nProcessing No type...\n"));
    // The record without a type goes on to the calculation, which finds
    // nothing to calculate.
    EXPECT_THAT(result.out, HasSubstr("TOTAL ERRORS FOUND = 2\n"));
    for (const char* output : {"Verdalis_BatchTable.dbf", "Verdalis_BatchFile.txt", "Verdalis_BatchERRORfile.txt"}) {
        EXPECT_TRUE(folder.exists(std::string("lists/") + output)) << output;
    }
    const auto results = readRecords(folder.path("lists/Verdalis_BatchTable.dbf"));
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].at("Error_Dtld"), "Error in County Name\r\n     Mistwood\r\nis INVALID");
    EXPECT_EQ(results[1].at("Error"), "Calculation Error");
}

TEST_F(VerdalisCli, CalculatesOneSavedRecordAndPrintsTheReport)
{
    appendRecords(userTable(), {{{"RecordName", "Field A"}, {"ModeType", "Zorv"}}});
    const auto found = runCli("calculate 'field a' --program-dir " + quoted(folder.dir()));
    EXPECT_EQ(found.status, 0);
    EXPECT_THAT(found.out, HasSubstr("Verdalis Version: 2.50"));

    EXPECT_EQ(runCli("calculate 'Field B' --program-dir " + quoted(folder.dir())).status, 1);
    EXPECT_EQ(runCli("calculate").status, 2) << "usage";
    EXPECT_EQ(runCli("batch list.dbf --program-dir " + quoted(folder.path("nowhere"))).status, 1);
}

// The bundled sample list, run in batch on the built program folder,
// matches its expected outcomes record by record.
TEST(SampleBatchList, MatchesItsExpectedOutcomes)
{
    ProgramFolder lists("sample-batch");
    const std::string list = lists.path("SampleBatchList.dbf");
    std::filesystem::copy_file(binaryDir() + "/samples/SampleBatchList.dbf", list);
    const auto result = runCli("batch " + quoted(list) + " --program-dir " + quoted(binaryDir() + "/Verdalis"));
    ASSERT_EQ(result.status, 0);

    std::ifstream file(binaryDir() + "/samples/SampleBatchList.expected.csv", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    const std::string expectedText = text.str();
    CsvReader expected(expectedText, "SampleBatchList.expected.csv");
    std::vector<std::string> fields;
    expected.next(fields);
    const auto results = readRecords(lists.path("Verdalis_BatchTable.dbf"));
    size_t row = 0;
    while (expected.next(fields)) {
        ASSERT_LT(row, results.size());
        SCOPED_TRACE(fields[0]);
        EXPECT_EQ(results[row].at("RecordName"), fields[0]);
        EXPECT_EQ(results[row].at("Error"), fields[1]);
        EXPECT_EQ(results[row].at("Error_Dtld"), fields[2]);
        ++row;
    }
    EXPECT_EQ(row, results.size());
}

} // namespace
} // namespace verdalis::testing
