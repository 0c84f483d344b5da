// The program entry: the application's title, the main window (whose
// creation handler runs at once) and then the dialogs, in that order; then
// the main window's report commands and View Tables tab on those dialogs.
#pragma once

#include "phosphorus/calculate_tamb.h"
#include "phosphorus/nutrient_source_table.h"
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
    // The phosphorus rating and the source coefficients it reads.
    std::unique_ptr<phosphorus::NutrientSourceTable> nutrientSources;
    std::unique_ptr<phosphorus::TambCalculation> tamb;
};

ProgramWindows createProgramWindows(const ShellServices& services, const MainWindowParts& parts);

} // namespace verdalis::shell
