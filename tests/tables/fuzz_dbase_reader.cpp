#include "fuzz_table_readers.h"
#include "tables/dbase_format.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    verdalis::fuzzing::exerciseReader(
        std::string_view(reinterpret_cast<const char*>(data), size),
        [](std::string_view bytes) { return verdalis::readDbase(bytes, "fuzz.dbf"); }, verdalis::writeDbase);
    return 0;
}
