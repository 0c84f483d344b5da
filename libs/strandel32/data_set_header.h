// The header file of a line data set: read once, its counts updated, written back
// into the same file. Bytes the joining does not use are carried through unchanged,
// and a header file longer than the header keeps its further bytes.
#pragma once

#include "data_set_layout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace strandel {

class DataSetHeader {
public:
    enum class ReadResult { Read, NotFound, Unreadable };

    ReadResult read(const std::string& path, const DataSetLayout& layout);
    // Writes the header's bytes (the file's own length when it is shorter than a
    // full header) over the start of the file it was read from.
    bool write() const;

    int32_t get(IntField field) const { return field.load(bytes_.data()); }
    void set(IntField field, int32_t value) { field.store(bytes_.data(), value); }
    float coordinateBound() const;

private:
    std::string path_;
    const DataSetLayout* layout_ = nullptr;
    std::vector<uint8_t> bytes_;
    size_t written_ = 0;  // the header file's own length, at most a full header
};

} // namespace strandel
