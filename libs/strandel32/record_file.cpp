#include "record_file.h"

#include <algorithm>
#include <cstdio>

namespace strandel {

namespace {

int32_t clampToRecordNumber(int64_t value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(value, 0, INT32_MAX));
}

bool isRecordRun(int64_t first, int64_t count)
{
    return first >= 1 && count >= 1 && first <= INT32_MAX && count <= INT32_MAX;
}

} // namespace

bool RecordFile::open(const std::string& path, int64_t bufferRecords, uint32_t recordSize, uint32_t mode)
{
    close();
    open_ = buff_open(&block_, path.c_str(), clampToRecordNumber(bufferRecords), static_cast<int32_t>(recordSize),
                      mode) != 0;
    return open_;
}

bool RecordFile::openEmptied(const std::string& path, int64_t bufferRecords, uint32_t recordSize)
{
    close();
    std::FILE* emptied = std::fopen(path.c_str(), "wb");
    if (emptied == nullptr) {
        return false;
    }
    std::fclose(emptied);
    return open(path, bufferRecords, recordSize, kEmptiedFileMode);
}

uint8_t* RecordFile::get(int64_t first, int64_t count)
{
    return serve(get_record, first, count);
}

uint8_t* RecordFile::create(int64_t first, int64_t count)
{
    return serve(new_record, first, count);
}

uint8_t* RecordFile::serve(RecordOperation operation, int64_t first, int64_t count)
{
    void* records = nullptr;
    if (!open_ || !isRecordRun(first, count) ||
        operation(&block_, static_cast<int32_t>(first), static_cast<int32_t>(count), &records) == 0) {
        return nullptr;
    }
    return static_cast<uint8_t*>(records);
}

void RecordFile::close()
{
    if (open_) {
        buff_close(&block_);
        open_ = false;
    }
}

} // namespace strandel
