// The View Tables tab of the main window: one button per table, which shows
// the table in the viewer, with a context menu that lists the table's
// information (behind a password) into the "Table Info" group; the user
// table's menu clears that table instead.
#pragma once

#include "reports/information_tab_print.h"
#include "ui/controls.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis {
class TableLookups;
}

namespace verdalis::ui {
class Application;
class Dialogs;
} // namespace verdalis::ui

namespace verdalis::reports {

class TPasswordDlg;
class TViewTableDlg;

class ViewTablesTab {
public:
    // The table buttons' captions, in their order on the tab; the last is
    // the user table.
    static const std::vector<std::string_view>& tableFileNames();

    // Builds the buttons, their menus and the Table Info group into the
    // sheet, which must already be part of a form (the menus belong to the
    // form). The table lookups find each button's table and report a
    // missing one. Nothing is owned; all must outlive the tab.
    ViewTablesTab(ui::TabSheet& sheet, TViewTableDlg& viewer, TPasswordDlg& passwordDlg,
                  const TableLookups& lookups, ui::Dialogs& dialogs, ui::Application& application);
    ViewTablesTab(const ViewTablesTab&) = delete;
    ViewTablesTab& operator=(const ViewTablesTab&) = delete;

    // A table button: shows its table in the viewer when the table exists;
    // closing the viewer with OK closes the table.
    void ViewTablesClick(const ui::Button& button);
    // "List/View Table Info" of a table button's menu.
    void ListViewTableInfo1Click(const ui::Button& button);
    // "Clear" of the Table Info group.
    void ClearColNamesBtnClick();

    // The group's document and printed label, for the main window's Print
    // buttons of the information tabs.
    InformationDocument informationDocument() const { return {*RichEdit4, *PrintLBL4}; }

    // "Clear Table" of the user table's menu: the user table's owner sets it.
    ui::Handler onClearUserTable;

    std::vector<ui::Button*> tableButtons;
    ui::GroupBox* TableInfoGroup;
    ui::RichText* RichEdit4;
    ui::Button* PrintTableInfoBtn;
    ui::Button* ClearColNamesBtn;
    ui::Label* PrintLBL4;

private:
    void addTableButton(ui::TabSheet& sheet, ui::Form& form, std::string_view fileName, int slot);
    void buildTableInfoGroup(ui::TabSheet& sheet);
    // The path of the button's table, or nothing when the lookup failed.
    std::optional<std::filesystem::path> locateTable(const ui::Button& button) const;

    TViewTableDlg& viewer_;
    TPasswordDlg& passwordDlg_;
    const TableLookups& lookups_;
    ui::Dialogs& dialogs_;
    ui::Application& application_;
};

} // namespace verdalis::reports
