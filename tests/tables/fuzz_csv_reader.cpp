// The CSV reader, and the schema reader of the table builder on top of it.
#include "tables/csv_reader.h"
#include "tables/table_build.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        verdalis::CsvReader reader(text, "fuzz.csv");
        std::vector<std::string> fields;
        while (reader.next(fields)) {
        }
    } catch (const verdalis::CsvError&) {
    }
    try {
        verdalis::readTableSchema(text, "fuzz.csv", "out.dbf");
    } catch (const verdalis::BuildError&) {
    }
    return 0;
}
