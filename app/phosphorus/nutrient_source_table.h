// The nutrient source coefficients read straight from NutrientSources.db
// (located through TableLocations.ini), afresh on every call. It serves the
// phosphorus rating until the nutrient source dialog, which owns these
// getters, takes over.
#pragma once

#include "phosphorus/nutrient_source_facts.h"
#include "tables/table_lookups.h"
#include "ui/dialogs.h"

#include <optional>

namespace verdalis::phosphorus {

class NutrientSourceTable : public NutrientSourceFacts {
public:
    // Neither is owned; both must outlive the reader.
    NutrientSourceTable(const TableLookups& lookups, ui::Dialogs& dialogs) : lookups_(lookups), dialogs_(dialogs) {}

    std::string GetFertilizerType(const std::string& name) override;
    double GetFertilizerP205(const std::string& name) override;
    double GetFertilizerSolubleP(const std::string& name) override;
    double GetFertilizerNonSolubleP(const std::string& name) override;
    double GetFertilizerSPAF(const std::string& name) override;
    double GetFertilizerNonSPAF(const std::string& name) override;
    double GetFertilizerP205Factor(const std::string& name, int methodId) override;

private:
    // The column of the source's row (an empty cell reads "0"), or nothing
    // when the table or the row is missing.
    std::optional<std::string> column(const std::string& name, std::string_view column);
    // A number column; -1 after the source name and the note when missing.
    double number(const std::string& name, std::string_view column, std::string_view note);

    const TableLookups& lookups_;
    ui::Dialogs& dialogs_;
};

} // namespace verdalis::phosphorus
