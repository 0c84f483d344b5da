// The program entry: the application's title, the main window (whose
// creation handler runs at once) and then the dialogs, in that order; then
// the main window's report commands and View Tables tab on those dialogs.
#pragma once

#include "inputs/input_changes.h"
#include "nitrogen/calculate_zorv.h"
#include "nitrogen/nitrogen_factor_lookups.h"
#include "phosphorus/bmp_choice.h"
#include "phosphorus/expert_entry.h"
#include "phosphorus/hydrology_inputs.h"
#include "phosphorus/nutrient_applications.h"
#include "phosphorus/soil_inputs.h"
#include "records/list_processing.h"
#include "records/record_table.h"
#include "phosphorus/calculate_tamb.h"
#include "reports/report_commands.h"
#include "reports/view_tables_tab.h"
#include "shell/program_forms.h"
#include "tables/table_lookups.h"

namespace verdalis::shell {

struct ProgramWindows {
    // The folders of the running program, which the table viewer and the
    // View Tables tab find their tables and passwords in.
    std::unique_ptr<ProgramDirs> dirs;
    std::unique_ptr<TForm1> Form1;
    DialogForms dialogs;
    std::unique_ptr<TableLookups> lookups;
    std::unique_ptr<reports::ViewTablesTab> viewTables;
    std::unique_ptr<reports::ReportCommands> reportCommands;
    // The phosphorus crop, tillage, drainage and condition inputs, which the
    // crop and map unit changes hand over to.
    std::unique_ptr<phosphorus::HydrologyInputs> hydrology;
    std::unique_ptr<phosphorus::SoilInputs> soilInputs;
    std::unique_ptr<phosphorus::ExpertEntry> expertEntry;
    // The nutrient sources; record loading writes saved sources back through it.
    std::unique_ptr<phosphorus::NutrientApplications> nutrientApplications;
    std::unique_ptr<inputs::InputChanges> inputChanges;
    std::unique_ptr<nitrogen::NitrogenFactorLookups> nitrogenFactors;
    std::unique_ptr<phosphorus::BmpChoice> bmpChoice;
    std::unique_ptr<nitrogen::ZorvCalculation> zorv;
    // What record loading hands the saved BMP and nutrient texts to.
    std::unique_ptr<records::RecordLoadParts> recordLoading;
    // The user table in the record grid, and the list runs on it.
    std::unique_ptr<records::RecordTable> records;
    std::unique_ptr<records::ListProcessing> listProcessing;
    // The phosphorus rating.
    std::unique_ptr<phosphorus::TambCalculation> tamb;
};

ProgramWindows createProgramWindows(const ShellServices& services, const MainWindowParts& parts);

} // namespace verdalis::shell
