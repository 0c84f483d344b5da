// A process killed at any moment while it changes a table leaves the table
// readable with the content of some completed post.
#include "tables/table.h"
#include "tables/table_cache.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace verdalis {
namespace {

using testing::TempDir;

void setCounter(Table& table)
{
    const auto count = static_cast<int64_t>(table.recordCount());
    table.first();
    table.edit();
    table.field("Count").setInteger(count);
    table.post();
}

// Appends numbered records and keeps the first record's counter equal to
// the number of records, so every completed post leaves a consistent table.
[[noreturn]] void postForever(const std::filesystem::path& dir, const std::string& name)
{
    Table table;
    table.open(dir, name);
    setCounter(table); // an earlier writer may have died between its two posts
    for (int64_t n = static_cast<int64_t>(table.recordCount());; ++n) {
        table.append();
        table.field("N").setInteger(n);
        table.field("Text").setText("record " + std::to_string(n) + std::string(60, '.'));
        table.post();
        setCounter(table);
    }
}

void expectConsistent(const TempDir& dir, const std::string& name, size_t& records)
{
    TableCache::instance().clear();
    Table table;
    ASSERT_NO_THROW(table.open(dir.path(), name));
    const size_t count = table.recordCount();
    ASSERT_GE(count, records);
    ASSERT_GE(count, 1u);
    table.first();
    const int64_t counter = table.field("Count").asInteger();
    // Between the append and the counter's update the counter lags by one.
    EXPECT_TRUE(counter == static_cast<int64_t>(count) || counter == static_cast<int64_t>(count) - 1)
        << counter << " for " << count << " records";
    for (size_t i = 0; i < count; ++i, table.next()) {
        ASSERT_EQ(table.field("N").asInteger(), static_cast<int64_t>(i));
        ASSERT_EQ(table.field("Text").asText(), "record " + std::to_string(i) + std::string(60, '.'));
    }
    records = count;
}

class CrashSafety : public ::testing::TestWithParam<const char*> {};

TEST_P(CrashSafety, KilledWritersLeaveTheOldOrTheNewTable)
{
    TempDir dir;
    const std::string name = GetParam();
    Table::create(dir.path(), name, TableType::ByExtension,
                  {{"N", FieldType::Integer}, {"Text", FieldType::Text, 80}, {"Count", FieldType::Integer}});
    {
        Table table;
        table.open(dir.path(), name);
        table.append();
        table.field("N").setInteger(0);
        table.field("Text").setText("record 0" + std::string(60, '.'));
        table.field("Count").setInteger(1);
        table.post();
    }
    std::mt19937 random(20240517);
    std::uniform_int_distribution<int> delayMs(10, 150);
    size_t records = 1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    for (int round = 0; round < 10 && std::chrono::steady_clock::now() < deadline; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            try {
                postForever(dir.path(), name);
            } catch (...) {
                ::_exit(3);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself with " << status;
        expectConsistent(dir, name, records);
    }
    EXPECT_GT(records, 1u) << "no post completed before the kills";

    Table table;
    table.open(dir.path(), name);
    setCounter(table);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        EXPECT_EQ(entry.path().filename(), name) << "left behind by a killed writer";
    }
}

INSTANTIATE_TEST_SUITE_P(BothFormats, CrashSafety, ::testing::Values("journal.dbf", "journal.db"),
                         [](const auto& info) { return std::string(info.param).ends_with(".db") ? "Paradox" : "Dbase"; });

} // namespace
} // namespace verdalis
