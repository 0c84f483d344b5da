// Little-endian reading and writing of fixed-width integers in byte buffers,
// the byte order of every Lumawave field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumawave {

template <typename T>
T readLittleEndian(const std::uint8_t* bytes)
{
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        value |= static_cast<T>(static_cast<T>(bytes[i]) << (8 * i));
    }
    return value;
}

template <typename T>
void writeLittleEndian(std::uint8_t* bytes, T value)
{
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

template <typename T>
void appendLittleEndian(std::vector<std::uint8_t>& out, T value)
{
    const std::size_t at = out.size();
    out.resize(at + sizeof(T));
    writeLittleEndian(out.data() + at, value);
}

} // namespace lumawave
