// The parts of the main window as far as the shell itself provides them:
// the crop and cover crop lists, the nutrient dialog's working tables, the
// results report in the report dialog and the stored date of the last
// update check; the user table is the record module's. The input lookups,
// the BMP dialog, the two methods and the update run are their own modules;
// until those modules are wired in, their parts here do nothing.
#pragma once

#include "shell/main_window_parts.h"
#include "shell/program_entry.h"

namespace verdalis::shell {

class ShellParts : public NutrientDialogPart,
                   public BmpDialogPart,
                   public InputChangePart,
                   public CalculationMethodsPart,
                   public ResultsReportPart,
                   public RecordTablePart,
                   public UpdatePart {
public:
    explicit ShellParts(ui::Dialogs& dialogs) : dialogs_(dialogs) {}

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
    void calculateTamb() override {}
    void clear() override;
    void addLine(const std::string& text) override;
    void openATable() override;
    void closeTable() override;
    void initialiseSwitches() override {}
    std::string readLastCheckDate() override;
    void checkForUpdates() override {}
    void disconnect() override {}

    Table& userTable() { return windows_->records->Table1(); }

private:
    ui::Dialogs& dialogs_;
    ProgramWindows* windows_ = nullptr;
    TForm1* mainForm_ = nullptr;
    DialogForms* dialogForms_ = nullptr;
};

} // namespace verdalis::shell
