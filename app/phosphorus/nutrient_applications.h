// The "App Source And Rate" button: the N application rate typed directly
// (Zorv), or the nutrient source dialog whose accepted rows become the
// nutrient source list and the five texts a saved record keeps.
#pragma once

#include "phosphorus/enter_info_dlg.h"
#include "shell/main_form.h"

namespace verdalis::phosphorus {

// How far below the pointer the rate menu opens.
inline constexpr int popupOffsetBelowPointer = 20;

class NutrientApplications {
public:
    // Sets the handlers of NAppRateBtn and the two items of NAppRatePopUp.
    NutrientApplications(shell::TForm1& form, TEnterInfoDlg& enterInfoDlg, ui::Application& application,
                         ui::Dialogs& dialogs);

    void NAppRateBtnMouseUp(int x, int y);
    // The sender is the menu item chosen, or null for the button itself.
    void NAppRateCalculationBtnClick(const ui::MenuItem* sender);

    // A saved record's sources: written back into the grid, then read
    // without showing the dialog. A failed reading is reported once and
    // leaves the list empty. False when either step failed.
    bool loadSavedSources(const SavedNutrientTexts& saved);

    // Shows the dialog (unless silent) until its rows are read or the user
    // gives up; false when the list stays empty. Silently, a failed reading
    // is reported once instead of asking again.
    bool editAndAcceptSources(bool silent);

private:
    void dropSources();
    void rebuildSavedTexts();
    void showCount();

    shell::TForm1& form_;
    TEnterInfoDlg& enterInfoDlg_;
    ui::Application& application_;
    ui::Dialogs& dialogs_;
};

} // namespace verdalis::phosphorus
