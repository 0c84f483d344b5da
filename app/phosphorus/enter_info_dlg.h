// The nutrient source dialog: a grid over the working table FertInfoTbl.db
// (one row per source of NutrientSources.db) in which the yearly amount, the
// % or pounds of P2O5 and the application method are entered; reading its
// accepted rows into the nutrient source list, and writing a saved
// record's sources back into it. It also serves the per-source
// coefficients, the crop lists and the deletion of the working tables.
#pragma once

#include "phosphorus/nutrient_source_table.h"
#include "reports/table_grid_source.h"
#include "shell/assessment_record.h"
#include "shell/main_window_parts.h"
#include "tables/table.h"
#include "ui/batch_state.h"
#include "ui/controls.h"
#include "ui/event_dispatcher.h"

namespace verdalis::ui {
class Application;
}

namespace verdalis::phosphorus {

inline constexpr std::string_view fertInfoTableName = "FertInfoTbl.db";

// The five texts of a saved record that hold its nutrient sources, one
// comma-separated item per source.
struct SavedNutrientTexts {
    std::string NutrientID, NutrientLB, Pct_P2O5, AppMethod, ManureP2O5;
};

class TEnterInfoDlg : public ui::Form, public shell::NutrientDialogPart {
public:
    // The folders must outlive the dialog.
    TEnterInfoDlg(const ProgramDirs& dirs, ui::Dialogs& dialogs, ui::Application& application,
                  ui::BatchState& batch);
    ~TEnterInfoDlg() override;

    // Opens the working table (creating it from NutrientSources.db when
    // missing) in the grid; false, after a message, when it cannot.
    bool ViewTable(std::string_view fileName);
    void CloseTable();
    void ResetCaption(std::string_view text);

    // The accepted rows in table order into the list and its count; false
    // after a message when a row cannot be taken over (the list unchanged).
    bool GetFertInfo(shell::CalculationType type, shell::NutrientSummary& nutrients);
    // Writes a saved record's sources back into the working table; false
    // after a message (collected in a batch run where the rules say so).
    bool SetFertInfo(const SavedNutrientTexts& saved);

    void DBGrid1KeyPress(ui::Key& key);
    // Posts a pending edit when the grid loses the focus.
    void DBGrid1Exit();

    // The working tables of the program folder go; the user's entries with them.
    void DeleteTables();
    void deleteTables() override { DeleteTables(); }
    std::vector<std::string> cropNames() override;

    NutrientSourceFacts& sourceFacts() { return sources_; }
    // The source's Source_ID in NutrientSources.db, or "error".
    std::string sourceId(const std::string& description) const;

    ui::Grid* DBGrid1;
    ui::Panel* Panel3;
    ui::Panel* Panel2;

private:
    std::filesystem::path workingTablePath() const;
    // False after GetTableLocation's message when NutrientSources.db is missing.
    bool createWorkingTable();
    void prepareGrid();
    std::string sourceType(const std::string& description, bool showMessages);
    void reportMissingData(const std::string& description);
    // One accepted row as a source; false after a message.
    bool takeOverRow(shell::NutrientSource& source);
    bool writeSavedSource(const SavedNutrientTexts& saved, int item);

    const ProgramDirs& dirs_;
    ui::Dialogs& dialogs_;
    ui::Application& application_;
    ui::BatchState& batch_;
    TableLookups lookups_;
    NutrientSourceTable sources_;
    ui::EventDispatcher dispatcher_;
    Table fertInfo_;
    reports::TableGridSource gridSource_;
};

} // namespace verdalis::phosphorus
