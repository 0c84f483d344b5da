// The table viewer: a grid over one reference table (or the user table),
// with a navigator and the "Edit Mode" lock.
//
// The table is read-only unless edit mode was granted with one of the edit
// lock passwords; the granted state outlives the view and carries over to
// the next table viewed, until the box is unchecked.
#pragma once

#include "reports/table_grid_source.h"
#include "tables/table.h"
#include "ui/controls.h"

#include <filesystem>
#include <string_view>

namespace verdalis {
struct ProgramDirs;
}

namespace verdalis::ui {
class Application;
class Dialogs;
} // namespace verdalis::ui

namespace verdalis::reports {

class TPasswordDlg;

class TViewTableDlg : public ui::Form {
public:
    // Nothing is owned; the services, the password dialog and the program
    // folders (whose EditLock.ini holds the further edit-lock passwords)
    // must outlive the viewer.
    TViewTableDlg(ui::Dialogs& dialogs, ui::Application& application, TPasswordDlg& passwordDlg,
                  const ProgramDirs& dirs);

    // Opens the table by its extension (".db" Paradox, ".dbf" dBASE) on its
    // first record, closing the one open before; the caption names the
    // file. The first two, or three, columns can be protected from edits.
    // Errors of the table engine propagate.
    void ViewTable(const std::filesystem::path& path, bool protectFirstTwo, bool protectFirstThree);
    bool TableOpen() const { return Table1.isOpen(); }
    // Resets the caption to "View Tables" and closes the table.
    void CloseTable();
    void ResetCaption(std::string_view text);
    // Membership in the edit-lock password set.
    bool IsValidPassword(std::string_view text) const;

    // A change of the "Edit Mode" box: checking asks for an edit-lock
    // password; the table is reopened on the same record, writable and in
    // edit on a valid one, read-only otherwise.
    void EditModechkboxClick();
    // Leaving the grid posts a record being edited.
    void DBGrid1Exit();

    Table Table1;

    ui::Panel* Panel1;
    ui::Panel* DBNavigator1;
    ui::Button* NavFirst;
    ui::Button* NavPrior;
    ui::Button* NavNext;
    ui::Button* NavLast;
    ui::Button* NavInsert;
    ui::Button* NavDelete;
    ui::Button* NavEdit;
    ui::Button* NavPost;
    ui::Button* NavCancel;
    ui::CheckBox* EditModechkbox;
    ui::Button* OKBtn;
    ui::Grid* DBGrid1;

private:
    void buildNavigator();
    // Runs a navigator action on the table and shows the result.
    void navigate(const std::function<void()>& action);
    void deleteRecord();
    void reopen(size_t recordNumber);
    void setWritable(bool writable);
    // Brings the grid and the navigator's buttons in step with the table.
    void tableChanged();

    ui::Dialogs& dialogs_;
    ui::Application& application_;
    TPasswordDlg& passwordDlg_;
    TableGridSource gridSource_;
    const ProgramDirs& dirs_;
    std::filesystem::path tablePath_;
};

} // namespace verdalis::reports
