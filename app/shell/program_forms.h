// The program's fifteen windows: the main window and the dialogs, created
// in the order the program entry creates them and held for the whole run.
#pragma once

#include "shell/main_form.h"

#include <memory>
#include <vector>

namespace verdalis::shell {

struct DialogForms {
    std::unique_ptr<ui::Form> RecordLocatorDlg;
    std::unique_ptr<ui::Form> ChooseDriveDlg;
    std::unique_ptr<ui::Form> EnterInfoDlg;
    std::unique_ptr<ui::Form> PrintResultsDlg;
    std::unique_ptr<ui::Form> ViewTableDlg;
    std::unique_ptr<ui::Form> CommentsDlg;
    std::unique_ptr<ui::Form> ProcessListMsg;
    std::unique_ptr<ui::Form> BMPInfoDlg;
    std::unique_ptr<ui::Form> ExtraBMPInfo;
    std::unique_ptr<ui::Form> CompareRecsDlg;
    std::unique_ptr<ui::Form> DownloadUpdateLocation;
    std::unique_ptr<ui::Form> CheckForUpdatesMsg;
    std::unique_ptr<ui::Form> UserEntryDlg;
    std::unique_ptr<ui::Form> PasswordDlg;

    // In creation order.
    std::vector<ui::Form*> all() const;
};

// The dialogs with their names, captions and sizes; each modal one has
// OK and Cancel buttons that close it with their result. The results
// report's RichEdit1 shows its text in a fixed-pitch font.
DialogForms createDialogForms();

} // namespace verdalis::shell
