// The program entry: the application's title, the main window (whose
// creation handler runs at once) and then the dialogs, in that order; then
// the main window's report commands and View Tables tab on those dialogs.
#pragma once

#include "nitrogen/calculate_zorv.h"
#include "phosphorus/bmp_choice.h"
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
    std::unique_ptr<phosphorus::BmpChoice> bmpChoice;
    // The crop factors the nitrogen method reads.
    std::unique_ptr<nitrogen::NitrogenFactors> nitrogenFactors;
    std::unique_ptr<nitrogen::ZorvCalculation> zorv;
};

ProgramWindows createProgramWindows(const ShellServices& services, const MainWindowParts& parts);

} // namespace verdalis::shell
