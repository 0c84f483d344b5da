#include "reports/view_tables_tab.h"

#include "reports/password_dlg.h"
#include "reports/password_sets.h"
#include "reports/report_texts.h"
#include "reports/table_info_listing.h"
#include "reports/view_table_dlg.h"
#include "tables/table_lookups.h"
#include "ui/application.h"
#include "ui/dialogs.h"

#include <stdexcept>

namespace verdalis::reports {

namespace {

constexpr std::string_view userTableFileName = "UserInputs.dbf";

constexpr int buttonLeft = 16;
constexpr int buttonTop = 16;
constexpr int buttonWidth = 220;
constexpr int buttonHeight = 25;
constexpr int buttonSpacing = 30;
constexpr ui::Geometry groupGeometry{256, 8, 520, 440};
constexpr ui::Geometry infoTextGeometry{8, 20, 504, 372};
constexpr ui::Geometry printGeometry{8, 402, 75, 25};
constexpr ui::Geometry clearGeometry{96, 402, 75, 25};
constexpr ui::Geometry printedLabelGeometry{184, 408, 200, 13};

// "Yields_And_N_Factors.DB" gives "YieldsAndNFactors".
std::string controlStem(std::string_view fileName)
{
    std::string stem = std::filesystem::path(fileName).stem().string();
    std::erase(stem, '_');
    return stem;
}

} // namespace

const std::vector<std::string_view>& ViewTablesTab::tableFileNames()
{
    static const std::vector<std::string_view> names = {
        "Yields_And_N_Factors.DB",
        "Crops.db",
        "NutrientSources.db",
        "BMP_N_Factors.db",
        "BMP_P_Factors.db",
        "AppMethod.db",
        "Curve_Number.db",
        "Soil_Mapunits.db",
        "County_Stations.db",
        "Yield_Reduction_Factors.db",
        "BMP_List.db",
        "CoverCropTable.dbf",
        "PartPDelivery.db",
        userTableFileName,
    };
    return names;
}

ViewTablesTab::ViewTablesTab(ui::TabSheet& sheet, TViewTableDlg& viewer, TPasswordDlg& passwordDlg,
                             const TableLookups& lookups, ui::Dialogs& dialogs, ui::Application& application)
    : viewer_(viewer), passwordDlg_(passwordDlg), lookups_(lookups), dialogs_(dialogs),
      application_(application)
{
    ui::Form* form = sheet.form();
    if (form == nullptr) {
        throw std::logic_error("the View Tables tab must be part of a form before it is built");
    }
    int slot = 0;
    for (std::string_view fileName : tableFileNames()) {
        addTableButton(sheet, *form, fileName, slot++);
    }
    buildTableInfoGroup(sheet);
}

void ViewTablesTab::addTableButton(ui::TabSheet& sheet, ui::Form& form, std::string_view fileName, int slot)
{
    const std::string stem = controlStem(fileName);
    ui::Button& button = sheet.add<ui::Button>(stem + "Btn", std::string(fileName));
    button.setGeometry({buttonLeft, buttonTop + slot * buttonSpacing, buttonWidth, buttonHeight});
    button.onClick = [this, &button] { ViewTablesClick(button); };

    ui::PopupMenu& menu = form.add<ui::PopupMenu>(stem + "Menu");
    button.setPopupMenu(&menu);
    if (fileName == userTableFileName) {
        ui::MenuItem& clear = menu.add<ui::MenuItem>(stem + "ClearItem", std::string(texts::clearTableCaption));
        clear.onClick = [this] {
            if (onClearUserTable) {
                onClearUserTable();
            }
        };
    } else {
        ui::MenuItem& info = menu.add<ui::MenuItem>(stem + "InfoItem", std::string(texts::listViewTableInfoCaption));
        info.onClick = [this, &button] { ListViewTableInfo1Click(button); };
    }
    tableButtons.push_back(&button);
}

void ViewTablesTab::buildTableInfoGroup(ui::TabSheet& sheet)
{
    TableInfoGroup = &sheet.add<ui::GroupBox>("TableInfoGroup", std::string(texts::tableInfoCaption));
    TableInfoGroup->setGeometry(groupGeometry);
    TableInfoGroup->hide();
    RichEdit4 = &TableInfoGroup->add<ui::RichText>("RichEdit4");
    RichEdit4->setGeometry(infoTextGeometry);
    RichEdit4->setReadOnly(true);
    RichEdit4->setWordWrap(false);
    PrintTableInfoBtn = &TableInfoGroup->add<ui::Button>("PrintTableInfoBtn", "Print");
    PrintTableInfoBtn->setGeometry(printGeometry);
    PrintTableInfoBtn->onClick = [this] {
        printInformationDocument(informationDocument(), texts::documentPrinted, dialogs_, application_);
    };
    ClearColNamesBtn = &TableInfoGroup->add<ui::Button>("ClearColNamesBtn", "Clear");
    ClearColNamesBtn->setGeometry(clearGeometry);
    ClearColNamesBtn->onClick = [this] { ClearColNamesBtnClick(); };
    PrintLBL4 = &TableInfoGroup->add<ui::Label>("PrintLBL4");
    PrintLBL4->setGeometry(printedLabelGeometry);
    PrintLBL4->hide();
}

std::optional<std::filesystem::path> ViewTablesTab::locateTable(const ui::Button& button) const
{
    const std::string location = lookups_.GetTableLocation(button.caption());
    if (location == kLookupError) {
        return std::nullopt;
    }
    return std::filesystem::path(location);
}

void ViewTablesTab::ViewTablesClick(const ui::Button& button)
{
    const auto path = locateTable(button);
    if (!path || !std::filesystem::is_regular_file(*path)) {
        return;
    }
    viewer_.ViewTable(*path, false, false);
    if (viewer_.showModal(application_) == ui::ModalResult::Ok) {
        viewer_.CloseTable();
    }
}

void ViewTablesTab::ListViewTableInfo1Click(const ui::Button& button)
{
    const auto entry = passwordDlg_.ask(application_);
    if (!entry) {
        return;
    }
    if (!isReportViewPassword(*entry)) {
        dialogs_.error(texts::passwordInvalid);
        TableInfoGroup->hide();
        return;
    }
    TableInfoGroup->show();
    const auto path = locateTable(button);
    if (!path) {
        dialogs_.error(texts::tableInfoError);
        return;
    }
    for (const std::string& line : tableInfoLines(*path)) {
        RichEdit4->appendLine(line);
    }
}

void ViewTablesTab::ClearColNamesBtnClick()
{
    PrintLBL4->hide();
    RichEdit4->clear();
}

} // namespace verdalis::reports
