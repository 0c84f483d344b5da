// Fuzz target: the RTF reader on any bytes either reads a document or raises
// RtfError; whatever it reads, the writer writes and the reader reads again.
#include "reports/rtf/rtf_reader.h"
#include "reports/rtf/rtf_writer.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace verdalis::rtf;
    try {
        const Document document = readRtf(std::string_view(reinterpret_cast<const char*>(data), size));
        const Document again = readRtf(writeRtf(document));
        if (again.text() != document.text()) {
            __builtin_trap();
        }
    } catch (const RtfError&) {
    }
    return 0;
}
