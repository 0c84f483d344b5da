// One open record file of the record-file library, closed when it goes out of scope.
#pragma once

#include "kelmar32.h"

#include <cstdint>
#include <string>

namespace strandel {

// Files that exist already (polyline and point files).
inline constexpr uint32_t kExistingFileMode = KELMAR_MODE_READ | KELMAR_MODE_WRITE | KELMAR_MODE_BINARY;
// Work and knot files, emptied first.
inline constexpr uint32_t kEmptiedFileMode = kExistingFileMode | KELMAR_MODE_CREATE;

// The largest buffer the polyline files are opened with.
inline constexpr int32_t kPolylineBufferRecords = 1024;

class RecordFile {
public:
    RecordFile() = default;
    ~RecordFile() { close(); }
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    bool open(const std::string& path, int64_t bufferRecords, uint32_t recordSize, uint32_t mode);
    // Empties (or creates) the file and opens it.
    bool openEmptied(const std::string& path, int64_t bufferRecords, uint32_t recordSize);

    // Records first .. first + count - 1, contiguous and writable; nullptr on failure.
    // Valid until the next call on this file.
    uint8_t* get(int64_t first, int64_t count = 1);
    uint8_t* create(int64_t first, int64_t count = 1);

    void markChanged() { block_.changed = 1; }
    void forgetChanges() { block_.changed = 0; }
    int64_t highestHeld() const { return block_.highest_held; }
    int64_t recordCount() const { return buff_record_count(&block_); }

    void close();

private:
    using RecordOperation = int32_t (*)(kelmar_control_block*, int32_t, int32_t, void**);
    uint8_t* serve(RecordOperation operation, int64_t first, int64_t count);

    kelmar_control_block block_{};
    bool open_ = false;
};

} // namespace strandel
