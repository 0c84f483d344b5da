// Small line data sets built byte by byte from the documented layouts, written to a
// scratch folder, and readers of the files ConnectPolylines leaves behind.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace fixture {

enum class Type { A, B };

struct Polyline {
    std::vector<std::pair<float, float>> points;
    int32_t attribute = 0;
};

struct WrittenPolyline {
    int32_t id;
    int32_t pointCount;
    int32_t startKnot;
    int32_t endKnot;
    int32_t startLink;
    int32_t endLink;
    std::vector<std::pair<float, float>> points;
};

struct WrittenKnot {
    int32_t number;
    int32_t endCount;
    float x;
    float y;
    std::vector<int32_t> ends;
    std::vector<float> angles;
};

struct Header {
    int32_t polylineCount;
    int32_t validPolylines;
    int32_t knotCount;
    int32_t knotCountPlusOne;
};

std::vector<uint8_t> readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

int32_t int16At(const std::vector<uint8_t>& bytes, size_t offset);
int32_t int32At(const std::vector<uint8_t>& bytes, size_t offset);
float floatAt(const std::vector<uint8_t>& bytes, size_t offset);
void putInt16(std::vector<uint8_t>& bytes, size_t offset, int32_t value);
void putInt32(std::vector<uint8_t>& bytes, size_t offset, int32_t value);
void putFloat(std::vector<uint8_t>& bytes, size_t offset, float value);

// A data set "<folder>/<base><header extension>" with the given polylines.
class DataSet {
public:
    DataSet(Type type, std::filesystem::path folder, std::string base);

    // Writes header and polyline (and point) files. coordinateBound goes to the header.
    void write(const std::vector<Polyline>& polylines, float coordinateBound = 1000.0F) const;

    std::filesystem::path header() const;
    std::filesystem::path component(const std::string& extension) const;

    Header readHeader() const;
    std::vector<WrittenPolyline> readPolylines() const;  // in file order, deleted ones included
    std::vector<WrittenKnot> readKnots() const;

    Type type() const { return type_; }

private:
    Type type_;
    std::filesystem::path folder_;
    std::string base_;
};

} // namespace fixture
