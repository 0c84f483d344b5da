// The BMP choice of the Main tab: the button "Enter BMPs..." prepares and
// shows the BMP dialog and, once the selection is accepted, builds the BMP
// values of the input record that both methods read and the texts a saved
// record stores. Loading a saved record writes its BMPs back into the
// dialog and runs the same choice without showing anything.
#pragma once

#include "phosphorus/bmp_info_dlg.h"
#include "shell/main_form.h"
#include "shell/main_window_parts.h"

#include <string_view>

namespace verdalis::phosphorus {

class BmpChoice : public shell::BmpDialogPart {
public:
    // Sets the handler of BMPbtn. Nothing is owned.
    BmpChoice(shell::TForm1& form, TBMPInfoDlg& dialog, ui::Dialogs& dialogs, ui::Application& application);

    // Silent: the dialog is not shown and its selection is accepted as it is.
    void BMPbtnClick(bool silent = false);
    // A saved record's BMPs: its ids, widths and acres texts written back
    // into the dialog, then accepted silently.
    void loadSavedBMPs(std::string_view ids, std::string_view widths, std::string_view acres);

    void resetBMPInfo() override { dialog_.ResetBMPInfo(); }

private:
    std::string_view modeOfCalculation() const;
    void acceptSelection();
    void clearChoice();
    void showCount();

    shell::TForm1& form_;
    TBMPInfoDlg& dialog_;
    ui::Dialogs& dialogs_;
    ui::Application& application_;
};

} // namespace verdalis::phosphorus
