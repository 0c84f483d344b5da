// Record files served from a memory-mapped window; see kelmar32.h for the contract.
//
// Invariants of an open control block (checked by holds_invariants in debug builds):
//  1. fd >= 0, record_size > 0, buffer_records >= 1.
//  2. 0 <= records <= allocated_records, and the file is allocated_records records long.
//  3. With a window (mapping != NULL): 1 <= window_first <= highest_held <= allocated_records,
//     and the mapping covers records window_first .. highest_held.
//  4. Without a window: window_first == 0 and highest_held == 0.
#include "kelmar32.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

static_assert(sizeof(kelmar_control_block) == KELMAR_CONTROL_BLOCK_SIZE);
static_assert(offsetof(kelmar_control_block, changed) == KELMAR_CHANGED_FLAG_OFFSET);
static_assert(offsetof(kelmar_control_block, highest_held) == KELMAR_HIGHEST_HELD_OFFSET);

namespace {

constexpr int kClosedFd = -1;
constexpr int64_t kMaxRecordNumber = INT32_MAX;
// A window holds at least this much of the file, whatever the buffer asked for, so
// that scattered access to a file opened with a small buffer does not remap on every
// record.
constexpr int64_t kMinimumWindowBytes = 1 << 20;

int64_t page_size()
{
    static const int64_t size = sysconf(_SC_PAGESIZE);
    return size;
}

bool is_open(const kelmar_control_block* block)
{
    return block != nullptr && block->fd >= 0 && block->record_size > 0;
}

[[maybe_unused]] bool holds_invariants(const kelmar_control_block* block)
{
    if (block->buffer_records < 1 || block->records < 0 || block->records > block->allocated_records) {
        return false;
    }
    if (block->mapping == nullptr) {
        return block->window_first == 0 && block->highest_held == 0;
    }
    const int64_t first_byte = int64_t{block->window_first - 1} * block->record_size;
    const int64_t end_byte = int64_t{block->highest_held} * block->record_size;
    return block->window_first >= 1 && block->window_first <= block->highest_held &&
           block->highest_held <= block->allocated_records && first_byte >= block->mapping_offset &&
           end_byte <= block->mapping_offset + block->mapping_bytes;
}

void drop_window(kelmar_control_block* block)
{
    if (block->mapping != nullptr) {
        munmap(block->mapping, static_cast<size_t>(block->mapping_bytes));
    }
    block->mapping = nullptr;
    block->mapping_offset = 0;
    block->mapping_bytes = 0;
    block->window_first = 0;
    block->highest_held = 0;
}

// Maps a window holding records first .. last and, space allowing, enough records
// around them to fill the caller's buffer; a buffer as large as the file maps it whole.
bool map_window(kelmar_control_block* block, int64_t first, int64_t last)
{
    drop_window(block);
    const int64_t available = block->allocated_records;
    const int64_t buffer = std::max<int64_t>(block->buffer_records, kMinimumWindowBytes / block->record_size);
    const int64_t wanted = std::min(std::max(last - first + 1, buffer), available);
    const int64_t window_first = std::max<int64_t>(1, std::min(first, available - wanted + 1));
    const int64_t window_last = window_first + wanted - 1;
    const int64_t first_byte = (window_first - 1) * block->record_size;
    const int64_t offset = first_byte - first_byte % page_size();
    const int64_t bytes = window_last * block->record_size - offset;
    const bool shared = (block->mode & KELMAR_MODE_WRITE) != 0;
    void* mapping = mmap(nullptr, static_cast<size_t>(bytes), PROT_READ | PROT_WRITE,
                         shared ? MAP_SHARED : MAP_PRIVATE, block->fd, offset);
    if (mapping == MAP_FAILED) {
        return false;
    }
    block->mapping = static_cast<unsigned char*>(mapping);
    block->mapping_offset = offset;
    block->mapping_bytes = bytes;
    block->window_first = static_cast<int32_t>(window_first);
    block->highest_held = static_cast<int32_t>(window_last);
    return true;
}

bool is_valid_run(int32_t first, int32_t count)
{
    return first >= 1 && count >= 1 && int64_t{first} + count - 1 <= kMaxRecordNumber;
}

void* records_in_window(kelmar_control_block* block, int64_t first, int64_t last)
{
    if (block->mapping == nullptr || first < block->window_first || last > block->highest_held) {
        if (!map_window(block, first, last)) {
            return nullptr;
        }
    }
    assert(holds_invariants(block));
    return block->mapping + (first - 1) * block->record_size - block->mapping_offset;
}

// Grows the file ahead of the records in use, so that appending one record at a
// time does not resize the file each time; buff_close trims it to the records used.
bool allocate_through(kelmar_control_block* block, int64_t last)
{
    if (last <= block->allocated_records) {
        return true;
    }
    const int64_t ahead = std::max<int64_t>(block->allocated_records / 2, block->buffer_records);
    const int64_t allocated = std::min(std::max(last, block->allocated_records + ahead), kMaxRecordNumber);
    if (ftruncate(block->fd, allocated * block->record_size) != 0) {
        return false;
    }
    drop_window(block);
    block->allocated_records = allocated;
    return true;
}

} // namespace

