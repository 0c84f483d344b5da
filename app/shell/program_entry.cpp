#include "shell/program_entry.h"

#include "reports/information_tab_print.h"
#include "shell/shell_texts.h"

namespace verdalis::shell {

namespace {

// View/Print Detailed Calculations reruns CALCULATE with the detail switch on.
class CalculateButton : public reports::CalculationDriver {
public:
    explicit CalculateButton(TForm1& form) : form_(form) {}
    void runCalculation() override { form_.CalculateBtnClick(); }

private:
    TForm1& form_;
};

// Record loading hands the saved BMP and nutrient texts to the BMP and
// nutrient dialogs.
class SavedChoicesLoader : public records::RecordLoadParts {
public:
    SavedChoicesLoader(phosphorus::BmpChoice& bmps, phosphorus::NutrientApplications& nutrients,
                       phosphorus::HydrologyInputs& hydrology)
        : bmps_(bmps), nutrients_(nutrients), hydrology_(hydrology)
    {
    }
    void loadBMPs(const std::string& BMPs, const std::string& BMPWidths, const std::string& acresAffected) override
    {
        bmps_.loadSavedBMPs(BMPs, BMPWidths, acresAffected);
    }
    bool loadNutrients(const records::NutrientTexts& texts) override { return nutrients_.loadSavedSources(texts); }
    void loadingRecord(bool loading, const std::string& savedHydroCond) override
    {
        hydrology_.setRecordLoading(loading, savedHydroCond);
    }

private:
    phosphorus::BmpChoice& bmps_;
    phosphorus::NutrientApplications& nutrients_;
    phosphorus::HydrologyInputs& hydrology_;
};

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

void wirePhosphorusInputs(ProgramWindows& windows, const ShellServices& services)
{
    TForm1& form = *windows.Form1;
    windows.hydrology = std::make_unique<phosphorus::HydrologyInputs>(form, services.application, services.dialogs,
                                                                      services.batch, *windows.lookups);
    windows.soilInputs = std::make_unique<phosphorus::SoilInputs>(form, services.application, services.dialogs);
    windows.expertEntry = std::make_unique<phosphorus::ExpertEntry>(
        form, *windows.dialogs.PasswordDlg, *windows.dialogs.UserEntryDlg, services.application, services.dialogs);
    windows.nutrientApplications = std::make_unique<phosphorus::NutrientApplications>(
        form, *windows.dialogs.EnterInfoDlg, services.application, services.dialogs);
}

void wireInputChoices(ProgramWindows& windows, const ShellServices& services)
{
    TForm1& form = *windows.Form1;
    windows.inputChanges = std::make_unique<inputs::InputChanges>(
        form, services.dialogs, services.application, services.batch, *windows.lookups, *windows.hydrology);
    windows.nitrogenFactors = std::make_unique<nitrogen::NitrogenFactorLookups>(
        *windows.dirs, form.record, form.control<ui::Edit>("SlopeED"), *windows.lookups, services.dialogs,
        services.batch);
}

} // namespace

ProgramWindows createProgramWindows(const ShellServices& services, const MainWindowParts& parts)
{
    services.application.setTitle(std::string(texts::applicationTitle));
    ProgramWindows windows;
    windows.dirs = std::make_unique<ProgramDirs>(programDirsOf(services.executablePath));
    windows.Form1 = std::make_unique<TForm1>(services, parts);
    windows.Form1->FormCreate();
    windows.lookups = std::make_unique<TableLookups>(*windows.dirs, services.dialogs, services.batch);
    // The dialogs are created also when the program is about to end, as the
    // message loop ends only once they exist.
    windows.dialogs = createDialogForms(services, *windows.dirs, *windows.lookups);

    TForm1& form = *windows.Form1;
    windows.viewTables = std::make_unique<reports::ViewTablesTab>(
        form.control<ui::TabSheet>("TS_ViewTables"), *windows.dialogs.ViewTableDlg, *windows.dialogs.PasswordDlg,
        *windows.lookups, services.dialogs, services.application);
    windows.reportCommands = std::make_unique<reports::ReportCommands>(
        *windows.dialogs.PrintResultsDlg, *windows.dialogs.PasswordDlg, form.control<ui::RichText>("CalcRichEdit"),
        services.batch, services.dialogs, services.application);
    form.control<ui::Button>("ViewResultsBtn").onClick = [commands = windows.reportCommands.get()] {
        commands->PrintBtnClick();
    };
    form.control<ui::MenuItem>("ViewDetailedCalculations1").onClick = [commands = windows.reportCommands.get(),
                                                                        &form] {
        CalculateButton calculate(form);
        commands->ViewDetailedCalculations1Click(calculate);
    };
    wireInformationPrinting(windows, services);
    wirePhosphorusInputs(windows, services);
    wireInputChoices(windows, services);
    windows.bmpChoice = std::make_unique<phosphorus::BmpChoice>(form, *windows.dialogs.BMPInfoDlg, services.dialogs,
                                                                services.application);
    windows.zorv = std::make_unique<nitrogen::ZorvCalculation>(
        form, nitrogen::ZorvServices{services.dialogs, services.batch, services.clock}, *windows.lookups,
        *windows.nitrogenFactors, *windows.dialogs.PrintResultsDlg,
        [&recordTable = parts.recordTable](std::string_view column) {
            return recordTable.currentRecordField(column);
        });
    windows.tamb = std::make_unique<phosphorus::TambCalculation>(
        form, phosphorus::TambCalculation::Services{services.dialogs, services.batch, services.clock}, *windows.lookups,
        windows.dialogs.EnterInfoDlg->sourceFacts(), *windows.dialogs.PrintResultsDlg);

    windows.recordLoading = std::make_unique<SavedChoicesLoader>(*windows.bmpChoice, *windows.nutrientApplications,
                                                                  *windows.hydrology);
    windows.records =
        std::make_unique<records::RecordTable>(form, services, *windows.lookups, *windows.recordLoading);
    windows.viewTables->onClearUserTable = [records = windows.records.get()] { records->ClearTable1Click(); };
    windows.listProcessing = std::make_unique<records::ListProcessing>(
        *windows.records, form, services, *windows.dialogs.PrintResultsDlg, *windows.dialogs.PasswordDlg,
        *windows.dialogs.ProcessListMsg);
    return windows;
}

} // namespace verdalis::shell
