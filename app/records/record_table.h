// The user table held open in the main window for the whole run (Table1),
// shown in the Record View grid, and the operations that tie it to the
// inputs of the Main tab: opening a table, saving the inputs and results as
// a record, starting a new record, fetching a record by name, deleting, and
// loading whichever record the cursor lands on (ImportDatabase).
//
// Record loading drives the inputs as a user would: it selects the county,
// map unit, crop, tillage and distance entries and runs their change
// handlers, checks the calculation-type and drainage buttons (which run
// their click handlers) and gives the surface soil test the Enter key, so
// whatever handlers the other modules wired are the ones that run.
// Errors of those handlers, and of the table, end the load and reach the
// caller (the dispatcher of the user's action, or the list processing).
#pragma once

#include "records/record_load_parts.h"
#include "reports/table_grid_source.h"
#include "shell/main_form.h"
#include "tables/table.h"
#include "tables/table_lookups.h"

#include <functional>
#include <string>

namespace verdalis::records {

class RecordTable : public shell::RecordTablePart {
public:
    // Nothing is owned; everything must outlive the record table. Adds the
    // "Process List..." button with its menu to the Record View tab and
    // wires the record buttons, the navigator and the grid.
    RecordTable(shell::TForm1& form, const shell::ShellServices& services, const TableLookups& lookups,
                RecordLoadParts& loadParts);

    Table& Table1() { return table_; }

    // A cursor move loads nothing while set.
    bool SuppressRecordLoad = false;
    // Set exactly while ImportDatabase runs.
    bool LoadingRecord() const { return loadingRecord_; }
    // While LoadingRecord: the HydroCond of the record being loaded, which
    // the hydrologic condition choices take their selection from.
    std::string loadingHydroCond();
    // Whether a batch run matches stored map units by their symbol only.
    bool ignoreMuNameWhenProcessing();

    // Set by the list processing for the length of a run: writes the
    // progress line of the record the cursor landed on.
    std::function<void(const std::string& recordName)> onBatchRecord;

    // Opens the table at UserTablePath without loading a record.
    void OpenATable();
    void openATable() override { OpenATable(); }
    void closeTable() override { table_.close(); }
    // The text of a column of the current record; empty without one.
    std::string currentRecordField(std::string_view column) override;
    // Lets the user choose a table and opens it in place of the open one.
    void OpenBtnClick();
    // The default user table of the program folder, opened again.
    void reopenUserTable();
    // After the user's Yes: the user table recreated empty and opened. The
    // names of the records it held stay listed until the next start.
    void ClearTable1Click();

    void SaveBtnClick();
    void NewRecordBtnClick();
    void GetRecordBtnClick();
    // The navigator's delete: asks first.
    void NavDeleteBtnClick();

    void Table1AfterScroll();
    // Loads the current record into the inputs; true when all of it loaded.
    bool ImportDatabase();
    // Before every deletion: the record's name leaves RecordNameList.
    bool Table1BeforeDelete();

private:
    void buildProcessListButton();
    void wireControls();

    bool enoughToSave();
    // The name to save under, and whether it overwrites; nothing when the
    // user cancelled.
    struct SaveName {
        std::string name;
        bool overwrite = false;
    };
    std::optional<SaveName> askSaveName();
    void writeRecord(const std::string& name);
    void writeNitrogenInputs();
    void writePhosphorusInputs();
    void writeIfText(std::string_view column, std::string_view box);

    // The load steps; each answers false when the load stops there.
    bool loadModeType();
    bool loadCounty();
    bool loadMapUnit();
    void loadIdentification();
    bool loadNitrogenInputs();
    bool loadPhosphorusInputs();
    void loadTillages();
    bool loadDrainage();
    bool loadBmpsAndNutrients();
    // A crop stored by its code is named through Crops.db first.
    bool loadCrop(std::string_view column, std::string_view box);
    bool selectMapUnit(const std::string& text);
    void report(std::string_view text);

    std::string text(std::string_view column);
    // Selects the entry equal to the text (ignoring case) and runs the box's
    // change handler; false when there is none.
    bool chooseEntry(std::string_view box, std::string_view text);

    shell::TForm1& form_;
    ui::Dialogs& dialogs_;
    ui::BatchState& batch_;
    const TableLookups& lookups_;
    RecordLoadParts& loadParts_;
    Table table_;
    reports::TableGridSource gridSource_;
    bool loadingRecord_ = false;
};

} // namespace verdalis::records
