#include "shell/shell_parts.h"

#include "shell/reference_lists.h"
#include "util/case_insensitive_path.h"
#include "tables/version_record.h"
#include "util/settings_file.h"

#include <filesystem>

namespace verdalis::shell {

namespace {

namespace fs = std::filesystem;

inline constexpr std::string_view firstCheckDate = "1/01/2000";

} // namespace

void ShellParts::attach(ProgramWindows& windows)
{
    mainForm_ = windows.Form1.get();
    dialogForms_ = &windows.dialogs;
    windows_ = &windows;
}

void ShellParts::resetBMPInfo()
{
    if (windows_ != nullptr) {
        windows_->bmpChoice->resetBMPInfo();
    }
}

void ShellParts::calculateZorv()
{
    if (windows_ != nullptr) {
        windows_->zorv->CalculateZorv();
    }
}

void ShellParts::calculateTamb()
{
    if (windows_ != nullptr) {
        windows_->tamb->CalculateTamb();
    }
}

std::vector<std::string> ShellParts::cropNames()
{
    return dialogForms_->EnterInfoDlg->cropNames();
}

void ShellParts::deleteTables()
{
    dialogForms_->EnterInfoDlg->deleteTables();
}

void ShellParts::rerunChange(std::string_view box)
{
    if (const auto& handler = mainForm_->control<ui::ComboBox>(box).onChange) {
        handler();
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
    windows_->records->OpenATable();
}

void ShellParts::closeTable()
{
    windows_->records->closeTable();
}

std::string ShellParts::currentRecordField(std::string_view column)
{
    return windows_->records->currentRecordField(column);
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
