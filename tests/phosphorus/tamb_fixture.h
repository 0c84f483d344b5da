// The phosphorus rating on the main window's model, over the reference
// tables the program ships (built from data/tables into a folder shared by
// every case of the test program), with scripted dialogs and a fixed clock.
#pragma once

#include "phosphorus/calculate_tamb.h"
#include "phosphorus/nutrient_source_table.h"
#include "program_folder.h"
#include "reports/pdf_writer.h"
#include "shell/shell_parts.h"
#include "ui/scripted_application.h"
#include "ui/scripted_dialogs.h"
#include "ui/scripted_processes.h"

#include <map>
#include <optional>
#include <memory>

namespace verdalis::testing {

// The bundled reference tables and TableLocations.ini, built once.
const ProgramFolder& bundledTables();

// Source coefficients as a test sets them, with the bundled sources' values
// to start from.
class FakeSourceFacts : public phosphorus::NutrientSourceFacts {
public:
    struct Facts {
        std::string type;
        double lbP2O5 = 0, solubleP = 0, nonSolubleP = 0, spaf = 0, nonSpaf = 0;
        double surfaceKept = 1, incorporatedKept = 1;
    };
    std::map<std::string, Facts> sources;

    std::string GetFertilizerType(const std::string& name) override { return find(name).type; }
    double GetFertilizerP205(const std::string& name) override { return find(name).lbP2O5; }
    double GetFertilizerSolubleP(const std::string& name) override { return find(name).solubleP; }
    double GetFertilizerNonSolubleP(const std::string& name) override { return find(name).nonSolubleP; }
    double GetFertilizerSPAF(const std::string& name) override { return find(name).spaf; }
    double GetFertilizerNonSPAF(const std::string& name) override { return find(name).nonSpaf; }
    double GetFertilizerP205Factor(const std::string& name, int methodId) override
    {
        return methodId == 6 ? find(name).surfaceKept : find(name).incorporatedKept;
    }

private:
    const Facts& find(const std::string& name) const { return sources.at(name); }
};

// Chooses the entry of a drop-down list, adding it when missing.
void choose(shell::TForm1& form, std::string_view comboName, const std::string& text);
void setEdit(shell::TForm1& form, std::string_view name, std::string text, bool visible = true);

// The bundled reference tables and TableLocations.ini built into a folder.
void addBundledTables(ProgramFolder& folder);

// The scripted services a main window of these tests runs on.
struct ScriptedServices {
    shell::ShellServices services(const std::string& executable)
    {
        return {dialogs, application, processes, clock, batch, executable, pdfWriter};
    }

    ui::ScriptedDialogs dialogs;
    ui::ScriptedApplication application;
    ui::ScriptedProcesses processes;
    ui::ScriptedClock clock;
    ui::BatchState batch;
    reports::ScriptedPdfWriter pdfWriter;
};

// One main window with its inputs, the rating and the report it writes.
class TambBench : public ScriptedServices {
public:
    // With `sourceFacts` the rating reads the sources' coefficients from it,
    // otherwise from the bundled NutrientSources.db.
    explicit TambBench(phosphorus::NutrientSourceFacts* sourceFacts = nullptr);

    shell::TForm1& form() { return *form_; }
    shell::AssessmentRecord& record() { return form_->record; }
    template <class T>
    T& control(std::string_view name)
    {
        return form_->control<T>(name);
    }
    void choose(std::string_view comboName, const std::string& text) { testing::choose(*form_, comboName, text); }
    void setEdit(std::string_view name, std::string text, bool visible = true)
    {
        testing::setEdit(*form_, name, std::move(text), visible);
    }

    // A fresh report and log, as CALCULATE starts them, and the rating.
    void calculate();
    const TableLookups& lookups() const { return *lookups_; }
    std::vector<std::string> reportLines() const;
    std::string reportText() const;
    std::vector<std::string> logLines();
    std::string caption(std::string_view labelName) { return control<ui::Label>(labelName).caption(); }
    bool shown(std::string_view labelName) { return control<ui::Label>(labelName).visible(); }
    // The first report line that starts with the text, or empty.
    std::string reportLineStarting(std::string_view start) const;
    // The number after the first report line start that a number follows.
    std::optional<double> reportNumber(std::string_view start) const;

private:
    ProgramDirs dirs_;
    shell::ShellParts parts_{dialogs};
    std::unique_ptr<shell::TForm1> form_;
    std::unique_ptr<reports::TPrintResultsDlg> report_;
    std::unique_ptr<TableLookups> lookups_;
    std::unique_ptr<phosphorus::NutrientSourceTable> bundledSources_;
    std::unique_ptr<phosphorus::TambCalculation> tamb_;
};

// A complete undrained assessment on bundled values: Brackwater county,
// map unit TwA treated as undrained, corn with conventional tillage in good
// condition (curve number 89), 3 t/ac/yr at 101-300 ft, soil test 50, no
// BMPs and no sources. Tests change what they show.
void setUndrainedCorn(TambBench& bench);
// The same field drained: spacing 80 ft, depth 42 in.
void setDrainedCorn(TambBench& bench);

} // namespace verdalis::testing
