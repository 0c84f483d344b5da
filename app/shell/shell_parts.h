// The parts of the main window as far as the shell itself provides them:
// the crop and cover crop lists, the nutrient dialog's working tables, the
// results report in the report dialog, the stored date of the last update
// check, and the replay of the input choices through their boxes' handlers;
// the user table is the record module's. The BMP dialog and the two
// methods are served by their modules in the program's windows; the update
// run is its own module; until it is wired in, its part here does nothing.
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
    void resetBMPInfo() override;
    // The choice is run again through the box's own change handler, exactly
    // as if the user chose the same entry again.
    void soilMapUnitBoxChange() override { rerunChange("SoilMapUnitBox"); }
    void cropBoxChange() override { rerunChange("CropBox"); }
    void cropBox2Change() override { rerunChange("CropBox2"); }
    void calculateZorv() override;
    void calculateTamb() override;
    void clear() override;
    void addLine(const std::string& text) override;
    void openATable() override;
    void closeTable() override;
    std::string currentRecordField(std::string_view column) override;
    void initialiseSwitches() override {}
    std::string readLastCheckDate() override;
    void checkForUpdates() override {}
    void disconnect() override {}

    Table& userTable() { return windows_->records->Table1(); }

private:
    void rerunChange(std::string_view box);

    ui::Dialogs& dialogs_;
    TForm1* mainForm_ = nullptr;
    DialogForms* dialogForms_ = nullptr;
    ProgramWindows* windows_ = nullptr;
};

} // namespace verdalis::shell
