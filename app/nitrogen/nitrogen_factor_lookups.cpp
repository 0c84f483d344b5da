#include "nitrogen/nitrogen_factor_lookups.h"

#include "tables/table.h"
#include "util/case_insensitive_path.h"
#include "util/number_text.h"
#include "util/text_case.h"
#include "util/text_trim.h"

#include <array>
#include <filesystem>

namespace verdalis::nitrogen {

namespace fs = std::filesystem;

struct NitrogenFactorLookups::FactorWalk {
    // The column of Crops.db that names the crop's column of the yields table.
    std::string_view listingColumn;
    std::string_view listingName;
    std::string_view noTable;
    std::string_view mapUnitHeading;
    std::string_view locationKeyArrow;
    std::string_view columnTable;
    std::string_view fallbackText;
    float fallback;
    bool collectInBatch;
    bool reducedBySlope;
};

namespace {

using ui::MessageKind;

inline constexpr std::string_view yieldsTable = "Yields_And_N_Factors.db";
inline constexpr float noCropTable = -1;
inline constexpr std::string_view noCropTableText = "Cannot locate Crops.db";
inline constexpr std::string_view invalidSlope = "Invalid Field Slope Entered";
inline constexpr int notAWholeNumber = -1;

inline constexpr std::string_view bmpKind = "bmp";
inline constexpr std::string_view coverCropKind = "covercrop";
inline constexpr float percent = 100;
// Every BMP of an assessment with a BMP of this identifier takes its row.
inline constexpr std::string_view sharedBmpId = "3";
// Buffers narrower than this earn no reduction.
inline constexpr int narrowestBuffer = 20;
// Identifier "2" is looked up at this width when an identifier "1" buffer
// of at least the narrowest width is there too.
inline constexpr int combinedBufferWidth = 50;

struct SlopeClass {
    int steepest;
    float factor;
};
inline constexpr std::array<SlopeClass, 6> slopeClasses{
    {{2, 1.0f}, {4, 0.98f}, {6, 0.95f}, {8, 0.92f}, {10, 0.87f}, {15, 0.8f}}};
inline constexpr float steepSlopeFactor = 0.7f;

inline constexpr std::array<int, 5> bufferClasses{100, 70, 50, 30, 20};

std::string defaultNote(std::string_view value, bool capitals)
{
    return std::string(capitals ? "A Default Value of " : "A default value of ") + std::string(value) +
           " will be used.";
}

} // namespace

std::optional<float> slopeFactor(int slopePercent)
{
    if (slopePercent < 0) {
        return std::nullopt;
    }
    for (const SlopeClass& slopeClass : slopeClasses) {
        if (slopePercent <= slopeClass.steepest) {
            return slopeClass.factor;
        }
    }
    return steepSlopeFactor;
}

std::optional<int> bufferWidthClass(int widthFeet)
{
    for (int widthClass : bufferClasses) {
        if (widthFeet >= widthClass) {
            return widthClass;
        }
    }
    return std::nullopt;
}

float NitrogenFactorLookups::getRYE(const std::string& cropName)
{
    static const FactorWalk yield{"RYE_CropName",
                                  "RYE",
                                  "No RYETable found.\nA Default Value of 0.0 will be used.",
                                  "Error Getting RYE.",
                                  "LKEY--?",
                                  "RYE_NFactor",
                                  "0.0",
                                  0.0f,
                                  true,
                                  true};
    return walk(yield, cropName);
}

float NitrogenFactorLookups::getNFactor(const std::string& cropName)
{
    static const FactorWalk nFactor{"NFactor_CropName",
                                    "NFactor",
                                    "No NFactor Table found.\nA Default Value of 1.0 will be used.",
                                    "Error getting NFactor",
                                    "LKey-->",
                                    "Yields_And_N_Factors",
                                    "1.0",
                                    1.0f,
                                    false,
                                    false};
    return walk(nFactor, cropName);
}

float NitrogenFactorLookups::walk(const FactorWalk& factor, const std::string& cropName)
{
    const fs::path cropTable = resolvePathCaseInsensitive(dirs_.CropTablesDir / "Crops.db");
    if (!fs::exists(cropTable)) {
        report(MessageKind::Error, std::string(noCropTableText), factor.collectInBatch);
        return noCropTable;
    }
    std::string column;
    {
        Table crops;
        crops.open(cropTable.parent_path(), cropTable.filename().string());
        if (!crops.locate("Harlwig_Crop_Name", cropName)) {
            report(MessageKind::Error,
                   "This Crop Name: " + cropName + "\nDoes Not Exist\n" + defaultNote(factor.fallbackText, false),
                   factor.collectInBatch);
            return factor.fallback;
        }
        if (crops.hasField(factor.listingColumn)) {
            column = std::string(trimText(crops.field(factor.listingColumn).asText()));
        }
    }
    if (column.empty()) {
        report(MessageKind::Error,
               "There is no " + std::string(factor.listingName) + " listing for " + cropName +
                   " in the RYE_NFactor table.\n" + defaultNote(factor.fallbackText, false),
               factor.collectInBatch);
        return factor.fallback;
    }
    const std::optional<double> value = mapUnitValue(factor, column);
    if (!value) {
        return factor.fallback;
    }
    if (!factor.reducedBySlope) {
        return static_cast<float>(*value);
    }
    int32_t slope = notAWholeNumber;
    if (!tryTextToInteger(fieldSlope_.text(), slope)) {
        slope = notAWholeNumber;
    }
    const std::optional<float> reduction = slopeFactor(slope);
    if (!reduction) {
        report(MessageKind::Error, std::string(invalidSlope), factor.collectInBatch);
        return 0;
    }
    return static_cast<float>(*value) * *reduction;
}

std::optional<double> NitrogenFactorLookups::mapUnitValue(const FactorWalk& factor, const std::string& column)
{
    const fs::path yields = resolveCaseInsensitive(dirs_.UserTablesDir, yieldsTable);
    if (!fs::exists(yields)) {
        // Shown only outside a batch run, by both walks.
        report(MessageKind::Warning, std::string(factor.noTable), false);
        return std::nullopt;
    }
    const std::string& symbol = record_.mapUnit.MUSYM;
    const std::string& locationKey = record_.county.LKey;
    Table table;
    table.open(yields.parent_path(), yields.filename().string());
    if (!table.locate("LKey;MUSYM", std::vector<std::string>{locationKey, symbol})) {
        report(MessageKind::Warning,
               std::string(factor.mapUnitHeading) + "\nMUSYM-->" + symbol + "\n" +
                   std::string(factor.locationKeyArrow) + locationKey +
                   "\n not found in Yields_And_N_Factors table\n" + defaultNote(factor.fallbackText, true),
               factor.collectInBatch);
        return std::nullopt;
    }
    if (!table.hasField(column)) {
        report(MessageKind::Warning,
               "Could not Find " + column + " in " + std::string(factor.columnTable) + " table\n" +
                   defaultNote(factor.fallbackText, true),
               factor.collectInBatch);
        return std::nullopt;
    }
    return table.field(column).asFloat();
}

void NitrogenFactorLookups::report(ui::MessageKind kind, const std::string& text, bool collectInBatch)
{
    if (!batch_.BatchRunning) {
        dialogs_.message(kind, text, ui::MessageButtons::Ok);
    } else if (collectInBatch) {
        batch_.BatchMessage = text;
        batch_.BatchMessagePending = true;
    }
}

float NitrogenFactorLookups::getNReduction(const std::string& kind, const std::string& identifier,
                                           const std::string& width)
{
    const std::string lowerKind = toLowerAscii(kind);
    std::string value;
    if (lowerKind == coverCropKind) {
        value = lookups_.GetTableValue("CoverCroptable.dbf", "NReduction", "Crop", identifier);
    } else if (lowerKind != bmpKind) {
        return 0;
    } else if ((identifier != "1" && identifier != "2") || record_.bmp.BMPID3Present) {
        value = lookups_.GetTableValue("BMP_N_Factors.db", "NReduction", "BMP_ID", sharedBmpId);
    } else {
        value = bufferReduction(identifier, width);
    }
    if (value == kLookupError) {
        value = "0";
    }
    return static_cast<float>(textToNumber(value) / percent);
}

std::string NitrogenFactorLookups::bufferReduction(std::string identifier, const std::string& widthText)
{
    const shell::BmpValues& bmp = record_.bmp;
    int width = textToInteger(widthText);
    if (identifier == "1") {
        if (bmp.BufferID2Present && bmp.BufferID2Width >= narrowestBuffer) {
            identifier = "2";
            width = bmp.BufferID2Width;
        } else {
            const std::optional<int> widthClass = bufferWidthClass(width);
            if (!widthClass) {
                return "0";
            }
            width = *widthClass;
        }
    }
    const bool wideFirstBuffer = bmp.BufferID1Present && bmp.BufferID1Width >= narrowestBuffer;
    if (identifier == "2") {
        if (width >= narrowestBuffer) {
            width = wideFirstBuffer ? combinedBufferWidth : narrowestBuffer;
        } else if (!bmp.BufferID1Present) {
            return "0";
        }
    }
    return lookups_.GetTableValue("BMP_N_Factors.db", "NReduction", "BMP_ID", identifier, "N_MinBufferWidth",
                                  std::to_string(width));
}

} // namespace verdalis::nitrogen
