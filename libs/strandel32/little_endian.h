// Little-endian access to the fields of line data-set records.
#pragma once

#include <cstdint>
#include <cstring>

namespace strandel {

inline int32_t loadInt16(const uint8_t* at)
{
    return static_cast<int16_t>(static_cast<uint16_t>(at[0] | (at[1] << 8)));
}

inline int32_t loadInt32(const uint8_t* at)
{
    return static_cast<int32_t>(uint32_t{at[0]} | (uint32_t{at[1]} << 8) | (uint32_t{at[2]} << 16) |
                                (uint32_t{at[3]} << 24));
}

inline void storeInt16(uint8_t* at, int32_t value)
{
    const auto bits = static_cast<uint16_t>(value);
    at[0] = static_cast<uint8_t>(bits);
    at[1] = static_cast<uint8_t>(bits >> 8);
}

inline void storeInt32(uint8_t* at, int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<uint8_t>(bits >> (8 * i));
    }
}

inline float loadFloat(const uint8_t* at)
{
    const auto bits = static_cast<uint32_t>(loadInt32(at));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void storeFloat(uint8_t* at, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    storeInt32(at, static_cast<int32_t>(bits));
}

} // namespace strandel
