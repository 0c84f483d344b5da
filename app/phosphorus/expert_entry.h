// The expert's own drainage and runoff values, offered in a pop-up menu on
// the drainage question's Yes while Yes is answered, behind a password.
#pragma once

#include "phosphorus/user_entry_dlg.h"
#include "reports/password_dlg.h"
#include "shell/main_form.h"

namespace verdalis::phosphorus {

class ExpertEntry {
public:
    // Adds the pop-up menu DrainageNRunoffPopup to the form and attaches it
    // to RD_Yes.
    ExpertEntry(shell::TForm1& form, reports::TPasswordDlg& passwordDlg, TUserEntryDlg& userEntryDlg,
                ui::Application& application, ui::Dialogs& dialogs);

    void EnterMyOwnDrainageRunoffValues1Click();
    void ClearMyDrainageandRunoffValuesUseCalculatedValues1Click();

private:
    // Stores one getter's value; an edit with text that is no number is
    // reported, as the calculated value is used instead.
    void takeUserValue(float& value, double entered, const ui::Edit& edit, std::string_view invalidMessage);

    shell::TForm1& form_;
    reports::TPasswordDlg& passwordDlg_;
    TUserEntryDlg& userEntryDlg_;
    ui::Application& application_;
    ui::Dialogs& dialogs_;
};

} // namespace verdalis::phosphorus
