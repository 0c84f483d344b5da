// The record-file library as its callers use it: windows over files larger than the
// buffer, write-back of changed records, new records, and the refusals.
#include "kelmar32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int32_t kRecordSize = 12;  // not a divisor of the page size: windows start mid-page
constexpr uint32_t kExisting = KELMAR_MODE_READ | KELMAR_MODE_WRITE | KELMAR_MODE_BINARY;
constexpr uint32_t kCreate = kExisting | KELMAR_MODE_CREATE;

int32_t numberIn(const void* record)
{
    int32_t number;
    std::memcpy(&number, record, sizeof number);
    return number;
}

int32_t fieldAt(const kelmar_control_block& block, size_t offset)
{
    int32_t value;
    std::memcpy(&value, reinterpret_cast<const unsigned char*>(&block) + offset, sizeof value);
    return value;
}

class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = (fs::temp_directory_path() /
                 ("kelmar-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                    .string();
    }
    void TearDown() override { fs::remove(path_); }

    // A file of count records, each holding its own record number.
    void writeNumberedFile(int32_t count) const
    {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        std::vector<char> record(kRecordSize, 0);
        for (int32_t number = 1; number <= count; ++number) {
            std::memcpy(record.data(), &number, sizeof number);
            out.write(record.data(), kRecordSize);
        }
    }

    std::string path_;
    kelmar_control_block block_{};
};

TEST_F(RecordFileTest, WindowMovesThroughAFileLargerThanTheBuffer)
{
    // Windows hold at least 1 MiB of records: the file is larger than two of them.
    constexpr int32_t kWindow = (1 << 20) / kRecordSize;
    constexpr int32_t kRecords = 3 * kWindow;
    writeNumberedFile(kRecords);
    ASSERT_NE(buff_open(&block_, path_.c_str(), 100, kRecordSize, kExisting), 0);
    EXPECT_EQ(buff_record_count(&block_), kRecords);

    void* records = nullptr;
    for (const int32_t number : {1, 2, kWindow + 5, kRecords - 1, kRecords, 37, 2 * kWindow}) {
        ASSERT_NE(get_record(&block_, number, 1, &records), 0) << number;
        EXPECT_EQ(numberIn(records), number);
        const int32_t highest = fieldAt(block_, KELMAR_HIGHEST_HELD_OFFSET);
        EXPECT_GE(highest, number);
        EXPECT_LE(highest, kRecords);
    }
    ASSERT_NE(get_record(&block_, 200, 1, &records), 0);
    EXPECT_EQ(fieldAt(block_, KELMAR_HIGHEST_HELD_OFFSET), 200 + kWindow - 1);

    // A run longer than a window is still held contiguously.
    ASSERT_NE(get_record(&block_, 4000, kWindow + 250, &records), 0);
    for (int32_t i = 0; i < kWindow + 250; ++i) {
        ASSERT_EQ(numberIn(static_cast<char*>(records) + int64_t{i} * kRecordSize), 4000 + i);
    }
    EXPECT_NE(buff_close(&block_), 0);
}

TEST_F(RecordFileTest, NewAndChangedRecordsReachTheFile)
{
    ASSERT_NE(buff_open(&block_, path_.c_str(), 64, kRecordSize, kCreate), 0);
    void* records = nullptr;
    for (int32_t number = 1; number <= 1000; ++number) {
        ASSERT_NE(new_record(&block_, number, 1, &records), 0);
        EXPECT_EQ(numberIn(records), 0);
        std::memcpy(records, &number, sizeof number);
        block_.changed = 1;
    }
    // Making an existing record new again clears it.
    ASSERT_NE(new_record(&block_, 3, 1, &records), 0);
    EXPECT_EQ(numberIn(records), 0);
    EXPECT_NE(buff_close(&block_), 0);
    EXPECT_EQ(fs::file_size(path_), 1000U * kRecordSize);

    ASSERT_NE(buff_open(&block_, path_.c_str(), 64, kRecordSize, kExisting), 0);
    ASSERT_NE(get_record(&block_, 700, 1, &records), 0);
    const int32_t changed = -700;
    std::memcpy(records, &changed, sizeof changed);
    *reinterpret_cast<int32_t*>(reinterpret_cast<unsigned char*>(&block_) + KELMAR_CHANGED_FLAG_OFFSET) = 1;
    EXPECT_NE(buff_close(&block_), 0);

    std::ifstream in(path_, std::ios::binary);
    std::vector<char> bytes(1000 * kRecordSize);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_EQ(numberIn(bytes.data() + 699 * kRecordSize), -700);
    EXPECT_EQ(numberIn(bytes.data() + 2 * kRecordSize), 0);
    EXPECT_EQ(numberIn(bytes.data() + 999 * kRecordSize), 1000);
}

TEST_F(RecordFileTest, RefusesWhatItCannotServe)
{
    writeNumberedFile(10);
    void* records = nullptr;
    EXPECT_EQ(buff_open(&block_, (path_ + ".missing").c_str(), 10, kRecordSize, kExisting), 0);
    EXPECT_EQ(get_record(&block_, 1, 1, &records), 0);
    EXPECT_EQ(buff_open(&block_, path_.c_str(), 10, 0, kExisting), 0);
    EXPECT_EQ(buff_open(nullptr, path_.c_str(), 10, kRecordSize, kExisting), 0);

    ASSERT_NE(buff_open(&block_, path_.c_str(), 10, kRecordSize, KELMAR_MODE_READ), 0);
    EXPECT_EQ(get_record(&block_, 0, 1, &records), 0);
    EXPECT_EQ(get_record(&block_, 11, 1, &records), 0);
    EXPECT_EQ(get_record(&block_, 10, 2, &records), 0);
    EXPECT_EQ(get_record(&block_, 1, 0, &records), 0);
    EXPECT_EQ(get_record(&block_, INT32_MAX, 2, &records), 0);
    EXPECT_EQ(new_record(&block_, 11, 1, &records), 0);  // opened without the write bit
    // Changes in place to a file opened for reading stay in memory.
    ASSERT_NE(get_record(&block_, 1, 1, &records), 0);
    std::memset(records, 0xFF, kRecordSize);
    EXPECT_NE(buff_close(&block_), 0);
    EXPECT_EQ(buff_close(&block_), 0);

    ASSERT_NE(buff_open(&block_, path_.c_str(), 10, kRecordSize, KELMAR_MODE_READ), 0);
    ASSERT_NE(get_record(&block_, 1, 1, &records), 0);
    EXPECT_EQ(numberIn(records), 1);
    EXPECT_NE(buff_close(&block_), 0);
}

} // namespace
