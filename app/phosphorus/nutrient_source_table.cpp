#include "phosphorus/nutrient_source_table.h"

#include "tables/table.h"
#include "util/number_text.h"

#include <filesystem>

namespace verdalis::phosphorus {

namespace {

inline constexpr std::string_view tableName = "NutrientSources.db";
inline constexpr double missingSource = -1;
inline constexpr int surfaceAppliedId = 6;

} // namespace

std::optional<std::string> NutrientSourceTable::column(const std::string& name, std::string_view columnName)
{
    const std::string location = lookups_.GetTableLocation(tableName);
    if (location == kLookupError) {
        return std::nullopt;
    }
    const std::filesystem::path path(location);
    Table table;
    table.setReadOnly(true);
    table.open(path.parent_path(), path.filename().string());
    if (!table.hasField(columnName) || !table.locate("Description", name)) {
        return std::nullopt;
    }
    const std::string text = table.field(columnName).asText();
    return text.empty() ? std::string("0") : text;
}

double NutrientSourceTable::number(const std::string& name, std::string_view columnName, std::string_view note)
{
    const std::optional<std::string> text = column(name, columnName);
    if (!text) {
        dialogs_.showMessage(name + std::string(note));
        return missingSource;
    }
    return textToNumber(*text);
}

std::string NutrientSourceTable::GetFertilizerType(const std::string& name)
{
    const std::optional<std::string> type = column(name, "Type");
    if (!type) {
        dialogs_.showMessage(name + "     Type not found in NutrientSources.DB table");
        return std::string(kLookupError);
    }
    return *type;
}

double NutrientSourceTable::GetFertilizerP205(const std::string& name)
{
    return number(name, "lb_P2O5", "    P2O5 not found in NutrientSources.DB table");
}

double NutrientSourceTable::GetFertilizerSolubleP(const std::string& name)
{
    return number(name, "Soluble_P", "     Fert Soluble P not found in NutrientSources.DB table");
}

double NutrientSourceTable::GetFertilizerNonSolubleP(const std::string& name)
{
    return number(name, "NonSoluble_P", "     Fert NonSoluble P not found in NutrientSources.DB table");
}

double NutrientSourceTable::GetFertilizerSPAF(const std::string& name)
{
    return number(name, "SPAF", "     Fert SPAF not found in NutrientSources.DB table");
}

double NutrientSourceTable::GetFertilizerNonSPAF(const std::string& name)
{
    return number(name, "NonSPAF", "     Fert Non SPAF not found in NutrientSources.DB table");
}

double NutrientSourceTable::GetFertilizerP205Factor(const std::string& name, int methodId)
{
    const std::optional<std::string> factor =
        column(name, methodId == surfaceAppliedId ? "Surface Applied" : "Injected or Incorporated");
    return factor ? textToNumber(*factor) : 0;
}

} // namespace verdalis::phosphorus
