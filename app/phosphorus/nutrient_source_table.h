// The nutrient source table's coefficients of one source, read afresh on
// every call, and the crop and cover crop names the dialog serves.
#pragma once

#include "phosphorus/nutrient_source_facts.h"
#include "tables/table_lookups.h"

#include <string>
#include <vector>

namespace verdalis::phosphorus {

class NutrientSourceTable : public NutrientSourceFacts {
public:
    NutrientSourceTable(const TableLookups& lookups, ui::Dialogs& dialogs) : lookups_(lookups), dialogs_(dialogs) {}

    std::string GetFertilizerType(const std::string& name) override;
    double GetFertilizerP205(const std::string& name) override;
    double GetFertilizerSolubleP(const std::string& name) override;
    double GetFertilizerNonSolubleP(const std::string& name) override;
    double GetFertilizerSPAF(const std::string& name) override;
    double GetFertilizerNonSPAF(const std::string& name) override;
    double GetFertilizerP205Factor(const std::string& name, int methodId) override;

private:
    // The column of the named source; -1 after the source's name and the
    // note when the table lacks it.
    double sourceNumber(const std::string& name, std::string_view column, std::string_view notFoundNote);

    const TableLookups& lookups_;
    ui::Dialogs& dialogs_;
};

// The lists take every row of their tables, however many there are.
// Appends every Harlwig_Crop_Name of Crops.db in the folder; "Cannot locate
// Crops.db" when it is missing.
void GetCropStrings(const std::string& cropTablesDir, ui::Dialogs& dialogs, std::vector<std::string>& list);
// Appends every Crop of CoverCropTable.dbf in the folder; nothing when it is missing.
void GetCoverCropStrings(const std::string& cropTablesDir, std::vector<std::string>& list);

} // namespace verdalis::phosphorus
