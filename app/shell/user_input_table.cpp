#include "shell/user_input_table.h"

#include "tables/table.h"
#include "util/path_text.h"
#include "util/text_case.h"

#include <filesystem>
#include <stdexcept>

namespace verdalis::shell {

namespace {

inline constexpr std::string_view userTableExtension = ".dbf";

FieldDef text(std::string name, int size, bool required = false)
{
    return {std::move(name), FieldType::Text, size, 0, required};
}

FieldDef integer(std::string name)
{
    return {std::move(name), FieldType::Integer, 0, 0, false};
}

FieldDef number(std::string name)
{
    return {std::move(name), FieldType::Float, 0, 0, false};
}

} // namespace

const std::vector<FieldDef>& userInputColumns()
{
    static const std::vector<FieldDef> columns{
        text("RecordName", 80, true), text("ModeType", 15, true), text("PRODUCERID", 30), text("TRACTNUM", 30),
        text("FIELDNUM", 30), text("MappingUnt", 150, true), text("County", 50, true), integer("CalendarYR"),
        text("CROP_Zorv", 40), text("CROP_Tamb", 40), text("COVER_CROP", 10), number("FieldACRES"),
        integer("FieldSlope"), number("N_APP_RATE"), number("RYE"), text("BMPS", 80), text("BMPWidths", 80),
        number("ACRES_AFF"),
        // The nitrogen results.
        number("N_App_Acrs"), number("Exss_N_Acr"), number("Exss_N_Sur"), number("Exss_N_Sub"), number("N_Needed"),
        number("Util_NCrop"), number("NLostB4BMP"), number("NLostCrop"), number("NLostCvCrp"), number("NLostBMP"),
        number("TotalNLost"),
        // The phosphorus inputs.
        text("Tillage", 80), text("Tillage_N", 80), number("Soil_Loss"), text("RecSlopeDi", 40),
        number("PI_Surface"), number("PI_Subsoil"), number("WVRSurface"), number("WVRSubsoil"),
        // The packed nutrient texts.
        text("NutrientID", 80), text("NutrientLB", 80), text("ManureP2O5", 80), text("Pct_P2O5", 80),
        text("Pct_N", 80), text("AppMethod", 80),
        // Drainage and hydrology.
        text("DrainSystm", 4), integer("DrainSpacg"), integer("DrainDepth"), text("HydroCond", 8),
    };
    return columns;
}

std::string CreateNewUserInputTable(const std::string& directory, std::string_view name)
{
    std::string fileName(fileNamePart(name));
    const std::filesystem::path asPath(fileName);
    if (!asPath.has_extension()) {
        fileName += userTableExtension;
    } else if (toLowerAscii(asPath.extension().string()) != userTableExtension) {
        throw std::invalid_argument("A user table must be a dBASE table (" + std::string(userTableExtension)
                                    + "): " + fileName);
    }
    std::filesystem::create_directories(directory);
    Table::create(directory, fileName, TableType::Dbase, userInputColumns());
    return directory + "/" + fileName;
}

} // namespace verdalis::shell
