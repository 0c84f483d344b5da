#include "shell/shell_parts.h"

#include "shell/reference_lists.h"
#include "util/case_insensitive_path.h"
#include "tables/version_record.h"
#include "util/settings_file.h"

#include <filesystem>

namespace verdalis::shell {

namespace {

namespace fs = std::filesystem;

// The nutrient dialog's working tables in the program folder.
const char* const nutrientWorkingTables[] = {"FertInfoTbl.db", "CropInfoTbl.dbf", "CCropInfoTbl.dbf",
                                             "BMPInfoTbl.db", "BMPInfoTbl.dbf"};
inline constexpr std::string_view noCropTable = "Cannot locate Crops.db";
inline constexpr std::string_view firstCheckDate = "1/01/2000";

} // namespace

void ShellParts::attach(ProgramWindows& windows)
{
    mainForm_ = windows.Form1.get();
    dialogForms_ = &windows.dialogs;
    tamb_ = windows.tamb.get();
}

void ShellParts::calculateTamb()
{
    tamb_->CalculateTamb();
}

std::vector<std::string> ShellParts::cropNames()
{
    const std::string& directory = mainForm_->values.CropTablesDir;
    if (!fs::exists(resolveCaseInsensitive(directory, "Crops.db"))) {
        dialogs_.error(noCropTable);
        return {};
    }
    return readCropNames(directory);
}

void ShellParts::deleteTables()
{
    for (const char* name : nutrientWorkingTables) {
        std::error_code ignored;
        fs::remove(resolveCaseInsensitive(mainForm_->values.ProgramDir, name), ignored);
    }
}

void ShellParts::clear()
{
    dialogForms_->PrintResultsDlg->ClearRichEdit();
}

void ShellParts::addLine(const std::string& text)
{
    dialogForms_->PrintResultsDlg->AddToRichEdit(text, rtf::styles::plain, colors::black);
}

void ShellParts::openATable()
{
    TForm1& form = *mainForm_;
    auto& coverCrops = form.control<ui::ComboBox>("CoverCropBox");
    coverCrops.clearItems();
    coverCrops.addItem({});
    if (fs::exists(resolveCaseInsensitive(form.values.CropTablesDir, "CoverCropTable.dbf"))) {
        coverCrops.addItems(readCoverCropNames(form.values.CropTablesDir));
    }

    const fs::path path(form.values.UserTablePath);
    table_.close();
    table_.open(path.parent_path(), path.filename().string(), TableType::Dbase);
    auto& grid = form.control<ui::Grid>("DBGrid1");
    grid.setSource(&gridSource_);
    grid.setReadOnly(true);
    grid.refresh();

    form.control<ui::Button>("SearchBtn").setEnabled(true);
    grid.show();
    form.control<ui::Panel>("GridViewPnl").show();
    form.control<ui::Panel>("RecordViewPnl").show();
    form.control<ui::TabSheet>("TS_Main").setEnabled(true);
}

void ShellParts::closeTable()
{
    table_.close();
}

std::string ShellParts::readLastCheckDate()
{
    const auto locations = mainForm_->values.programDirs().tableLocationsFile();
    std::string date = GetVersionValue(locations, "LastAutoCheckDate");
    if (date == kMissingSetting) {
        date = firstCheckDate;
        SetVersionValue(locations, "LastAutoCheckDate", date);
    }
    return date;
}

} // namespace verdalis::shell