extern "C" {

int32_t buff_open(kelmar_control_block* block, const char* file_name, int32_t record_count, int32_t record_size,
                  uint32_t mode)
{
    if (block == nullptr) {
        return 0;
    }
    std::memset(block, 0, sizeof *block);
    block->fd = kClosedFd;
    if (file_name == nullptr || record_size <= 0) {
        return 0;
    }
    const bool writable = (mode & KELMAR_MODE_WRITE) != 0;
    const int flags = (writable ? O_RDWR : O_RDONLY) | ((mode & KELMAR_MODE_CREATE) != 0 ? O_CREAT : 0) | O_CLOEXEC;
    const int fd = open(file_name, flags, 0644);
    if (fd < 0) {
        return 0;
    }
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        return 0;
    }
    block->fd = fd;
    block->record_size = record_size;
    block->buffer_records = std::max(record_count, 1);
    block->mode = mode;
    block->records = std::min<int64_t>(status.st_size / record_size, kMaxRecordNumber);
    block->allocated_records = block->records;
    return 1;
}

int32_t get_record(kelmar_control_block* block, int32_t first, int32_t count, void** records)
{
    if (!is_open(block) || records == nullptr || !is_valid_run(first, count)) {
        return 0;
    }
    const int64_t last = int64_t{first} + count - 1;
    if (last > block->records) {
        return 0;
    }
    *records = records_in_window(block, first, last);
    return *records != nullptr;
}

int32_t new_record(kelmar_control_block* block, int32_t first, int32_t count, void** records)
{
    if (!is_open(block) || records == nullptr || !is_valid_run(first, count) ||
        (block->mode & KELMAR_MODE_WRITE) == 0) {
        return 0;
    }
    const int64_t last = int64_t{first} + count - 1;
    if (!allocate_through(block, last)) {
        return 0;
    }
    void* run = records_in_window(block, first, last);
    if (run == nullptr) {
        return 0;
    }
    // Records past the old end are zero already (the file grew with zeros).
    const int64_t reused = std::min(last, block->records) - first + 1;
    if (reused > 0) {
        std::memset(run, 0, static_cast<size_t>(reused * block->record_size));
    }
    block->records = std::max(block->records, last);
    *records = run;
    return 1;
}

int32_t buff_record_count(const kelmar_control_block* block)
{
    return is_open(block) ? static_cast<int32_t>(block->records) : -1;
}

int32_t buff_close(kelmar_control_block* block)
{
    if (!is_open(block)) {
        return 0;
    }
    bool ok = true;
    if (block->changed != 0 && block->mapping != nullptr && (block->mode & KELMAR_MODE_WRITE) != 0) {
        ok = msync(block->mapping, static_cast<size_t>(block->mapping_bytes), MS_ASYNC) == 0;
    }
    drop_window(block);
    if (block->allocated_records != block->records) {
        ok = ftruncate(block->fd, block->records * block->record_size) == 0 && ok;
    }
    ok = close(block->fd) == 0 && ok;
    block->fd = kClosedFd;
    return ok ? 1 : 0;
}

} // extern "C"
