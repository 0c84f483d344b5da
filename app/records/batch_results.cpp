#include "records/batch_results.h"

#include "tables/table.h"
#include "util/field_split.h"
#include "util/number_text.h"
#include "util/text_case.h"

#include <cmath>

namespace verdalis::records {

namespace {

enum class ValueKind { NitrogenAmount, ComponentRating, TotalRating };

struct ReportLabel {
    std::string_view label;
    std::string_view column;
    ValueKind kind;
};

// Tried in this order: "N_Needed (Field Acres)" before "N_Needed_Field",
// "Excess_N (Field Acres)" before the surface and subsurface parts.
constexpr ReportLabel reportLabels[] = {
    {"N_Applied (Field Acres)", "NApplied", ValueKind::NitrogenAmount},
    {"N_Needed (Field Acres)", "NNeeded", ValueKind::NitrogenAmount},
    {"Excess_N (Field Acres)", "ExcessN", ValueKind::NitrogenAmount},
    {"Excess_N_Surface", "ExcessNSur", ValueKind::NitrogenAmount},
    {"Excess_N_Subsurface", "ExcessNSub", ValueKind::NitrogenAmount},
    {"N_Needed_Field", "NNeededFld", ValueKind::NitrogenAmount},
    {"Utilized_N_Crop", "UtilNCrop", ValueKind::NitrogenAmount},
    {"N_Lost After Crop", "NLostCrop", ValueKind::NitrogenAmount},
    {"N_Lost Before BMP", "NLostB4BMP", ValueKind::NitrogenAmount},
    {"N_Lost_After_Cover_Crops", "NLostCCrop", ValueKind::NitrogenAmount},
    {"Total_N_Lost", "TotalNLost", ValueKind::NitrogenAmount},
    {"PARTICULATE P", "Part_P", ValueKind::ComponentRating},
    {"SOLUBLE P", "SOLUBLE_P", ValueKind::ComponentRating},
    {"LEACHATE P", "LEACHATE_P", ValueKind::ComponentRating},
    {"SOURCE P", "SOURCE_P", ValueKind::ComponentRating},
    {"TOTAL P RATING", "TOTAL_P", ValueKind::TotalRating},
};
inline constexpr std::string_view ratingWordColumn = "P_Rating";

FieldDef text(std::string name, int size)
{
    return {std::move(name), FieldType::Text, size, 0, false};
}

FieldDef number(std::string name)
{
    return {std::move(name), FieldType::Float, 0, 0, false};
}

FieldDef integer(std::string name)
{
    return {std::move(name), FieldType::Integer, 0, 0, false};
}

} // namespace

const std::vector<FieldDef>& batchResultColumns()
{
    static const std::vector<FieldDef> columns{
        text("RecordName", 55), text("Error", 150), text("Error_Dtld", 255), text("Zorv_Out", 5),
        number("NApplied"), number("NNeeded"), number("ExcessN"), number("ExcessNSur"), number("ExcessNSub"),
        number("NNeededFld"), number("UtilNCrop"), number("NLostCrop"), number("NLostB4BMP"), number("NLostCCrop"),
        number("TotalNLost"), text("Tamb_Out", 5), integer("Part_P"), integer("SOLUBLE_P"), integer("LEACHATE_P"),
        integer("SOURCE_P"), integer("TOTAL_P"), text("P_Rating", 7),
    };
    return columns;
}

void storeReportLine(std::string_view line, Table& results)
{
    for (const ReportLabel& label : reportLabels) {
        if (line.find(label.label) == std::string_view::npos) {
            continue;
        }
        const std::string value = GetField(line, 2, '=');
        const std::vector<std::string> words = SplitToList(value, ' ');
        const std::string firstWord = words.empty() ? std::string() : words[0];
        switch (label.kind) {
        case ValueKind::NitrogenAmount:
            results.field(label.column).setFloat(textToNumber(RemoveCommas(firstWord, false)));
            break;
        case ValueKind::ComponentRating: results.field(label.column).setInteger(textToInteger(value)); break;
        case ValueKind::TotalRating:
            results.field(label.column).setInteger(static_cast<int64_t>(std::nearbyint(textToNumber(firstWord))));
            results.field(ratingWordColumn)
                .setText(fitToColumn(results, ratingWordColumn, words.size() > 1 ? words[1] : std::string()));
            break;
        }
        return;
    }
}

std::string fitToColumn(const Table& table, std::string_view column, std::string_view text)
{
    for (size_t index = 0; index < table.fieldCount(); ++index) {
        const FieldDef& field = table.fieldDef(index);
        if (!equalsIgnoringCase(field.name, column) || text.size() <= static_cast<size_t>(field.size)) {
            continue;
        }
        size_t cut = static_cast<size_t>(field.size);
        // Never leave half of a UTF-8 sequence.
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        return std::string(text.substr(0, cut));
    }
    return std::string(text);
}

} // namespace verdalis::records
