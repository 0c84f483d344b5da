// The main window's handlers of creation, the deferred start-up, the
// automatic update switch and closing.
#include "shell/main_form.h"

#include "shell/reference_lists.h"
#include "shell/shell_texts.h"
#include "shell/user_input_table.h"
#include "tables/version_record.h"
#include "util/case_insensitive_path.h"
#include "util/running_processes.h"
#include "util/settings_file.h"
#include "util/short_date.h"
#include "util/text_case.h"
#include "util/text_trim.h"

#include <filesystem>

namespace verdalis::shell {

namespace {

namespace fs = std::filesystem;

inline constexpr std::string_view userTableName = "UserInputs.dbf";
inline constexpr std::string_view autoCheckSettingsName = "AutoCheckSettings.ini";
inline constexpr std::string_view downloadSettingsSection = "Download Settings";
inline constexpr std::string_view autoCheckKey = "AutoCheckForUpdates";
// Crop group layout: how far the right-hand controls keep from the edge.
inline constexpr int cropBoxMargin = 12;
inline constexpr int tillageLabelMargin = 137;

// Files earlier releases left behind, by the directory they lie in.
struct OldReleaseFiles {
    std::string ProgramValues::*directory;
    std::vector<std::string_view> names;
};

const std::vector<OldReleaseFiles>& oldReleaseFiles()
{
    static const std::vector<OldReleaseFiles> files{
        {&ProgramValues::ProgramDir, {"Tambtool.exe", "Zorv_Tamb.exe"}},
        {&ProgramValues::UserTablesDir,
         {"NFactorTable.DBF", "RyeTable.DBF", "S5ID.db", "Assess.db", "Rye_NFactor_Table.db", "Fertilizer.db"}},
        {&ProgramValues::BMPRelatedDir, {"BufferWidth.db"}},
        {&ProgramValues::CropTablesDir,
         {"cn_crops.db", "cn_conditions.db", "cn_lookup.db", "DrnModParams.db", "ETParams.db", "NUEtable.dbf"}},
        {&ProgramValues::CountyTablesDir,
         {"MapUnitData.db", "Stations.db", "County_Info.db", "County_Mapunits.db"}},
    };
    return files;
}

CalendarDate toCalendarDate(const ui::Date& date)
{
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

} // namespace

void TForm1::wireHandlers()
{
    control<ui::Button>("ExitBtn").onClick = [this] { ExitBtnClick(); };
    for (const char* startButton : {"ZorvBtn", "TambBtn", "NPBtn"}) {
        control<ui::Button>(startButton).onClick = [this] {
            auto& start = control<ui::Panel>("StartPnl");
            start.sendToBack();
            start.hide();
            control<ui::Panel>("Panel1").show();
        };
    }
    control<ui::PageControl>("PageControl1").onChange = [this] { PageControl1Change(); };
    onResize = [this] { FormResize(); };
    onClose = [this](ui::CloseAction& action) { FormClose(action); };
    control<ui::MenuItem>("AutoCheck1").onClick = [this] {
        SetAutoChecking(!control<ui::MenuItem>("AutoCheck1").checked());
    };

    for (const char* typeButton : {"InZorvrb", "InTambrb", "InZorvTambrb"}) {
        auto& button = control<ui::RadioButton>(typeButton);
        button.onClick = [this, &button] { CalculationTypeClick(button); };
    }
    control<ui::Button>("CalculateBtn").onClick = [this] { CalculateBtnClick(); };
    control<ui::Button>("ResetBtn").onClick = [this] { ResetBtnClick(); };
    control<ui::Label>("Label1").onClick = [this] { Label1Click(); };
    control<ui::Label>("HelpLBL").onClick = [this] { Label1Click(); };
    // The county, map unit, crop and tillage boxes get their handlers from
    // the input choices module (inputs/input_changes.h).
}

void TForm1::FormCreate()
{
    values.SupportContactText = std::string(texts::supportContact);
    // The single-instance rule counts the copies started from this very
    // executable; a copy in another folder is another program.
    const int instances =
        countMatchingProcesses(services_.processes.listProcesses(), services_.executablePath, /*fullPath=*/true);
    if (instances < 2) {
        setWindowState(ui::WindowState::Maximized);
        services_.application.runWhenIdle([this] { dispatcher_.run([this] { AppIdle(); }); });
    } else {
        services_.dialogs.error(texts::alreadyRunning);
        services_.application.terminate();
    }
    auto& pages = control<ui::PageControl>("PageControl1");
    if (pages.activePage() != nullptr) {
        pages.activePage()->setHighlighted(true);
    }
    keepCropControlsInGroup();
}

void TForm1::keepCropControlsInGroup()
{
    auto& secondCrop = control<ui::ComboBox>("CropBox2");
    if (secondCrop.left() + secondCrop.width() >= control<ui::GroupBox>("CropInfoGB").width()) {
        placeRightHandCropControls();
    }
}

void TForm1::placeRightHandCropControls()
{
    const int groupWidth = control<ui::GroupBox>("CropInfoGB").width();
    auto& secondCrop = control<ui::ComboBox>("CropBox2");
    secondCrop.setLeft(groupWidth - secondCrop.width() - cropBoxMargin);
    control<ui::Label>("Crop2LBL").setLeft(secondCrop.left());
    auto& tillageLabel = control<ui::Label>("TillageLBL");
    tillageLabel.setLeft(groupWidth - tillageLabel.width() - tillageLabelMargin);
    auto& tillage = control<ui::ComboBox>("TillageCBNew");
    tillage.setLeft(groupWidth - tillage.width() - cropBoxMargin);
}

ProgramDirs programDirsOf(const std::string& executablePath)
{
    // The folder of the running executable, without blanks around it.
    const std::string executableDir = fs::path(executablePath).parent_path().string();
    return ProgramDirs::under(std::string(trimText(executableDir)));
}

void TForm1::AppIdle()
{
    values.BaseCaption = caption();
    values.ProductCode = std::string(texts::productCode);

    const ProgramDirs dirs = programDirsOf(services_.executablePath);
    values.ProgramDir = dirs.ProgramDir.string();
    values.UserTablesDir = dirs.UserTablesDir.string();
    values.CountyTablesDir = dirs.CountyTablesDir.string();
    values.BMPRelatedDir = dirs.BMPRelatedDir.string();
    values.CropTablesDir = dirs.CropTablesDir.string();

    parts_.updates.initialiseSwitches();
    showVersionInCaption();

    const auto userTableExists = [this] {
        return fs::exists(resolveCaseInsensitive(values.UserTablesDir, userTableName));
    };
    if (!userTableExists()) {
        services_.dialogs.showMessage(texts::creatingInputTable);
        CreateNewUserInputTable(values.UserTablesDir, userTableName);
    }
    removeOldReleaseFiles();
    fillCropLists();
    if (!fillPickLists()) {
        return;
    }
    if (userTableExists()) {
        values.RecordNameList = readRecordNameList(values.UserTablesDir, userTableName);
    }

    values.UserTablePath = values.UserTablesDir + "/" + std::string(userTableName);
    if (userTableExists()) {
        parts_.recordTable.openATable();
        startupComplete_ = true;
    } else {
        services_.dialogs.error(std::string(userTableName) + std::string(texts::doesNotExist));
    }
    control<ui::Label>("LoadingLBL").hide();
    readAutoCheckSetting();
    checkForUpdatesWhenDue();
}

void TForm1::showVersionInCaption()
{
    const ProgramDirs dirs = values.programDirs();
    const VersionInfo version = LoadVersionInfo(dirs, services_.dialogs);
    values.VersionNumber = version.VersionNumber;
    values.VersionNumberText = version.VersionNumberText;
    values.VersionDateText = version.VersionDateText;
    std::string shown = values.BaseCaption + "     v" + values.VersionNumberText + "  " + values.VersionDateText;
    if (IsPrivateRelease(dirs)) {
        shown += texts::privateRelease;
    }
    setCaption(std::move(shown));
}

void TForm1::removeOldReleaseFiles()
{
    for (const auto& group : oldReleaseFiles()) {
        for (std::string_view name : group.names) {
            std::error_code ignored;
            fs::remove(resolveCaseInsensitive(values.*group.directory, name), ignored);
        }
    }
    parts_.nutrients.deleteTables();
}

void TForm1::fillCropLists()
{
    const std::vector<std::string> crops = parts_.nutrients.cropNames();
    for (const char* name : {"CropBox", "CropBox2"}) {
        auto& box = control<ui::ComboBox>(name);
        box.clearItems();
        box.setSorted(true);
        box.addItems(crops);
    }
}

bool TForm1::fillPickLists()
{
    struct PickList {
        std::string_view table;
        const std::string& directory;
        ReferenceListRead read;
        std::vector<const char*> boxes;
    };
    values.ZorvTillageId = "0";
    values.Tillage_ID = "0";
    const PickList lists[] = {
        {"PartPDelivery.db", values.UserTablesDir, readReceivingSlopeDistances, {"RecSlopeDistCB"}},
        {"County_Stations.db", values.CountyTablesDir, readCountyNames, {"CountyBox"}},
        {"Tillage.db", values.UserTablesDir, readTillageNames, {"TillageCBNew", "TillageZorvBox"}},
    };
    for (const PickList& list : lists) {
        if (!fs::exists(resolveCaseInsensitive(list.directory, list.table))) {
            services_.dialogs.error(texts::missingStartupTable(list.table, list.directory));
            return false;
        }
        const std::vector<std::string> items = list.read(list.directory);
        for (const char* box : list.boxes) {
            control<ui::ComboBox>(box).addItems(items);
        }
    }
    return true;
}

void TForm1::readAutoCheckSetting()
{
    const SettingsFile settings(fs::path(values.ProgramDir) / autoCheckSettingsName);
    const std::string stored = settings.readString(downloadSettingsSection, autoCheckKey);
    SetAutoChecking(stored != kMissingSetting && !equalsIgnoringCase(stored, "false"));
}

void TForm1::SetAutoChecking(bool on)
{
    control<ui::MenuItem>("AutoCheck1").setChecked(on);
    SettingsFile settings(fs::path(values.ProgramDir) / autoCheckSettingsName);
    settings.writeString(downloadSettingsSection, autoCheckKey, on ? "true" : "false");
}

void TForm1::checkForUpdatesWhenDue()
{
    if (!control<ui::MenuItem>("AutoCheck1").checked()) {
        return;
    }
    const std::string lastCheckText = parts_.updates.readLastCheckDate();
    const auto today = toCalendarDate(services_.clock.today());
    const auto lastCheck = ShortDateFormat().tryParse(lastCheckText, [today] { return today; });
    // A date that cannot be read counts as long ago: the check is due.
    if (!lastCheck || today > *lastCheck) {
        parts_.updates.checkForUpdates();
    }
}

void TForm1::FormClose(ui::CloseAction& action)
{
    auto& exit = control<ui::Button>("ExitBtn");
    if (exit.visible()) {
        parts_.recordTable.closeTable();
        parts_.nutrients.deleteTables();
        FreeProgramLists();
        action = ui::CloseAction::Hide;
        return;
    }
    services_.dialogs.information(texts::closingConnection);
    parts_.updates.disconnect();
    exit.show();
    action = ui::CloseAction::None;
}

void TForm1::FreeProgramLists()
{
    values.RecordNameList.clear();
}

void TForm1::ExitBtnClick()
{
    close();
}

void TForm1::FormResize()
{
    auto& log = control<ui::RichText>("CalcRichEdit");
    log.setWidth(width() - log.left() - 15);
}

void TForm1::AddToCalcRichEdit(std::string_view text, rtf::FontStyle style, Color color)
{
    auto& log = control<ui::RichText>("CalcRichEdit");
    if (style != rtf::styles::plain) {
        rtf::CharFormat format = log.insertionFormat();
        format.style = style;
        format.color = color;
        log.appendLine(text, format);
    } else {
        log.appendLine(text);
    }
}

} // namespace verdalis::shell
