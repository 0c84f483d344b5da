#include "reports/view_table_dlg.h"

#include "reports/password_dlg.h"
#include "reports/password_sets.h"
#include "reports/report_texts.h"
#include "tables/program_dirs.h"
#include "ui/application.h"
#include "ui/dialogs.h"

namespace verdalis::reports {

namespace {

constexpr ui::Geometry formGeometry{0, 0, 800, 560};
constexpr ui::Geometry panelGeometry{0, 0, 792, 41};
constexpr ui::Geometry navigatorGeometry{8, 8, 360, 25};
constexpr int navigatorButtonWidth = 40;
constexpr ui::Geometry editModeGeometry{392, 12, 90, 17};
constexpr ui::Geometry okGeometry{704, 8, 75, 25};
constexpr ui::Geometry gridGeometry{0, 41, 792, 492};
constexpr int mostProtectedColumns = 3;

} // namespace

TViewTableDlg::TViewTableDlg(ui::Dialogs& dialogs, ui::Application& application, TPasswordDlg& passwordDlg,
                             const ProgramDirs& dirs)
    : ui::Form("ViewTableDlg"), dialogs_(dialogs), application_(application), passwordDlg_(passwordDlg),
      gridSource_(Table1, dialogs), dirs_(dirs)
{
    setCaption(std::string(texts::viewTablesCaption));
    setGeometry(formGeometry);
    Panel1 = &add<ui::Panel>("Panel1");
    Panel1->setGeometry(panelGeometry);
    buildNavigator();
    EditModechkbox = &Panel1->add<ui::CheckBox>("EditModechkbox", std::string(texts::editModeCaption));
    EditModechkbox->setGeometry(editModeGeometry);
    EditModechkbox->onClick = [this] { EditModechkboxClick(); };
    OKBtn = &Panel1->add<ui::Button>("OKBtn", "OK");
    OKBtn->setGeometry(okGeometry);
    OKBtn->setModalResult(ui::ModalResult::Ok);

    DBGrid1 = &add<ui::Grid>("DBGrid1");
    DBGrid1->setGeometry(gridGeometry);
    DBGrid1->setSource(&gridSource_);
    DBGrid1->onExit = [this] { DBGrid1Exit(); };
    DBGrid1->onRowChange = [this] { tableChanged(); };
    DBGrid1->onCellEdited = [this] { tableChanged(); };

    setWritable(false);
    tableChanged();
}

void TViewTableDlg::buildNavigator()
{
    DBNavigator1 = &Panel1->add<ui::Panel>("DBNavigator1");
    DBNavigator1->setGeometry(navigatorGeometry);
    int slot = 0;
    const auto addButton = [&](const char* name, const char* caption, std::function<void()> action) {
        ui::Button& button = DBNavigator1->add<ui::Button>(name, caption);
        button.setGeometry({slot++ * navigatorButtonWidth, 0, navigatorButtonWidth, navigatorGeometry.height});
        button.onClick = [this, action = std::move(action)] { navigate(action); };
        return &button;
    };
    NavFirst = addButton("NavFirst", "First", [this] { Table1.first(); });
    NavPrior = addButton("NavPrior", "Prior", [this] { Table1.prior(); });
    NavNext = addButton("NavNext", "Next", [this] { Table1.next(); });
    NavLast = addButton("NavLast", "Last", [this] { Table1.last(); });
    NavInsert = addButton("NavInsert", "Insert", [this] { Table1.insert(); });
    NavDelete = addButton("NavDelete", "Delete", [this] { deleteRecord(); });
    NavEdit = addButton("NavEdit", "Edit", [this] { Table1.edit(); });
    NavPost = addButton("NavPost", "Post", [this] { Table1.post(); });
    NavCancel = addButton("NavCancel", "Cancel", [this] { Table1.cancel(); });
}

void TViewTableDlg::navigate(const std::function<void()>& action)
{
    // The grid shows the table's state however the action ends.
    struct InStep {
        TViewTableDlg& viewer;
        ~InStep() { viewer.tableChanged(); }
    } inStep{*this};
    action();
}

void TViewTableDlg::deleteRecord()
{
    if (dialogs_.confirm(texts::confirmDeleteRecord)) {
        Table1.deleteRecord();
    }
}

void TViewTableDlg::ViewTable(const std::filesystem::path& path, bool protectFirstTwo, bool protectFirstThree)
{
    ResetCaption(std::string(texts::viewTablesCaption) + std::string(texts::viewTablesCaptionSeparator) +
                 path.filename().string());
    Table1.close();
    tablePath_.clear();
    tableChanged();
    Table1.open(path.parent_path(), path.filename().string());
    tablePath_ = path;
    const int protectedColumns = protectFirstThree ? 3 : protectFirstTwo ? 2 : 0;
    for (int column = 0; column < mostProtectedColumns; ++column) {
        DBGrid1->setColumnReadOnly(column, column < protectedColumns);
    }
    DBGrid1->setCurrentColumn(0);
    tableChanged();
}

void TViewTableDlg::CloseTable()
{
    ResetCaption(texts::viewTablesCaption);
    Table1.close();
    tablePath_.clear();
    tableChanged();
}

void TViewTableDlg::ResetCaption(std::string_view text)
{
    setCaption(std::string(text));
}

bool TViewTableDlg::IsValidPassword(std::string_view text) const
{
    return isEditLockPassword(dirs_.ProgramDir, text);
}

void TViewTableDlg::EditModechkboxClick()
{
    const size_t rememberedRecord = Table1.recordNumber();
    Table1.close();
    tableChanged();
    bool writable = false;
    if (EditModechkbox->checked()) {
        const auto entry = passwordDlg_.ask(application_);
        writable = entry && IsValidPassword(*entry);
        if (entry && !writable) {
            dialogs_.error(texts::editLockPasswordInvalid);
        }
        if (!writable) {
            EditModechkbox->setChecked(false);
        }
    }
    setWritable(writable);
    reopen(rememberedRecord);
    if (writable && Table1.isOpen()) {
        navigate([this] { Table1.edit(); });
    }
}

void TViewTableDlg::setWritable(bool writable)
{
    Table1.setReadOnly(!writable);
    DBGrid1->setReadOnly(!writable);
}

void TViewTableDlg::reopen(size_t recordNumber)
{
    if (tablePath_.empty()) {
        return;
    }
    navigate([&] {
        Table1.open(tablePath_.parent_path(), tablePath_.filename().string());
        if (recordNumber > 1) {
            Table1.moveBy(static_cast<int64_t>(recordNumber) - 1);
        }
    });
}

void TViewTableDlg::DBGrid1Exit()
{
    if (Table1.isOpen() && Table1.state() == Table::State::Edit) {
        navigate([this] { Table1.post(); });
    }
}

void TViewTableDlg::tableChanged()
{
    const bool open = Table1.isOpen();
    const bool writable = open && !Table1.readOnly();
    const bool changing = open && Table1.state() != Table::State::Browse;
    const size_t record = Table1.recordNumber();
    const size_t records = Table1.recordCount();
    NavFirst->setEnabled(open && record > 1);
    NavPrior->setEnabled(open && record > 1);
    NavNext->setEnabled(open && record < records);
    NavLast->setEnabled(open && record < records);
    NavInsert->setEnabled(writable);
    NavDelete->setEnabled(writable && records > 0);
    NavEdit->setEnabled(writable && !changing);
    NavPost->setEnabled(changing);
    NavCancel->setEnabled(changing);
    DBGrid1->refresh();
}

} // namespace verdalis::reports
