#include "phosphorus/nutrient_source_table.h"

#include "phosphorus/nutrient_texts.h"
#include "phosphorus/table_access.h"
#include "shell/reference_lists.h"
#include "util/case_insensitive_path.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

namespace verdalis::phosphorus {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view sourceTable = "NutrientSources.db";
constexpr std::string_view nameColumn = "Description";
constexpr double sourceNotFound = -1;
// The method whose P2O5 stays on the surface.
constexpr int surfaceAppliedMethod = 6;

} // namespace

std::string NutrientSourceTable::GetFertilizerType(const std::string& name)
{
    auto sources = openLocatedTable(lookups_, sourceTable);
    if (sources && sources->locate(nameColumn, name)) {
        return sources->field("Type").asText();
    }
    dialogs_.error(name + std::string(texts::typeNotFound));
    return std::string(kLookupError);
}

double NutrientSourceTable::sourceNumber(const std::string& name, std::string_view column,
                                         std::string_view notFoundNote)
{
    auto sources = openLocatedTable(lookups_, sourceTable);
    if (sources && sources->locate(nameColumn, name)) {
        return sources->field(column).asFloat();
    }
    dialogs_.error(name + std::string(notFoundNote));
    return sourceNotFound;
}

double NutrientSourceTable::GetFertilizerP205(const std::string& name)
{
    return sourceNumber(name, "lb_P2O5", texts::p2o5NotFound);
}

double NutrientSourceTable::GetFertilizerSolubleP(const std::string& name)
{
    return sourceNumber(name, "Soluble_P", texts::solublePNotFound);
}

double NutrientSourceTable::GetFertilizerNonSolubleP(const std::string& name)
{
    return sourceNumber(name, "NonSoluble_P", texts::nonSolublePNotFound);
}

double NutrientSourceTable::GetFertilizerSPAF(const std::string& name)
{
    return sourceNumber(name, "SPAF", texts::spafNotFound);
}

double NutrientSourceTable::GetFertilizerNonSPAF(const std::string& name)
{
    return sourceNumber(name, "NonSPAF", texts::nonSpafNotFound);
}

double NutrientSourceTable::GetFertilizerP205Factor(const std::string& name, int methodId)
{
    auto sources = openLocatedTable(lookups_, sourceTable);
    if (!sources || !sources->locate(nameColumn, name)) {
        return 0;
    }
    return sources->field(methodId == surfaceAppliedMethod ? "Surface Applied" : "Injected or Incorporated")
        .asFloat();
}

void GetCropStrings(const std::string& cropTablesDir, ui::Dialogs& dialogs, std::vector<std::string>& list)
{
    if (!fs::exists(resolveCaseInsensitive(cropTablesDir, "Crops.db"))) {
        dialogs.error(texts::cropTableMissing);
        return;
    }
    std::ranges::move(shell::readCropNames(cropTablesDir), std::back_inserter(list));
}

void GetCoverCropStrings(const std::string& cropTablesDir, std::vector<std::string>& list)
{
    if (fs::exists(resolveCaseInsensitive(cropTablesDir, "CoverCropTable.dbf"))) {
        std::ranges::move(shell::readCoverCropNames(cropTablesDir), std::back_inserter(list));
    }
}

} // namespace verdalis::phosphorus
