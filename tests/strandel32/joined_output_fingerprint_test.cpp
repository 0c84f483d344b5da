// The joining's exact output on larger generated data sets: header, polyline, point
// and knot files and the log, each reduced to a fingerprint and compared with the
// fingerprint of a known good run. Any change to a knot, a link, a snapped point, a
// log line or a header value shows here, where the smaller tests might not reach it
// (ties in the sort, crowded knots, long runs of the record files' windows).
#include "network_generator.h"
#include "strandel32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

void ignoreMessage(const char*, const char*) {}

uint64_t fingerprintOf(const std::string& bytes)
{
    uint64_t hash = 1469598103934665603ULL;  // FNV-1a, 64 bits
    for (const char byte : bytes) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ULL;
    }
    return hash;
}

std::string contentsOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The log names the data set by its path; the folder part differs from run to run.
std::string withoutFolder(std::string text, const std::string& folder)
{
    for (size_t at; (at = text.find(folder)) != std::string::npos;) {
        text.erase(at, folder.size());
    }
    return text;
}

struct FingerprintCase {
    const char* name;
    strandel::LineType type;
    linegen::NetworkKind kind;
    size_t polylines;
    std::vector<std::string> outputExtensions;  // besides the log
    std::vector<uint64_t> fingerprints;         // the outputs', then the log's
};

TEST(JoinedOutputFingerprint, EveryOutputFileIsExactlyAsBefore)
{
    const std::vector<FingerprintCase> cases = {
        {"random A", strandel::LineType::A, linegen::NetworkKind::Random, 8000, {".gch", ".gst", ".gkn"},
         {13573660595366032060ULL, 5050971204191425720ULL, 1882106174536634349ULL, 10470519970902046599ULL}},
        {"grid A", strandel::LineType::A, linegen::NetworkKind::Grid, 8000, {".gch", ".gst", ".gkn"},
         {6605022438757320501ULL, 9917159944403982469ULL, 9487173865477066180ULL, 13641175349136512072ULL}},
        {"random B", strandel::LineType::B, linegen::NetworkKind::Random, 30000, {".uc", ".ul", ".ucr", ".uk"},
         {15399815793944121744ULL, 11700440010003234755ULL, 11597058750417435270ULL, 10314554441400977512ULL,
          5934396605715903117ULL}},
        {"grid B", strandel::LineType::B, linegen::NetworkKind::Grid, 30000, {".uc", ".ul", ".ucr", ".uk"},
         {16582008058242063431ULL, 13163408983791006007ULL, 8005522322148861636ULL, 13413353272610583804ULL,
          4157885573510489166ULL}},
    };
    const fs::path folder = fs::temp_directory_path() / ("strandel-fingerprint-" + std::to_string(getpid()));
    fs::create_directories(folder);
    SetMessageBoxHandler(ignoreMessage);
    for (const FingerprintCase& c : cases) {
        SCOPED_TRACE(c.name);
        const linegen::NetworkOptions options{.kind = c.kind,
                                              .polylines = c.polylines,
                                              .noise = 0.3F,
                                              .dangling = 0.05,
                                              .rings = 0.03,
                                              .redundant = 0.05,
                                              .attributeOne = 0.05,
                                              .seed = 7};
        const fs::path header = folder / ("net" + c.outputExtensions.front());
        std::string error;
        ASSERT_TRUE(strandel::writeLineDataSet(header.string(), linegen::generateNetwork(c.type, options), error))
            << error;
        const fs::path log = folder / "net.log";
        int32_t knots = 0;
        ASSERT_EQ(ConnectPolylines(header.c_str(), 1.0F, &knots, log.c_str()), 1);

        std::vector<uint64_t> found;
        for (const std::string& extension : c.outputExtensions) {
            found.push_back(fingerprintOf(contentsOf(fs::path(header).replace_extension(extension))));
        }
        found.push_back(fingerprintOf(withoutFolder(contentsOf(log), folder.string() + "/")));
        ::testing::Message listed;
        for (const uint64_t fingerprint : found) {
            listed << fingerprint << "ULL, ";
        }
        EXPECT_EQ(found, c.fingerprints) << "fingerprints found: " << listed;
    }
    SetMessageBoxHandler(nullptr);
    fs::remove_all(folder);
}

} // namespace
