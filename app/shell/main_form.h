// The main window TForm1: the toolbar, the start panel, the seven tabs and
// the Main tab's assessment inputs and results, with the handlers of
// start-up, tab changes, the calculation type, the resets, CALCULATE and
// closing. Control and handler names are those of the window definition.
#pragma once

#include "reports/rtf/document.h"
#include "shell/assessment_record.h"
#include "shell/main_window_parts.h"
#include "shell/program_values.h"
#include "shell/shell_services.h"
#include "ui/controls.h"
#include "ui/event_dispatcher.h"

namespace verdalis::shell {

// The folders of the program whose executable runs from the path.
ProgramDirs programDirsOf(const std::string& executablePath);

class TForm1 : public ui::Form {
public:
    TForm1(ShellServices services, MainWindowParts parts);

    ProgramValues values;
    AssessmentRecord record;

    // --- Start-up, tabs, closing -------------------------------------------
    void FormCreate();
    void AppIdle();
    void PageControl1Change();
    void FormResize();
    void FormClose(ui::CloseAction& action);
    void ExitBtnClick();
    // Appends a line to the calculation log; an empty style keeps the format
    // of the line before.
    void AddToCalcRichEdit(std::string_view text, rtf::FontStyle style = rtf::styles::plain,
                           Color color = colors::black);
    void FreeProgramLists();
    // Whether automatic update checks are on, as the menu item shows it;
    // switching writes the setting back.
    void SetAutoChecking(bool on);

    // --- Assessment inputs ---------------------------------------------------
    void CalculationTypeClick(ui::RadioButton& sender);
    void CalculateBtnClick();
    void ResetBtnClick();
    void ResetAllValues(bool resetMapUnit, bool resetIdentification);
    void ResetZorvCalculationOutputs();
    void ResetTambCalculationOutputs();
    void ResetSoilGB();
    void ResetHydroGB();
    void ResetDrainageGB();
    void Label1Click();

    // Whether start-up ran to its end (the user table is open).
    bool startupComplete() const { return startupComplete_; }

    template <class T>
    T& control(std::string_view name)
    {
        return get<T>(name);
    }

private:
    void buildToolbar();
    void buildStartPanel();
    void buildPages();
    void buildMainTab(ui::TabSheet& tab);
    void buildRecordPanel(ui::Control& tab);
    void buildInputGroups(ui::Control& tab);
    void buildCropGroup(ui::Control& tab);
    void buildApplicationGroup(ui::Control& tab);
    void buildResults(ui::Control& tab);
    void buildDocumentTab(ui::TabSheet& tab, std::string_view viewer, std::string_view printLabel);
    void wireHandlers();

    void showVersionInCaption();
    void keepCropControlsInGroup();
    void placeRightHandCropControls();
    bool fillPickLists();
    void fillCropLists();
    void removeOldReleaseFiles();
    void readAutoCheckSetting();
    void checkForUpdatesWhenDue();

    void loadDocument(ui::RichText& viewer, std::string_view fileName);
    void loadManual();
    void emptyDocumentViewers();
    void hidePrintLabels();

    void showCropControlsFor(CalculationType type);
    void rerunChoicesFor(CalculationType type);
    void followTillageBox(std::string_view cropBox, std::string_view tillageBox, std::string_view tillageLabel);
    void showGroupsFor(CalculationType type);
    void resetBmpChoice();
    void resetNutrients();
    void calculateWithVersionLines(bool zorv, bool tamb);

    ShellServices services_;
    MainWindowParts parts_;
    ui::EventDispatcher dispatcher_;
    bool startupComplete_ = false;
};

} // namespace verdalis::shell
