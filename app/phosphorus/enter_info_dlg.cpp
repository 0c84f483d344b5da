#include "phosphorus/enter_info_dlg.h"

#include "phosphorus/nutrient_texts.h"
#include "phosphorus/table_access.h"
#include "util/text_case.h"
#include "reports/dialog_buttons.h"
#include "ui/application.h"
#include "util/case_insensitive_path.h"
#include "util/field_split.h"
#include "util/number_format.h"
#include "util/number_text.h"

#include <cmath>

namespace verdalis::phosphorus {

namespace {

namespace fs = std::filesystem;

// The columns of the working table, in grid order.
enum Column : int {
    DescriptionColumn,
    AmountColumn,
    UnitsColumn,
    PercentColumn,
    PoundsColumn,
    ContentUnitColumn,
    MethodColumn,
};
const std::vector<FieldDef> workingColumns{
    {"Description", FieldType::Text, 34},      {"Yearly_App_Amount", FieldType::Text, 10},
    {"Application_Units", FieldType::Text, 10}, {"%_P205", FieldType::Text, 10},
    {"lb_P205", FieldType::Text, 10},          {"Content_Unit", FieldType::Text, 12},
    {"AppMethod", FieldType::Text, 54},
};
// The nutrient dialog's and the BMP dialog's working tables in the program folder.
constexpr const char* workingTables[] = {"FertInfoTbl.db", "CropInfoTbl.dbf", "CCropInfoTbl.dbf", "BMPInfoTbl.db",
                                         "BMPInfoTbl.dbf"};
constexpr std::string_view fertilizerType = "Fertilizer";
constexpr std::string_view sourceTable = "NutrientSources.db";
constexpr std::string_view methodTable = "AppMethod.db";
// A saved record's marks for a value not entered.
constexpr std::string_view savedNotEntered = "-1";
constexpr std::string_view savedNotEnteredOld = "-9999";
constexpr std::string_view noPounds = "0";

constexpr ui::Geometry formGeometry{0, 0, 760, 480};
constexpr ui::Geometry topPanelGeometry{0, 0, 760, 30};
constexpr ui::Geometry gridGeometry{0, 30, 760, 360};
constexpr ui::Geometry bottomPanelGeometry{0, 390, 760, 40};
constexpr ui::Geometry okGeometry{572, 440, 80, 25};
constexpr ui::Geometry cancelGeometry{664, 440, 80, 25};

bool isNumberKey(ui::Key key)
{
    return key == ui::backspaceKey || key == '.' || (key >= '0' && key <= '9');
}

float enteredNumber(const std::string& text)
{
    return text.empty() ? shell::nutrientNotEntered : static_cast<float>(textToNumber(text));
}

bool savedAsNotEntered(std::string_view item)
{
    return item == savedNotEntered || item == savedNotEnteredOld;
}

} // namespace

TEnterInfoDlg::TEnterInfoDlg(const ProgramDirs& dirs, ui::Dialogs& dialogs, ui::Application& application,
                             ui::BatchState& batch)
    : ui::Form("EnterInfoDlg"), dirs_(dirs), dialogs_(dialogs), application_(application), batch_(batch),
      lookups_(dirs, dialogs, batch), sources_(lookups_, dialogs), dispatcher_(dialogs),
      gridSource_(fertInfo_, dialogs)
{
    setCaption(std::string(texts::enterInfoCaption));
    setGeometry(formGeometry);
    setEventDispatcher(&dispatcher_);
    Panel3 = &add<ui::Panel>("Panel3");
    Panel3->setGeometry(topPanelGeometry);
    DBGrid1 = &add<ui::Grid>("DBGrid1");
    DBGrid1->setGeometry(gridGeometry);
    Panel2 = &add<ui::Panel>("Panel2");
    Panel2->setGeometry(bottomPanelGeometry);
    reports::addOkCancelButtons(*this, okGeometry, cancelGeometry);
    DBGrid1->onKeyPress = [this](ui::Key& key) { DBGrid1KeyPress(key); };
    DBGrid1->onExit = [this] { DBGrid1Exit(); };
}

TEnterInfoDlg::~TEnterInfoDlg()
{
    DBGrid1->setSource(nullptr);
}

fs::path TEnterInfoDlg::workingTablePath() const
{
    return resolveCaseInsensitive(dirs_.ProgramDir, fertInfoTableName);
}

bool TEnterInfoDlg::ViewTable(std::string_view fileName)
{
    setCaption(caption() + std::string(texts::captionSeparator) + std::string(fileName));
    if (toLowerAscii(fileName) != toLowerAscii(fertInfoTableName)) {
        if (!fs::exists(resolveCaseInsensitive(dirs_.ProgramDir, fileName))) {
            dialogs_.error(texts::invalidFileName);
        }
        return false;
    }
    if (!fs::exists(workingTablePath()) && !createWorkingTable()) {
        return false;
    }
    fertInfo_.open(dirs_.ProgramDir, fertInfoTableName, TableType::Paradox);
    fertInfo_.first();
    Panel3->setCaption({});
    Panel2->setCaption({});
    prepareGrid();
    return true;
}

bool TEnterInfoDlg::createWorkingTable()
{
    auto nutrientSources = openLocatedTable(lookups_, sourceTable);
    if (!nutrientSources) {
        return false;
    }
    Table::create(dirs_.ProgramDir, fertInfoTableName, TableType::Paradox, workingColumns);
    Table working;
    working.open(dirs_.ProgramDir, fertInfoTableName, TableType::Paradox);
    for (; !nutrientSources->eof(); nutrientSources->next()) {
        working.append();
        working.field("Description").setText(nutrientSources->field("Description").asText());
        working.field("lb_P205").setText(shortestDecimal(nutrientSources->field("lb_P2O5").asFloat()));
        working.field("Content_Unit").setText(nutrientSources->field("Content_Unit").asText());
        working.field("Application_Units").setText(nutrientSources->field("AppUnits").asText());
        working.post();
    }
    return true;
}

void TEnterInfoDlg::prepareGrid()
{
    for (int column = 0; column < static_cast<int>(workingColumns.size()); ++column) {
        DBGrid1->setColumnReadOnly(
            column, column == DescriptionColumn || column == UnitsColumn || column == ContentUnitColumn);
    }
    std::vector<std::string> methods{std::string()};
    if (auto methodTableInUserTables = openTableIn(dirs_.UserTablesDir.string(), methodTable)) {
        for (; !methodTableInUserTables->eof(); methodTableInUserTables->next()) {
            methods.push_back(methodTableInUserTables->field("AppMethod").asText());
        }
    }
    DBGrid1->setColumnPickList(MethodColumn, std::move(methods));
    DBGrid1->setCurrentColumn(DescriptionColumn);
    DBGrid1->setSource(&gridSource_);
    DBGrid1->refresh();
}

void TEnterInfoDlg::CloseTable()
{
    DBGrid1Exit();
    DBGrid1->setSource(nullptr);
    fertInfo_.close();
    ResetCaption(texts::enterInfoCaption);
}

void TEnterInfoDlg::ResetCaption(std::string_view text)
{
    setCaption(std::string(text));
}

void TEnterInfoDlg::DBGrid1Exit()
{
    if (fertInfo_.state() == Table::State::Edit || fertInfo_.state() == Table::State::Insert) {
        fertInfo_.post();
    }
}

std::string TEnterInfoDlg::sourceType(const std::string& description, bool showMessages)
{
    return lookups_.GetTableValue(sourceTable, "Type", "Description", description, {}, {}, {}, {}, showMessages);
}

void TEnterInfoDlg::DBGrid1KeyPress(ui::Key& key)
{
    const int row = gridSource_.currentRow();
    auto refuse = [&] {
        key = ui::noKey;
        application_.beep();
    };
    switch (DBGrid1->currentColumn()) {
    case MethodColumn: refuse(); break;
    case PercentColumn: {
        // Only a fertilizer's P2O5 is given as a percentage.
        const bool fertilizer = row >= 0 && sourceType(gridSource_.cellText(row, DescriptionColumn), false) ==
                                                fertilizerType;
        DBGrid1->setColumnReadOnly(PercentColumn, !fertilizer);
        if (!fertilizer || !isNumberKey(key)) {
            refuse();
        }
        break;
    }
    case PoundsColumn:
    case AmountColumn:
        if (!isNumberKey(key)) {
            refuse();
        }
        break;
    default: break;
    }
}

void TEnterInfoDlg::reportMissingData(const std::string& description)
{
    const std::string text =
        description + std::string(texts::missingDataMiddle) + description + std::string(texts::missingDataEnd);
    if (batch_.BatchRunning) {
        batch_.collect(text);
    } else {
        dialogs_.showMessage(text);
    }
}

bool TEnterInfoDlg::GetFertInfo(shell::CalculationType type, shell::NutrientSummary& nutrients)
{
    const bool runsTamb = type == shell::CalculationType::Tamb || type == shell::CalculationType::ZorvAndTamb;
    std::vector<shell::NutrientSource> accepted;
    try {
        for (fertInfo_.first(); !fertInfo_.eof(); fertInfo_.next()) {
            const std::string description = fertInfo_.field("Description").asText();
            const std::string amount = fertInfo_.field("Yearly_App_Amount").asText();
            const std::string method = fertInfo_.field("AppMethod").asText();
            const std::string percent = fertInfo_.field("%_P205").asText();
            const std::string pounds = fertInfo_.field("lb_P205").asText();
            const bool fertilizer = sourceType(description, true) == fertilizerType;
            const bool complete = (fertilizer && !percent.empty() && !amount.empty()) ||
                                  (fertilizer && !pounds.empty() && pounds != noPounds) ||
                                  (!fertilizer && !amount.empty());
            if (!runsTamb || !complete) {
                if (!amount.empty() || !method.empty() || !percent.empty()) {
                    reportMissingData(description);
                }
                continue;
            }
            if (accepted.size() == static_cast<size_t>(shell::maxNutrientSources)) {
                dialogs_.error(std::string(texts::tooManySourcesStart) + std::to_string(shell::maxNutrientSources) +
                               std::string(texts::tooManySourcesEnd));
                return false;
            }
            shell::NutrientSource& source = accepted.emplace_back();
            source.name = description;
            source.appliedAmount = enteredNumber(amount);
            source.lbP2O5 = enteredNumber(pounds);
            source.pctP2O5 = enteredNumber(percent);
            if (!takeOverRow(source)) {
                return false;
            }
        }
    } catch (const ConversionError& error) {
        dialogs_.error(error.what());
        return false;
    }
    nutrients.sources = std::move(accepted);
    nutrients.count = static_cast<int>(nutrients.sources.size());
    return true;
}

bool TEnterInfoDlg::takeOverRow(shell::NutrientSource& source)
{
    const std::string method = fertInfo_.field("AppMethod").asText();
    if (method.empty()) {
        dialogs_.error(texts::methodNotSelected);
        return false;
    }
    const std::string factor = lookups_.GetTableValue(methodTable, "AppFactor", "AppMethod", method);
    if (factor.empty() || factor == kLookupError) {
        dialogs_.error(std::string(texts::appFactorMissing) + method);
        return false;
    }
    source.appFactor = static_cast<float>(textToNumber(factor));
    const double methodId = textToNumber(lookups_.GetTableValue(methodTable, "AppID", "AppMethod", method));
    source.appMethodId = std::to_string(roundHalfEven(methodId));
    return true;
}

bool TEnterInfoDlg::SetFertInfo(const SavedNutrientTexts& saved)
{
    const int sourceCount = FieldCount(saved.NutrientID, ',');
    const int methodCount = FieldCount(saved.AppMethod, ',');
    if (sourceCount != methodCount) {
        const std::string text = std::string(texts::countMismatchStart) + std::to_string(sourceCount) +
                                 std::string(texts::countMismatchMiddle) + std::to_string(methodCount);
        batch_.BatchMessage = text;
        if (batch_.BatchRunning) {
            batch_.BatchMessagePending = true;
        } else {
            dialogs_.error(text);
        }
        return false;
    }
    if (!fs::exists(workingTablePath())) {
        dialogs_.error(texts::workingTableMissing);
        return false;
    }
    fertInfo_.open(dirs_.ProgramDir, fertInfoTableName, TableType::Paradox);
    bool written = true;
    for (int item = 1; written && item <= sourceCount; ++item) {
        written = writeSavedSource(saved, item);
    }
    fertInfo_.close();
    return written;
}

bool TEnterInfoDlg::writeSavedSource(const SavedNutrientTexts& saved, int item)
{
    const std::string description =
        lookups_.GetTableValue(sourceTable, "Description", "Source_ID", GetField(saved.NutrientID, item, ','));
    const std::string method =
        lookups_.GetTableValue(methodTable, "AppMethod", "AppID", GetField(saved.AppMethod, item, ','));
    const std::string defaultPounds = lookups_.GetTableValue(sourceTable, "lb_P2O5", "Description", description);
    if (description == kLookupError || method == kLookupError || defaultPounds == kLookupError) {
        return false;
    }
    if (!fertInfo_.locate("Description", description)) {
        dialogs_.error(std::string(texts::descriptionNotLocatedStart) + description +
                       std::string(texts::descriptionNotLocatedEnd));
        return false;
    }
    const std::string amount = GetField(saved.NutrientLB, item, ',');
    const std::string pounds = GetField(saved.ManureP2O5, item, ',');
    const std::string percent = GetField(saved.Pct_P2O5, item, ',');
    fertInfo_.edit();
    fertInfo_.field("Yearly_App_Amount").setText(savedAsNotEntered(amount) ? std::string() : amount);
    fertInfo_.field("lb_P205").setText(savedAsNotEntered(pounds) ? defaultPounds : pounds);
    fertInfo_.field("AppMethod").setText(method);
    fertInfo_.field("%_P205").setText(savedAsNotEntered(percent) ? std::string() : percent);
    fertInfo_.post();
    return true;
}

std::string TEnterInfoDlg::sourceId(const std::string& description) const
{
    return lookups_.GetTableValue(sourceTable, "Source_ID", "Description", description);
}

void TEnterInfoDlg::DeleteTables()
{
    if (fertInfo_.isOpen()) {
        CloseTable();
    }
    for (const char* name : workingTables) {
        std::error_code ignored;
        fs::remove(resolveCaseInsensitive(dirs_.ProgramDir, name), ignored);
    }
}

std::vector<std::string> TEnterInfoDlg::cropNames()
{
    std::vector<std::string> names;
    GetCropStrings(dirs_.CropTablesDir.string(), dialogs_, names);
    return names;
}

} // namespace verdalis::phosphorus
