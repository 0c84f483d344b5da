#include "data_set_layout.h"

#include <cctype>

namespace strandel {

namespace {

constexpr IntField kNone{0, 0};

constexpr DataSetLayout kTypeA{
    .type = LineType::A,
    .headerExtension = ".gch",
    .polylineExtension = ".gst",
    .knotExtension = ".gkn",
    .header = {.size = 996,
               .polylineCount = {0, 2},
               .validPolylines = {2, 2},
               .knotCount = {4, 2},
               .knotCountPlusOne = {10, 2},
               .polylineRecords = {12, 2},
               .lastPolyline = {14, 2},
               .coordinateBound = 64},
    .polyline = {.recordSize = 128,
                 .id = {0, 2},
                 .nextPolyline = {2, 2},
                 .pointCount = {6, 2},
                 .attribute = {14, 2},
                 .startKnot = {24, 2},
                 .endKnot = {26, 2},
                 .startLink = {28, 2},
                 .endLink = {30, 2},
                 .firstPointRecord = kNone,
                 .pointsOffset = 80,
                 .pointsInFirstRecord = 6,
                 .pointsPerContinuation = 16},
    .knot = {.recordSize = 128, .number = {0, 2}, .endCount = {4, 2}, .x = 16, .y = 20, .firstEnd = {40, 2}, .angles = 64},
    .penultimateLineEnd = " \n",
    .duplicateAngleEvent = ", Duplicate Exit Angle.",
};

constexpr DataSetLayout kTypeB{
    .type = LineType::B,
    .headerExtension = ".uc",
    .polylineExtension = ".ul",
    .knotExtension = ".uk",
    .header = {.size = 884,
               .polylineCount = {0, 4},
               .validPolylines = {4, 4},
               .knotCount = {8, 4},
               .knotCountPlusOne = {20, 4},
               .polylineRecords = {24, 4},
               .lastPolyline = {32, 4},
               .coordinateBound = 112},
    .polyline = {.recordSize = 104,
                 .id = {0, 4},
                 .nextPolyline = kNone,
                 .pointCount = {4, 4},
                 .attribute = {16, 4},
                 .startKnot = {28, 4},
                 .endKnot = {32, 4},
                 .startLink = {36, 4},
                 .endLink = {40, 4},
                 .firstPointRecord = {68, 4},
                 .pointsOffset = 0,
                 .pointsInFirstRecord = 0,
                 .pointsPerContinuation = 0},
    .knot = {.recordSize = 132, .number = {0, 4}, .endCount = {8, 4}, .x = 16, .y = 20, .firstEnd = {36, 4}, .angles = 84},
    .penultimateLineEnd = "\n",
    .duplicateAngleEvent = ",  Duplicate Exit Angle.",
};

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix)
{
    if (text.size() < suffix.size()) {
        return false;
    }
    const auto tail = text.substr(text.size() - suffix.size());
    for (size_t i = 0; i < suffix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(tail[i])) != std::tolower(static_cast<unsigned char>(suffix[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

const DataSetLayout& layoutOf(LineType type)
{
    return type == LineType::A ? kTypeA : kTypeB;
}

std::optional<LineType> lineTypeOfHeader(std::string_view name)
{
    for (const DataSetLayout* layout : {&kTypeA, &kTypeB}) {
        if (endsWithIgnoringCase(name, layout->headerExtension)) {
            return layout->type;
        }
    }
    return std::nullopt;
}

} // namespace strandel
