#include "tables/byte_io.h"

#include "tables/table_error.h"

namespace verdalis {

void ByteReader::fail(const std::string& problem) const
{
    throw TableError(fileName_ + ": " + problem);
}

std::string_view ByteReader::span(size_t offset, size_t length) const
{
    if (offset > bytes_.size() || length > bytes_.size() - offset) {
        fail("the file is truncated (" + std::to_string(bytes_.size()) + " bytes, needs "
             + std::to_string(offset + length) + ")");
    }
    return bytes_.substr(offset, length);
}

uint8_t ByteReader::u8(size_t offset) const
{
    return static_cast<uint8_t>(span(offset, 1)[0]);
}

uint16_t ByteReader::u16le(size_t offset) const
{
    const std::string_view b = span(offset, 2);
    return static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | static_cast<uint8_t>(b[1]) << 8);
}

uint32_t ByteReader::u32le(size_t offset) const
{
    const std::string_view b = span(offset, 4);
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<uint8_t>(b[static_cast<size_t>(i)]);
    }
    return value;
}

void ByteWriter::u16le(uint16_t value)
{
    u8(static_cast<uint8_t>(value));
    u8(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::u32le(uint32_t value)
{
    u16le(static_cast<uint16_t>(value));
    u16le(static_cast<uint16_t>(value >> 16));
}

} // namespace verdalis
