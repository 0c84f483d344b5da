// Byte layouts of the two line data-set types and of the work records.
//
// Type A: header ".gch" (996 bytes), polylines ".gst" (128-byte records, points inside
// the records, continuation records for long lines), knots ".gkn" (128 bytes).
// Type B: header ".uc" (884 bytes), polylines ".ul" (104 bytes), points ".ucr"
// (8 bytes each), knots ".uk" (132 bytes). Everything little-endian.
#pragma once

#include "little_endian.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace strandel {

enum class LineType { A, B };

// A signed integer field: int16 or int32 at a byte offset. Width 0: the type has no such field.
struct IntField {
    uint32_t offset;
    uint32_t width;

    int32_t load(const uint8_t* record) const
    {
        return width == 2 ? loadInt16(record + offset) : loadInt32(record + offset);
    }
    void store(uint8_t* record, int32_t value) const
    {
        if (width == 2) {
            storeInt16(record + offset, value);
        } else {
            storeInt32(record + offset, value);
        }
    }
    // Element index of an array of such fields starting here.
    IntField element(uint32_t index) const { return {offset + index * width, width}; }
};

struct HeaderLayout {
    uint32_t size;              // bytes read and written
    IntField polylineCount;     // sizes the work files
    IntField validPolylines;    // decremented for each polyline deleted
    IntField knotCount;
    IntField knotCountPlusOne;
    IntField polylineRecords;   // records in the polyline file
    IntField lastPolyline;      // record number of the last polyline
    uint32_t coordinateBound;   // float
    // A shorter header lacks fields the joining reads or writes.
    uint32_t minimumSize() const { return coordinateBound + 4; }
};

struct PolylineLayout {
    uint32_t recordSize;
    IntField id;                // +- own record number; negative: deleted
    IntField nextPolyline;      // type A only
    IntField pointCount;
    IntField attribute;         // 1 or more: not linked around knots
    IntField startKnot;
    IntField endKnot;
    IntField startLink;
    IntField endLink;
    IntField firstPointRecord;  // type B only: first point in the point file
    uint32_t pointsOffset;      // type A: points from here on, contiguous over continuation records
    uint32_t pointsInFirstRecord;
    uint32_t pointsPerContinuation;

    // Records a type A polyline of n points occupies after its first one.
    int32_t continuationRecords(int32_t points) const
    {
        const auto extra = static_cast<int64_t>(points) - pointsInFirstRecord;
        return extra <= 0 ? 0 : static_cast<int32_t>((extra + pointsPerContinuation - 1) / pointsPerContinuation);
    }
};

struct KnotLayout {
    uint32_t recordSize;
    IntField number;
    IntField endCount;
    uint32_t x;
    uint32_t y;
    IntField firstEnd;          // 12 ends of this width from here
    uint32_t angles;            // floats, the first endCount used
};

struct DataSetLayout {
    LineType type;
    std::string_view headerExtension;
    std::string_view polylineExtension;
    std::string_view knotExtension;
    HeaderLayout header;
    PolylineLayout polyline;
    KnotLayout knot;
    // The two types' log lines differ in two places.
    std::string_view penultimateLineEnd;
    std::string_view duplicateAngleEvent;
};

inline constexpr int kMaxEndsPerKnot = 12;
inline constexpr uint32_t kPointSize = 8;   // float x, float y
inline constexpr std::string_view kPointExtension = ".ucr";
inline constexpr std::string_view kEndExtension = ".end";
inline constexpr std::string_view kExtentExtension = ".ext";

const DataSetLayout& layoutOf(LineType type);

// The data-set type of a header file name, told by its extension in any letter case.
std::optional<LineType> lineTypeOfHeader(std::string_view name);

// End-point record (".end"), two per polyline.
namespace end_record {
inline constexpr uint32_t kSize = 16;
inline constexpr uint32_t kExtentReference = 0;  // int32: +extent for the first point, -extent for the last
inline constexpr uint32_t kX = 4;
inline constexpr uint32_t kY = 8;
inline constexpr uint32_t kUsed = 12;            // byte
} // namespace end_record

// Polyline-extent record (".ext"), one per polyline that survives the first pass.
namespace extent_record {
inline constexpr uint32_t kSize = 56;
inline constexpr uint32_t kPolylineId = 0;
inline constexpr uint32_t kAttribute = 4;
inline constexpr uint32_t kStartKnot = 8;
inline constexpr uint32_t kEndKnot = 12;
inline constexpr uint32_t kStartLink = 16;
inline constexpr uint32_t kEndLink = 20;
inline constexpr uint32_t kFirstPoint = 24;      // x, y floats each
inline constexpr uint32_t kSecondPoint = 32;
inline constexpr uint32_t kPenultimatePoint = 40;
inline constexpr uint32_t kLastPoint = 48;
} // namespace extent_record

} // namespace strandel
