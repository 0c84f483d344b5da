// Scripts that act as the user at the password dialog.
#pragma once

#include "reports/password_dlg.h"
#include "ui/scripted_application.h"

#include <string>

namespace verdalis::reports {

// The user replaces the entry with the text and presses OK.
inline void expectPassword(ui::ScriptedApplication& application, std::string entry)
{
    application.expectModal("PasswordDlg", [entry](ui::Form& form) {
        auto& dlg = static_cast<TPasswordDlg&>(form);
        dlg.Password->userSetText(entry);
        dlg.OKBtn->userClick();
    });
}

inline void expectPasswordCancelled(ui::ScriptedApplication& application)
{
    application.expectModal("PasswordDlg", [](ui::Form& form) {
        static_cast<TPasswordDlg&>(form).CancelBtn->userClick();
    });
}

} // namespace verdalis::reports
