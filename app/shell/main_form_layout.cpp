// The controls of the main window, where they sit and what they say. The
// window is laid out for 1280 x 800; the Main tab keeps its groups in three
// columns with the results on the right and the calculation log below.
// Controls are created in the order the keyboard focus moves through them:
// identification, location, soil, drainage, hydrology, crops, nutrients.
#include "shell/control_layout.h"
#include "shell/main_form.h"

#include <algorithm>
#include "shell/shell_texts.h"

namespace verdalis::shell {

using namespace layout;
using ui::ComboStyle;

namespace {

inline constexpr ui::Geometry windowGeometry{0, 0, 1280, 800};
inline constexpr int toolbarHeight = 40;
inline constexpr int firstCroppingYear = 1980;
// The list reaches at least this year, and the current year when that is
// later, so that a full reset can always select the year a planner works in.
inline constexpr int lastListedCroppingYear = 2015;

// The Main tab's columns.
inline constexpr int column1 = 8;
inline constexpr int column2 = 306;
inline constexpr int column3 = 614;
inline constexpr int resultsColumn = 1084;
inline constexpr int groupsTop = 52;
inline constexpr int cropGroupWidth = 460;

} // namespace

TForm1::TForm1(ShellServices services, MainWindowParts parts)
    : ui::Form("Form1"), services_(services), parts_(parts), dispatcher_(services.dialogs)
{
    setCaption(std::string(texts::applicationTitle));
    setGeometry(windowGeometry);
    setEventDispatcher(&dispatcher_);
    buildToolbar();
    buildStartPanel();
    buildPages();
    wireHandlers();
    // The designed state of the outputs and the phosphorus groups.
    ResetZorvCalculationOutputs();
    ResetTambCalculationOutputs();
    ResetSoilGB();
    ResetHydroGB();
    ResetDrainageGB();
}

void TForm1::buildToolbar()
{
    auto& toolbar = panel(*this, "Panel1", {0, 0, windowGeometry.width, toolbarHeight});
    toolbar.hide();
    giveHint(button(toolbar, "ExitBtn", "Exit", 8, 6, 70), "Exit");
    auto& search = button(toolbar, "SearchBtn", "Search", 84, 6, 70);
    giveHint(search, "Search Records");
    search.setEnabled(false);

    auto& navigator = panel(toolbar, "DBNavigator1", {164, 6, 300, buttonHeight});
    struct NavigatorButton {
        const char* name;
        const char* caption;
        const char* hint;
    };
    constexpr NavigatorButton navigatorButtons[] = {
        {"NavFirstBtn", "First", "First record"},    {"NavPriorBtn", "Prior", "Previous record"},
        {"NavNextBtn", "Next", "Next record"},       {"NavLastBtn", "Last", "Last record"},
        {"NavDeleteBtn", "Delete", "Delete record"},
    };
    int left = 0;
    for (const auto& entry : navigatorButtons) {
        giveHint(button(navigator, entry.name, entry.caption, left, 0, 60), entry.hint);
        left += 60;
    }

    button(toolbar, "CreateTableBtn", "Create New Table", 474, 6, 130).hide();
    auto& download = button(toolbar, "DownloadBtn", "Download Updates", 474, 6, 140);
    auto& menu = add<ui::PopupMenu>("DownloadPopup");
    menu.add<ui::MenuItem>("ForceAutomaticDownload1", "Force Automatic Download");
    menu.add<ui::MenuItem>("AutoCheck1", "Automatically Check For Updates");
    download.setPopupMenu(&menu);
}

void TForm1::buildStartPanel()
{
    auto& start = panel(*this, "StartPnl", {0, 0, windowGeometry.width, toolbarHeight});
    label(start, "StartLBL", "Choose what to assess:", 8, 12, 150);
    button(start, "ZorvBtn", "Zorv", 164, 6, 120);
    button(start, "TambBtn", "Tamb", 290, 6, 120);
    button(start, "NPBtn", "Zorv And Tamb", 416, 6, 140);
}

void TForm1::buildPages()
{
    auto& pages = add<ui::PageControl>("PageControl1");
    pages.setGeometry({0, toolbarHeight, windowGeometry.width, windowGeometry.height - toolbarHeight});

    auto& main = pages.add<ui::TabSheet>("TS_Main", "Main");
    main.setEnabled(false);
    buildMainTab(main);

    auto& recordView = pages.add<ui::TabSheet>("TS_RecordView", "Record View");
    auto& gridPanel = panel(recordView, "GridViewPnl", {0, 0, 1272, toolbarHeight});
    gridPanel.hide();
    button(gridPanel, "RestoreBackupBtn", "Restore Backup", 8, 6, 130).setEnabled(false);
    auto& grid = recordView.add<ui::Grid>("DBGrid1");
    grid.setGeometry({0, toolbarHeight + 4, 1264, 670});
    grid.hide();
    label(recordView, "LoadingLBL", "Loading User Table, Please Wait...", 20, 60, 260);

    // The program entry builds the table buttons into it.
    pages.add<ui::TabSheet>("TS_ViewTables", "View Tables");

    buildDocumentTab(pages.add<ui::TabSheet>("TS_Subwatersheds", "Impaired Subwatersheds"), "SubwatershedsRE",
                     "PrintLBL3");
    buildDocumentTab(pages.add<ui::TabSheet>("TS_AboutZorvTamb", "About Zorv and Tamb"), "ManualRE", "PrintLBL");
    buildDocumentTab(pages.add<ui::TabSheet>("TS_VersionChanges", "Version History"), "VersionChangesRE",
                     "PrintLBL5");
    buildDocumentTab(pages.add<ui::TabSheet>("TS_Credits", "Credits"), "CreditsRE", "PrintLBL2");
    pages.setActivePage(&main);
}

void TForm1::buildDocumentTab(ui::TabSheet& tab, std::string_view viewer, std::string_view printLabel)
{
    const std::string suffix(viewer.substr(0, viewer.size() - 2));
    auto& header = panel(tab, suffix + "HeaderPnl", {0, 0, 1272, toolbarHeight});
    button(header, suffix + "PrintBtn", "Print", 8, 6, 80);
    label(header, std::string(printLabel), "Printing...", 100, 12, 200).hide();
    auto& text = tab.add<ui::RichText>(std::string(viewer));
    text.setGeometry({0, toolbarHeight, 1268, 680});
    text.setReadOnly(true);
}

void TForm1::buildMainTab(ui::TabSheet& tab)
{
    buildRecordPanel(tab);
    buildInputGroups(tab);
    buildCropGroup(tab);
    buildApplicationGroup(tab);
    buildResults(tab);

    auto& log = tab.add<ui::RichText>("CalcRichEdit");
    log.setGeometry({column1, 566, windowGeometry.width - column1 - 15, 150});
    log.setReadOnly(true);
    log.setWordWrap(false);
    log.hide();
}

void TForm1::buildRecordPanel(ui::Control& tab)
{
    auto& records = panel(tab, "RecordViewPnl", {0, 0, 1272, 44});
    records.hide();
    label(records, "CalcTypeLBL", "Calculation:", 8, 14, 80);
    radioButton(records, "InZorvrb", "Zorv", 92, 12, 70);
    radioButton(records, "InTambrb", "Tamb", 166, 12, 70);
    radioButton(records, "InZorvTambrb", "Zorv And Tamb", 240, 12, 130);
    auto& viewResults = button(records, "ViewResultsBtn", "View/Print Results", 420, 8, 150);
    auto& viewResultsMenu = add<ui::PopupMenu>("ViewResultsPopUp");
    viewResultsMenu.add<ui::MenuItem>("ViewDetailedCalculations1", "View/Print Detailed Calculations");
    viewResults.setPopupMenu(&viewResultsMenu);
    giveHint(button(records, "SaveBtn", "Save", 576, 8, 80), "Save Record");
    button(records, "NewRecordBtn", "New", 662, 8, 80);
    button(records, "GetRecordBtn", "Get", 748, 8, 80);
    button(records, "ResetBtn", "RESET", 834, 8, 80);
}

void TForm1::buildInputGroups(ui::Control& tab)
{
    auto& identification = groupBox(tab, "GroupBox1", "Identification", {column1, groupsTop, 290, 150});
    label(identification, "CroppingYearLBL", "Calendar Year", 10, 26, 110);
    auto& years = comboBox(identification, "CroppingYearBox", ComboStyle::DropDownList, 125, 22, 155);
    const int currentYear = static_cast<int>(services_.clock.today().year());
    for (int year = firstCroppingYear; year <= std::max(lastListedCroppingYear, currentYear); ++year) {
        years.addItem(std::to_string(year));
    }
    label(identification, "TractNumLBL", "Tract Number", 10, 56, 110);
    edit(identification, "TractNumBox", 125, 52, 155);
    label(identification, "ProducerIDLBL", "Producer ID", 10, 86, 110);
    edit(identification, "ProducerIDBox", 125, 82, 155);
    label(identification, "FieldNumLBL", "Field Number", 10, 116, 110);
    edit(identification, "FieldNumBox", 125, 112, 155);

    auto& location = groupBox(tab, "GroupBox4", "Location", {column1, 210, 290, 116});
    label(location, "CountyLBL", "County", 10, 22, 200);
    comboBox(location, "CountyBox", ComboStyle::DropDownList, 10, 38, 270).setSorted(true);
    label(location, "SoilMapUnitLBL", "Mapping Unit", 10, 66, 200);
    comboBox(location, "SoilMapUnitBox", ComboStyle::DropDownList, 10, 82, 270).setSorted(true);

    auto& soil = groupBox(tab, "SoilGB", "Soil", {column2, groupsTop, 300, 250});
    label(soil, "SoilLossLBL", "Soil Loss (t/ac/yr)", 10, 24, 180);
    edit(soil, "SoilLossED", 190, 20, 100);
    label(soil, "RecSlopeDistLBL", "Receiving Slope Dist.   ( ft. )", 10, 56, 180);
    comboBox(soil, "RecSlopeDistCB", ComboStyle::DropDownList, 190, 52, 100);
    auto& soilTest =
        label(soil, "SoilTestP1lbl", "Soil Test (P-Index,                           Mehlich 3P)", 10, 90, 150, 36);
    soilTest.setWordWrap(true);
    label(soil, "zeroTo8LBL1", "0\" - 8\"", 170, 84, 110);
    edit(soil, "SoilTestP1ED", 170, 100, 110);
    label(soil, "twentyeightTo32LBL1", "28\" - 32\"", 170, 130, 110);
    edit(soil, "SoilTestP2ED", 170, 146, 110);
    label(soil, "WeightVolumeRatioLBL", "Weight: Volume-W/V  (Optional)", 10, 180, 270);
    label(soil, "ZeroTo8LBL2", "0\" - 8\"", 10, 200, 110);
    edit(soil, "WVRED1", 10, 216, 110);
    label(soil, "TwentyEightTo32LBL2", "28\" - 32\"", 170, 200, 110);
    edit(soil, "WVRED2", 170, 216, 110);

    auto& drainage = groupBox(tab, "DrainageGB", "Drainage", {column2, 310, 300, 160});
    auto& question = label(drainage, "Label1",
                           "Artificial Drainage System, Poorly Drained Conditions, or High Water Table?", 10, 20,
                           230, 50);
    question.setWordWrap(true);
    label(drainage, "HelpLBL", "Help", 250, 20, 40).setFontColor(colors::blue);
    radioButton(drainage, "RD_Yes", "Yes", 10, 74, 60);
    radioButton(drainage, "RD_No", "No", 80, 74, 60);
    label(drainage, "DSpacingLBL", "Spacing    ( ft. )", 10, 102, 120);
    edit(drainage, "DrainageSpacingED", 10, 118, 100);
    label(drainage, "DDepthLBL", "Depth   ( in. )", 150, 102, 120);
    edit(drainage, "DrainageDepthED", 150, 118, 100);

    auto& hydrology = groupBox(tab, "HydroGB", "Hydrologic Condition", {column2, 478, 300, 56});
    radioButton(hydrology, "HCGood", "Good", 10, 26, 80);
    radioButton(hydrology, "HCFair", "Fair", 100, 26, 80);
    radioButton(hydrology, "HCPoor", "Poor", 190, 26, 80);

    for (const char* group : {"GroupBox1", "GroupBox4", "SoilGB", "DrainageGB", "HydroGB"}) {
        control<ui::GroupBox>(group).hide();
    }
}

void TForm1::buildCropGroup(ui::Control& tab)
{
    auto& crops = groupBox(tab, "CropInfoGB", "Cropping Systems", {column3, groupsTop, cropGroupWidth, 222});
    crops.hide();
    label(crops, "Croplbl", "Current Crop", 8, 20, 210);
    comboBox(crops, "CropBox", ComboStyle::DropDownList, 8, 36, 210);
    label(crops, "Crop2LBL", "Most Erosive Crop/Waste Applied", 238, 20, 210);
    comboBox(crops, "CropBox2", ComboStyle::DropDownList, 238, 36, 210);
    label(crops, "TillageZorvlbl", "Tillage (Zorv)", 8, 68, 210).hide();
    comboBox(crops, "TillageZorvBox", ComboStyle::DropDownList, 8, 84, 210).hide();
    label(crops, "TillageLBL", "Tillage (Tamb)", 233, 68, 90).hide();
    comboBox(crops, "TillageCBNew", ComboStyle::DropDownList, 238, 84, 210).hide();
    label(crops, "Acreslbl", "Field Acres", 8, 118, 100);
    edit(crops, "AcresBox", 8, 134, 100);
    label(crops, "FieldSlopeLBL", "Field Slope", 118, 118, 100);
    edit(crops, "SlopeED", 118, 134, 100);
    label(crops, "CoverCroplbl", "Cover Crop", 238, 118, 210);
    comboBox(crops, "CoverCropBox", ComboStyle::DropDown, 238, 134, 210);
    button(crops, "BMPbtn", "Enter BMPs...", 8, 176, 120);
    label(crops, "TotalBMPlbl", std::string(texts::bmpCount) + "0", 138, 182, 200);
}

void TForm1::buildApplicationGroup(ui::Control& tab)
{
    auto& application = groupBox(tab, "ApplicationGB", "Nutrient Applications", {column1, 334, 290, 225});
    label(application, "RYElbl", "RYE (Producer Derived)       - Optional -", 10, 22, 270);
    edit(application, "RYEBox", 10, 38, 120);
    label(application, "NAppRatelbl", "N Application Rate (lbs of N/acre)", 10, 72, 270);
    edit(application, "NAppRateBox", 10, 88, 120);
    button(application, "NAppRateBtn", "App Source And Rate", 10, 160, 170);
    label(application, "TotalNutrientsLBL", std::string(texts::nutrientCount) + "0", 10, 192, 200);
    auto& rateMenu = add<ui::PopupMenu>("NAppRatePopUp");
    rateMenu.add<ui::MenuItem>("IKnowMyNApplicationRate1", "I Know My N Application Rate");
    rateMenu.add<ui::MenuItem>("CalculateMyNAppRateFromMyFertilizer1", "Calculate My N App Rate From My Fertilizer");
    application.hide();
}

void TForm1::buildResults(ui::Control& tab)
{
    button(tab, "CalculateBtn", "CALCULATE", column3, 290, 220, 40).hide();
    button(tab, "CompareRecsBtn", "COMPARE", column3 + 240, 290, 220, 40).hide();

    auto hiddenLabel = [&](const char* name, std::string caption, int top, int height = labelHeight) -> ui::Label& {
        auto& result = label(tab, name, std::move(caption), resultsColumn, top, 180, height);
        result.hide();
        return result;
    };
    hiddenLabel("ZorvHeaderlbl", std::string(texts::zorvResults), groupsTop + 4);
    hiddenLabel("TotNLostLbl", std::string(texts::totalNLost), groupsTop + 26).setGeometry(
        {resultsColumn, groupsTop + 26, 100, labelHeight});
    label(tab, "TotNLostAnsLbl", "0", resultsColumn + 100, groupsTop + 26, 80).hide();
    auto& zorvNote = hiddenLabel("ZorvExtraMsg2", "The amount of N added is LESS THAN the crop needs.", groupsTop + 48, 36);
    zorvNote.setFontColor(colors::red);
    zorvNote.setWordWrap(true);

    // Where the nitrogen goes, below the CALCULATE button.
    auto& nitrogenChart = tab.add<ui::BarChart>("NitrogenChart");
    nitrogenChart.setGeometry({column3, 340, cropGroupWidth, 220});
    nitrogenChart.hide();

    // The phosphorus rating over its bands, below the rating's lines.
    auto& phosphorusChart = tab.add<ui::BarChart>("PhosphorusChart");
    phosphorusChart.setGeometry({resultsColumn, 340, windowGeometry.width - resultsColumn - 10, 220});
    phosphorusChart.hide();

    hiddenLabel("TambHeaderlbl", std::string(texts::tambRating), groupsTop + 100);
    hiddenLabel("PartPAssessLBL", "", groupsTop + 122);
    hiddenLabel("RunoffPAssessLBL", "", groupsTop + 142);
    hiddenLabel("LeachatePAssessLBL", "", groupsTop + 162);
    hiddenLabel("SourcePAssessLBL", "", groupsTop + 182);
    hiddenLabel("LineLBL", "______________________", groupsTop + 198);
    hiddenLabel("OverallPAssessLBL", "", groupsTop + 220);
    auto& tambNote = hiddenLabel(
        "TambExtraMsg1", "The Total P Rating is high because of the soil test level at the 28\" - 32\" depth.",
        groupsTop + 244, 52);
    tambNote.setFontColor(colors::red);
    tambNote.setWordWrap(true);
}

} // namespace verdalis::shell
