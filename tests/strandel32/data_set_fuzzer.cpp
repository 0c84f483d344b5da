// Corrupt line data sets: ConnectPolylines must answer every one with a message or
// a result, never a crash. The input is split into a type byte, a header, a polyline
// file and (type B) a point file.
#include "line_fixture.h"
#include "strandel32.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void ignoreMessage(const char*, const char*) {}

// The data set's files live in one scratch folder for the whole run.
struct ScratchFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("strandel-fuzz-" + std::to_string(getpid()));
    ScratchFolder() { std::filesystem::create_directories(path); }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
};

std::vector<uint8_t> take(const uint8_t*& data, size_t& size, size_t wanted)
{
    const size_t taken = std::min(wanted, size);
    std::vector<uint8_t> part(data, data + taken);
    data += taken;
    size -= taken;
    return part;
}

size_t takeLength(const uint8_t*& data, size_t& size)
{
    const std::vector<uint8_t> bytes = take(data, size, 2);
    return bytes.size() == 2 ? size_t{bytes[0]} | (size_t{bytes[1]} << 8) : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    namespace fs = std::filesystem;
    if (size < 1) {
        return 0;
    }
    const bool typeA = (data[0] & 1) == 0;
    const float tolerance = static_cast<float>(data[0] >> 1) / 16.0F;
    ++data;
    --size;
    static const ScratchFolder scratch;
    const fs::path& folder = scratch.path;
    const fixture::DataSet dataSet(typeA ? fixture::Type::A : fixture::Type::B, folder, "fuzz");

    const std::vector<uint8_t> header = take(data, size, takeLength(data, size));
    const std::vector<uint8_t> polylines = take(data, size, takeLength(data, size));
    const std::vector<uint8_t> points = take(data, size, size);
    fixture::writeBytes(dataSet.header(), header);
    fixture::writeBytes(dataSet.component(typeA ? ".gst" : ".ul"), polylines);
    fixture::writeBytes(dataSet.component(".ucr"), points);

    SetMessageBoxHandler(ignoreMessage);
    int32_t knots = 0;
    const std::string log = (folder / "fuzz.log").string();
    ConnectPolylines(dataSet.header().c_str(), tolerance, &knots, log.c_str());
    return 0;
}
