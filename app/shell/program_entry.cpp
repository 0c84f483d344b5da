#include "shell/program_entry.h"

#include "reports/information_tab_print.h"
#include "shell/shell_texts.h"

namespace verdalis::shell {

namespace {

// The Print buttons of the document tabs print whichever information tab is
// showing; the View Tables tab's own Print button prints its Table Info.
void wireInformationPrinting(ProgramWindows& windows, const ShellServices& services)
{
    TForm1& form = *windows.Form1;
    const reports::InformationTabs tabs{
        {form.control<ui::RichText>("ManualRE"), form.control<ui::Label>("PrintLBL")},
        {form.control<ui::RichText>("CreditsRE"), form.control<ui::Label>("PrintLBL2")},
        {form.control<ui::RichText>("SubwatershedsRE"), form.control<ui::Label>("PrintLBL3")},
        windows.viewTables->informationDocument(),
        {form.control<ui::RichText>("VersionChangesRE"), form.control<ui::Label>("PrintLBL5")},
    };
    auto& pages = form.control<ui::PageControl>("PageControl1");
    for (const char* printButton :
         {"ManualPrintBtn", "CreditsPrintBtn", "SubwatershedsPrintBtn", "VersionChangesPrintBtn"}) {
        form.control<ui::Button>(printButton).onClick = [tabs, &pages, &dialogs = services.dialogs,
                                                         &application = services.application] {
            const ui::TabSheet* active = pages.activePage();
            reports::PrintAboutBtnClick(active == nullptr ? std::string_view{} : active->caption(), tabs, dialogs,
                                        application);
        };
    }
}

} // namespace

ProgramWindows createProgramWindows(const ShellServices& services, const MainWindowParts& parts)
{
    services.application.setTitle(std::string(texts::applicationTitle));
    ProgramWindows windows;
    windows.dirs = std::make_unique<ProgramDirs>(programDirsOf(services.executablePath));
    windows.Form1 = std::make_unique<TForm1>(services, parts);
    windows.Form1->FormCreate();
    // The dialogs are created also when the program is about to end, as the
    // message loop ends only once they exist.
    windows.dialogs = createDialogForms(services, *windows.dirs);

    TForm1& form = *windows.Form1;
    windows.lookups = std::make_unique<TableLookups>(*windows.dirs, services.dialogs, services.batch);
    windows.viewTables = std::make_unique<reports::ViewTablesTab>(
        form.control<ui::TabSheet>("TS_ViewTables"), *windows.dialogs.ViewTableDlg, *windows.dialogs.PasswordDlg,
        *windows.lookups, services.dialogs, services.application);
    windows.reportCommands = std::make_unique<reports::ReportCommands>(
        *windows.dialogs.PrintResultsDlg, *windows.dialogs.PasswordDlg, form.control<ui::RichText>("CalcRichEdit"),
        services.batch, services.dialogs, services.application);
    form.control<ui::Button>("ViewResultsBtn").onClick = [commands = windows.reportCommands.get()] {
        commands->PrintBtnClick();
    };
    wireInformationPrinting(windows, services);
    windows.nutrientSources = std::make_unique<phosphorus::NutrientSourceTable>(*windows.lookups, services.dialogs);
    windows.tamb = std::make_unique<phosphorus::TambCalculation>(
        form, phosphorus::TambCalculation::Services{services.dialogs, services.batch, services.clock}, *windows.lookups,
        *windows.nutrientSources, *windows.dialogs.PrintResultsDlg);
    return windows;
}

} // namespace verdalis::shell
