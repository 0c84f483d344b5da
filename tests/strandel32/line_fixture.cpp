#include "line_fixture.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace fixture {

namespace {

// Type A: ".GCH" header (996 bytes), ".gst" 128-byte polyline records with the first 6
// points at +80 and 16 points in each continuation record, ".gkn" 128-byte knots.
constexpr size_t kHeaderSizeA = 996;
constexpr size_t kRecordSizeA = 128;
constexpr size_t kKnotSizeA = 128;
// Type B: ".UC" header (884 bytes), ".ul" 104-byte records, ".ucr" points, ".uk" 132-byte knots.
constexpr size_t kHeaderSizeB = 884;
constexpr size_t kRecordSizeB = 104;
constexpr size_t kKnotSizeB = 132;

size_t continuationRecords(size_t points)
{
    return points <= 6 ? 0 : (points - 6 + 15) / 16;
}

} // namespace

std::vector<uint8_t> readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

int32_t int16At(const std::vector<uint8_t>& bytes, size_t offset)
{
    return static_cast<int16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

int32_t int32At(const std::vector<uint8_t>& bytes, size_t offset)
{
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) {
        value |= uint32_t{bytes.at(offset + i)} << (8 * i);
    }
    return static_cast<int32_t>(value);
}

float floatAt(const std::vector<uint8_t>& bytes, size_t offset)
{
    const auto bits = static_cast<uint32_t>(int32At(bytes, offset));
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

void putInt16(std::vector<uint8_t>& bytes, size_t offset, int32_t value)
{
    bytes.at(offset) = static_cast<uint8_t>(value);
    bytes.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

void putInt32(std::vector<uint8_t>& bytes, size_t offset, int32_t value)
{
    for (size_t i = 0; i < 4; ++i) {
        bytes.at(offset + i) = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
    }
}

void putFloat(std::vector<uint8_t>& bytes, size_t offset, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    putInt32(bytes, offset, static_cast<int32_t>(bits));
}

DataSet::DataSet(Type type, std::filesystem::path folder, std::string base)
    : type_(type), folder_(std::move(folder)), base_(std::move(base))
{
}

std::filesystem::path DataSet::header() const
{
    return component(type_ == Type::A ? ".GCH" : ".UC");
}

std::filesystem::path DataSet::component(const std::string& extension) const
{
    return folder_ / (base_ + extension);
}

void DataSet::write(const std::vector<Polyline>& polylines, float coordinateBound) const
{
    const auto count = static_cast<int32_t>(polylines.size());
    if (type_ == Type::A) {
        std::vector<uint8_t> records;
        int32_t lastFirstRecord = 0;
        for (const Polyline& line : polylines) {
            const size_t first = records.size() / kRecordSizeA + 1;
            const size_t used = 1 + continuationRecords(line.points.size());
            records.resize(records.size() + used * kRecordSizeA, 0);
            const size_t base = (first - 1) * kRecordSizeA;
            putInt16(records, base + 0, static_cast<int32_t>(first));
            putInt16(records, base + 2, static_cast<int32_t>(first + used));
            putInt16(records, base + 6, static_cast<int32_t>(line.points.size()));
            putInt16(records, base + 14, line.attribute);
            for (size_t i = 0; i < line.points.size(); ++i) {
                putFloat(records, base + 80 + 8 * i, line.points[i].first);
                putFloat(records, base + 84 + 8 * i, line.points[i].second);
            }
            lastFirstRecord = static_cast<int32_t>(first);
        }
        std::vector<uint8_t> head(kHeaderSizeA, 0);
        putInt16(head, 0, count);
        putInt16(head, 2, count);
        putInt16(head, 12, static_cast<int32_t>(records.size() / kRecordSizeA) + 1);
        putInt16(head, 14, lastFirstRecord);
        putFloat(head, 64, coordinateBound);
        writeBytes(header(), head);
        writeBytes(component(".gst"), records);
        return;
    }
    std::vector<uint8_t> records(polylines.size() * kRecordSizeB, 0);
    std::vector<uint8_t> points;
    for (size_t k = 0; k < polylines.size(); ++k) {
        const size_t base = k * kRecordSizeB;
        putInt32(records, base + 0, static_cast<int32_t>(k + 1));
        putInt32(records, base + 4, static_cast<int32_t>(polylines[k].points.size()));
        putInt32(records, base + 16, polylines[k].attribute);
        putInt32(records, base + 68, static_cast<int32_t>(points.size() / 8 + 1));
        for (const auto& [x, y] : polylines[k].points) {
            points.resize(points.size() + 8);
            putFloat(points, points.size() - 8, x);
            putFloat(points, points.size() - 4, y);
        }
    }
    std::vector<uint8_t> head(kHeaderSizeB, 0);
    putInt32(head, 0, count);
    putInt32(head, 4, count);
    putInt32(head, 24, count + 1);
    putInt32(head, 32, count);
    putFloat(head, 112, coordinateBound);
    writeBytes(header(), head);
    writeBytes(component(".ul"), records);
    writeBytes(component(".ucr"), points);
}

Header DataSet::readHeader() const
{
    const std::vector<uint8_t> head = readBytes(header());
    if (type_ == Type::A) {
        return {int16At(head, 0), int16At(head, 2), int16At(head, 4), int16At(head, 10)};
    }
    return {int32At(head, 0), int32At(head, 4), int32At(head, 8), int32At(head, 20)};
}

std::vector<WrittenPolyline> DataSet::readPolylines() const
{
    std::vector<WrittenPolyline> result;
    if (type_ == Type::A) {
        const std::vector<uint8_t> records = readBytes(component(".gst"));
        for (size_t first = 1; first * kRecordSizeA <= records.size();) {
            const size_t base = (first - 1) * kRecordSizeA;
            WrittenPolyline line{int16At(records, base), int16At(records, base + 6), int16At(records, base + 24),
                                 int16At(records, base + 26), int16At(records, base + 28), int16At(records, base + 30),
                                 {}};
            for (int32_t i = 0; i < line.pointCount; ++i) {
                line.points.emplace_back(floatAt(records, base + 80 + 8 * i), floatAt(records, base + 84 + 8 * i));
            }
            result.push_back(line);
            first = static_cast<size_t>(int16At(records, base + 2));
        }
        return result;
    }
    const std::vector<uint8_t> records = readBytes(component(".ul"));
    const std::vector<uint8_t> points = readBytes(component(".ucr"));
    for (size_t base = 0; base + kRecordSizeB <= records.size(); base += kRecordSizeB) {
        WrittenPolyline line{int32At(records, base), int32At(records, base + 4), int32At(records, base + 28),
                             int32At(records, base + 32), int32At(records, base + 36), int32At(records, base + 40),
                             {}};
        const size_t firstPoint = static_cast<size_t>(int32At(records, base + 68)) - 1;
        for (int32_t i = 0; i < line.pointCount; ++i) {
            line.points.emplace_back(floatAt(points, (firstPoint + i) * 8), floatAt(points, (firstPoint + i) * 8 + 4));
        }
        result.push_back(line);
    }
    return result;
}

std::vector<WrittenKnot> DataSet::readKnots() const
{
    std::vector<WrittenKnot> result;
    const bool a = type_ == Type::A;
    const std::vector<uint8_t> records = readBytes(component(a ? ".gkn" : ".uk"));
    const size_t size = a ? kKnotSizeA : kKnotSizeB;
    for (size_t base = 0; base + size <= records.size(); base += size) {
        WrittenKnot knot{a ? int16At(records, base) : int32At(records, base),
                         a ? int16At(records, base + 4) : int32At(records, base + 8),
                         floatAt(records, base + 16),
                         floatAt(records, base + 20),
                         {},
                         {}};
        for (int32_t i = 0; i < knot.endCount && i < 12; ++i) {
            knot.ends.push_back(a ? int16At(records, base + 40 + 2 * i) : int32At(records, base + 36 + 4 * i));
            knot.angles.push_back(floatAt(records, base + (a ? 64 : 84) + 4 * i));
        }
        result.push_back(knot);
    }
    return result;
}

} // namespace fixture
