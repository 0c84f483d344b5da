// The parts of the main window as far as the shell itself provides them:
// the crop and cover crop lists, the nutrient dialog's working tables, the
// user table in the record grid, the results report in the report dialog,
// the stored date of the last update check, and the phosphorus rating of the
// program's windows. The input lookups, the BMP dialog, the nitrogen method
// and the update run are their own modules; until those modules are wired
// in, their parts here do nothing.
#pragma once

#include "shell/main_window_parts.h"
#include "shell/program_entry.h"
#include "shell/program_forms.h"
#include "reports/table_grid_source.h"
#include "tables/table.h"

#include <memory>

namespace verdalis::shell {

class ShellParts : public NutrientDialogPart,
                   public BmpDialogPart,
                   public InputChangePart,
                   public CalculationMethodsPart,
                   public ResultsReportPart,
                   public RecordTablePart,
                   public UpdatePart {
public:
    explicit ShellParts(ui::Dialogs& dialogs) : dialogs_(dialogs), gridSource_(table_, dialogs) {}

    MainWindowParts parts() { return {*this, *this, *this, *this, *this, *this, *this}; }
    // The windows the parts work on; before the start-up runs.
    void attach(ProgramWindows& windows);

    std::vector<std::string> cropNames() override;
    void deleteTables() override;
    void resetBMPInfo() override {}
    void soilMapUnitBoxChange() override {}
    void cropBoxChange() override {}
    void cropBox2Change() override {}
    void calculateZorv() override {}
    void calculateTamb() override;
    void clear() override;
    void addLine(const std::string& text) override;
    void openATable() override;
    void closeTable() override;
    void initialiseSwitches() override {}
    std::string readLastCheckDate() override;
    void checkForUpdates() override {}
    void disconnect() override {}

    Table& userTable() { return table_; }

private:
    ui::Dialogs& dialogs_;
    TForm1* mainForm_ = nullptr;
    DialogForms* dialogForms_ = nullptr;
    phosphorus::TambCalculation* tamb_ = nullptr;
    Table table_;
    reports::TableGridSource gridSource_;
};

} // namespace verdalis::shell
