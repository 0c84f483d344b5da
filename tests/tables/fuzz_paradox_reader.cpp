#include "fuzz_table_readers.h"
#include "tables/paradox_format.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    verdalis::fuzzing::exerciseReader(
        std::string_view(reinterpret_cast<const char*>(data), size),
        [](std::string_view bytes) { return verdalis::readParadox(bytes, "fuzz.db"); }, verdalis::writeParadox);
    return 0;
}
