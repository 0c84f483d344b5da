// Little- and big-endian access to the bytes of a table file. Reads are
// bounds-checked: a read past the end raises TableError naming the file, so
// a truncated or corrupt file can never be read out of bounds.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

class ByteReader {
public:
    ByteReader(std::string_view bytes, std::string fileName) : bytes_(bytes), fileName_(std::move(fileName)) {}

    size_t size() const { return bytes_.size(); }
    const std::string& fileName() const { return fileName_; }

    uint8_t u8(size_t offset) const;
    uint16_t u16le(size_t offset) const;
    int16_t i16le(size_t offset) const { return static_cast<int16_t>(u16le(offset)); }
    uint32_t u32le(size_t offset) const;
    std::string_view span(size_t offset, size_t length) const;

    // Raises TableError with "<file>: <problem>".
    [[noreturn]] void fail(const std::string& problem) const;

private:
    std::string_view bytes_;
    std::string fileName_;
};

// Appends to a growing file image.
class ByteWriter {
public:
    void u8(uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void u16le(uint16_t value);
    void u32le(uint32_t value);
    void bytes(std::string_view data) { bytes_.append(data); }
    void fill(size_t count, char value = 0) { bytes_.append(count, value); }
    size_t size() const { return bytes_.size(); }
    // Zero bytes up to `offset`, so that the next value lands there.
    void padTo(size_t offset) { bytes_.resize(std::max(bytes_.size(), offset), '\0'); }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

} // namespace verdalis
