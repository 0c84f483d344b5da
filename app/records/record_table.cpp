// Opening, fetching, deleting and the cursor moves of the user table.
#include "records/record_table.h"

#include "records/record_texts.h"
#include "shell/reference_lists.h"
#include "shell/user_input_table.h"
#include "util/case_insensitive_path.h"
#include "util/field_split.h"
#include "util/text_case.h"

#include <algorithm>
#include <filesystem>

namespace verdalis::records {

namespace {

namespace fs = std::filesystem;

inline constexpr std::string_view coverCropTable = "CoverCropTable.dbf";
inline constexpr std::string_view recordNameColumn = "RecordName";
// Where the list button sits on the Record View tab's panel.
inline constexpr ui::Geometry processListGeometry{146, 6, 130, 25};

} // namespace

RecordTable::RecordTable(shell::TForm1& form, const shell::ShellServices& services, const TableLookups& lookups,
                         RecordLoadParts& loadParts)
    : form_(form), dialogs_(services.dialogs), batch_(services.batch), lookups_(lookups), loadParts_(loadParts),
      gridSource_(table_, services.dialogs)
{
    buildProcessListButton();
    wireControls();
}

void RecordTable::buildProcessListButton()
{
    auto& panel = form_.control<ui::Panel>("GridViewPnl");
    auto& button = panel.add<ui::Button>("ProcessListBtn", std::string(texts::processListCaption));
    button.setGeometry(processListGeometry);
    auto& menu = form_.add<ui::PopupMenu>("ProcessListPopup");
    auto& ignore = menu.add<ui::MenuItem>("IgnoreMuNamewhenprocessing1", std::string(texts::ignoreMuName));
    ignore.onClick = [&ignore] { ignore.setChecked(!ignore.checked()); };
    button.setPopupMenu(&menu);
}

void RecordTable::wireControls()
{
    table_.setAfterScroll([this](Table&) { Table1AfterScroll(); });
    table_.setBeforeDelete([this](Table&) { return Table1BeforeDelete(); });

    form_.control<ui::Button>("SaveBtn").onClick = [this] { SaveBtnClick(); };
    form_.control<ui::Button>("NewRecordBtn").onClick = [this] { NewRecordBtnClick(); };
    form_.control<ui::Button>("GetRecordBtn").onClick = [this] { GetRecordBtnClick(); };

    auto& grid = form_.control<ui::Grid>("DBGrid1");
    const std::pair<const char*, void (Table::*)()> moves[] = {
        {"NavFirstBtn", &Table::first}, {"NavPriorBtn", &Table::prior},
        {"NavNextBtn", &Table::next},   {"NavLastBtn", &Table::last},
    };
    for (const auto& [name, tableMove] : moves) {
        form_.control<ui::Button>(name).onClick = [this, &grid, move = tableMove] {
            if (table_.isOpen()) {
                (table_.*move)();
                grid.refresh();
            }
        };
    }
    form_.control<ui::Button>("NavDeleteBtn").onClick = [this] { NavDeleteBtnClick(); };
}

bool RecordTable::ignoreMuNameWhenProcessing()
{
    return form_.control<ui::MenuItem>("IgnoreMuNamewhenprocessing1").checked();
}

std::string RecordTable::currentRecordField(std::string_view column)
{
    if (!table_.isOpen() || table_.eof() || table_.recordCount() == 0 || !table_.hasField(column)) {
        return {};
    }
    return table_.field(column).asText();
}

void RecordTable::OpenATable()
{
    auto& coverCrops = form_.control<ui::ComboBox>("CoverCropBox");
    coverCrops.clearItems();
    coverCrops.addItem({});
    if (fs::exists(resolveCaseInsensitive(form_.values.CropTablesDir, coverCropTable))) {
        coverCrops.addItems(shell::readCoverCropNames(form_.values.CropTablesDir));
    }

    const fs::path path(form_.values.UserTablePath);
    SuppressRecordLoad = true;
    try {
        table_.close();
        table_.open(path.parent_path(), path.filename().string(), TableType::Dbase);
    } catch (...) {
        SuppressRecordLoad = false;
        throw;
    }
    SuppressRecordLoad = false;

    auto& grid = form_.control<ui::Grid>("DBGrid1");
    grid.setSource(&gridSource_);
    grid.setReadOnly(false);
    grid.refresh();
    form_.control<ui::Button>("SearchBtn").setEnabled(true);
    grid.show();
    form_.control<ui::Panel>("GridViewPnl").show();
    form_.control<ui::Panel>("RecordViewPnl").show();
    form_.control<ui::TabSheet>("TS_Main").setEnabled(true);
}

void RecordTable::OpenBtnClick()
{
    const auto chosen = dialogs_.openFile({.filter = std::string(texts::openFilter),
                                           .initialDir = form_.values.ProgramDir});
    if (!chosen) {
        return;
    }
    form_.values.UserTablePath = *chosen;
    if (fs::exists(*chosen)) {
        OpenATable();
    } else {
        dialogs_.error(*chosen + std::string(texts::doesNotExist));
    }
}

void RecordTable::reopenUserTable()
{
    form_.values.UserTablePath = form_.values.UserTablesDir + "/" + std::string(texts::userTableName);
    OpenATable();
}

void RecordTable::ClearTable1Click()
{
    if (!dialogs_.confirm(texts::confirmClearTable)) {
        return;
    }
    table_.close();
    form_.values.UserTablePath = shell::CreateNewUserInputTable(form_.values.UserTablesDir, texts::userTableName);
    OpenATable();
}

void RecordTable::GetRecordBtnClick()
{
    const auto name = dialogs_.inputQuery(texts::fetchCaption, texts::fetchPrompt, {});
    if (!name || name->empty()) {
        return;
    }
    // A successful locate moves the cursor, which loads the record.
    if (!table_.locate(recordNameColumn, *name)) {
        dialogs_.showMessage(std::string(texts::couldNotFind) + toUpperAscii(*name));
    }
    form_.control<ui::Grid>("DBGrid1").refresh();
}

void RecordTable::NavDeleteBtnClick()
{
    if (!table_.isOpen() || table_.recordCount() == 0 || !dialogs_.confirm(texts::confirmDelete)) {
        return;
    }
    table_.deleteRecord();
    form_.control<ui::Grid>("DBGrid1").refresh();
}

bool RecordTable::Table1BeforeDelete()
{
    if (!table_.hasField(recordNameColumn)) {
        return true;
    }
    const std::string name = table_.field(recordNameColumn).asText();
    auto& names = form_.values.RecordNameList;
    const auto entry = std::ranges::find_if(
        names, [&name](const std::string& line) { return equalsIgnoringCase(GetField(line, 1, '='), name); });
    if (entry != names.end()) {
        names.erase(entry);
    }
    return true;
}

void RecordTable::Table1AfterScroll()
{
    if (SuppressRecordLoad) {
        return;
    }
    if (batch_.BatchRunning) {
        if (onBatchRecord) {
            onBatchRecord(table_.hasField(recordNameColumn) ? table_.field(recordNameColumn).asText()
                                                            : std::string());
        }
        // Every record of a list starts from empty inputs, so nothing of the
        // record before is calculated with it or replayed against it. The
        // identification is not reset: every load past the county rewrites
        // it, and its year check would show a message for each record.
        form_.ResetAllValues(true, false);
    }
    if (!ImportDatabase() && !batch_.BatchRunning) {
        dialogs_.error(texts::notImported);
    }
}

} // namespace verdalis::records
