#include "line_data_set_io.h"

#include "data_set_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace strandel {

namespace {

using Bytes = std::vector<uint8_t>;

bool readFile(const std::string& path, Bytes& bytes)
{
    std::ifstream in(resolveFile(path), std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool writeFile(const std::string& path, const Bytes& bytes, std::string& error)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

void storePoints(uint8_t* at, const std::vector<LinePoint>& points)
{
    for (const LinePoint& point : points) {
        storeFloat(at, point.x);
        storeFloat(at + 4, point.y);
        at += kPointSize;
    }
}

std::vector<LinePoint> loadPoints(const uint8_t* at, size_t count)
{
    std::vector<LinePoint> points(count);
    for (LinePoint& point : points) {
        point = {loadFloat(at), loadFloat(at + 4)};
        at += kPointSize;
    }
    return points;
}

void storeTopology(const PolylineLayout& layout, uint8_t* record, const LinePolyline& line)
{
    layout.attribute.store(record, line.attribute);
    layout.startKnot.store(record, line.startKnot);
    layout.endKnot.store(record, line.endKnot);
    layout.startLink.store(record, line.startLink);
    layout.endLink.store(record, line.endLink);
}

LinePolyline loadPolyline(const PolylineLayout& layout, const uint8_t* record)
{
    LinePolyline line;
    line.id = layout.id.load(record);
    line.attribute = layout.attribute.load(record);
    line.startKnot = layout.startKnot.load(record);
    line.endKnot = layout.endKnot.load(record);
    line.startLink = layout.startLink.load(record);
    line.endLink = layout.endLink.load(record);
    return line;
}

int32_t fieldLimit(IntField field)
{
    return field.width == 2 ? INT16_MAX : INT32_MAX;
}

} // namespace

bool writeLineDataSet(const std::string& headerPath, const LineDataSet& dataSet, std::string& error)
{
    const DataSetLayout& layout = layoutOf(dataSet.type);
    const PolylineLayout& polyline = layout.polyline;
    Bytes records;
    Bytes points;
    int64_t lastPolyline = 0;
    for (const LinePolyline& line : dataSet.polylines) {
        const int64_t first = static_cast<int64_t>(records.size() / polyline.recordSize) + 1;
        const int64_t used = dataSet.type == LineType::A
                                 ? 1 + polyline.continuationRecords(static_cast<int32_t>(line.points.size()))
                                 : 1;
        if (first + used > fieldLimit(polyline.id) || line.points.size() > size_t(fieldLimit(polyline.pointCount))) {
            error = "the data set does not fit the record numbers of its type";
            return false;
        }
        records.resize(records.size() + static_cast<size_t>(used) * polyline.recordSize, 0);
        uint8_t* record = records.data() + (first - 1) * polyline.recordSize;
        polyline.id.store(record, static_cast<int32_t>(first));
        polyline.pointCount.store(record, static_cast<int32_t>(line.points.size()));
        storeTopology(polyline, record, line);
        if (dataSet.type == LineType::A) {
            polyline.nextPolyline.store(record, static_cast<int32_t>(first + used));
            storePoints(record + polyline.pointsOffset, line.points);
        } else {
            polyline.firstPointRecord.store(record, static_cast<int32_t>(points.size() / kPointSize + 1));
            points.resize(points.size() + line.points.size() * kPointSize);
            storePoints(points.data() + points.size() - line.points.size() * kPointSize, line.points);
        }
        lastPolyline = first;
    }
    const HeaderLayout& head = layout.header;
    Bytes header(head.size, 0);
    head.polylineCount.store(header.data(), static_cast<int32_t>(dataSet.polylines.size()));
    head.validPolylines.store(header.data(), static_cast<int32_t>(dataSet.polylines.size()));
    head.polylineRecords.store(header.data(), static_cast<int32_t>(records.size() / polyline.recordSize + 1));
    head.lastPolyline.store(header.data(), static_cast<int32_t>(lastPolyline));
    storeFloat(header.data() + head.coordinateBound, dataSet.coordinateBound);
    return writeFile(headerPath, header, error) &&
           writeFile(withExtension(headerPath, layout.polylineExtension), records, error) &&
           (dataSet.type == LineType::A || writeFile(withExtension(headerPath, kPointExtension), points, error));
}

bool readLineDataSet(const std::string& headerPath, LineDataSet& dataSet, std::string& error)
{
    const auto type = lineTypeOfHeader(headerPath);
    if (!type) {
        error = "not a line data-set header (.gch or .uc): " + headerPath;
        return false;
    }
    const DataSetLayout& layout = layoutOf(*type);
    const PolylineLayout& polyline = layout.polyline;
    Bytes header, records, points, knots;
    if (!readFile(headerPath, header) || header.size() < layout.header.minimumSize() ||
        !readFile(withExtension(headerPath, layout.polylineExtension), records) ||
        (*type == LineType::B && !readFile(withExtension(headerPath, kPointExtension), points))) {
        error = "cannot read the data set " + headerPath;
        return false;
    }
    dataSet = {};
    dataSet.type = *type;
    dataSet.polylineCount = layout.header.polylineCount.load(header.data());
    dataSet.validPolylines = layout.header.validPolylines.load(header.data());
    dataSet.knotCount = layout.header.knotCount.load(header.data());
    dataSet.coordinateBound = loadFloat(header.data() + layout.header.coordinateBound);

    const size_t recordCount = records.size() / polyline.recordSize;
    for (size_t number = 1; number <= recordCount; ++number) {
        const uint8_t* record = records.data() + (number - 1) * polyline.recordSize;
        LinePolyline line = loadPolyline(polyline, record);
        if (static_cast<size_t>(std::abs(int64_t{line.id})) != number) {
            continue;  // a continuation record
        }
        const int64_t count = std::max(polyline.pointCount.load(record), 0);
        if (*type == LineType::A) {
            const size_t room = (recordCount - number + 1) * polyline.recordSize - polyline.pointsOffset;
            line.points = loadPoints(record + polyline.pointsOffset, std::min<size_t>(count, room / kPointSize));
        } else {
            const int64_t first = polyline.firstPointRecord.load(record) - 1;
            const int64_t available = static_cast<int64_t>(points.size() / kPointSize);
            if (first >= 0 && first < available) {
                line.points = loadPoints(points.data() + first * kPointSize,
                                         static_cast<size_t>(std::min(count, available - first)));
            }
        }
        dataSet.polylines.push_back(std::move(line));
    }

    const KnotLayout& knot = layout.knot;
    if (readFile(withExtension(headerPath, layout.knotExtension), knots)) {
        for (size_t at = 0; at + knot.recordSize <= knots.size(); at += knot.recordSize) {
            const uint8_t* record = knots.data() + at;
            LineKnot read;
            read.number = knot.number.load(record);
            read.position = {loadFloat(record + knot.x), loadFloat(record + knot.y)};
            const int32_t ends = std::clamp(knot.endCount.load(record), 0, kMaxEndsPerKnot);
            for (int32_t i = 0; i < ends; ++i) {
                read.ends.push_back(knot.firstEnd.element(static_cast<uint32_t>(i)).load(record));
                read.angles.push_back(loadFloat(record + knot.angles + 4 * i));
            }
            dataSet.knots.push_back(std::move(read));
        }
    }
    return true;
}

} // namespace strandel
