// The program's fifteen windows: the main window and the dialogs, created
// in the order the program entry creates them and held for the whole run.
#pragma once

#include "phosphorus/bmp_info_dlg.h"
#include "phosphorus/enter_info_dlg.h"
#include "phosphorus/user_entry_dlg.h"
#include "records/process_list_msg.h"
#include "reports/password_dlg.h"
#include "reports/print_results_dlg.h"
#include "reports/view_table_dlg.h"
#include "shell/main_form.h"

#include <memory>
#include <vector>

namespace verdalis::shell {

struct DialogForms {
    std::unique_ptr<ui::Form> RecordLocatorDlg;
    std::unique_ptr<ui::Form> ChooseDriveDlg;
    std::unique_ptr<phosphorus::TEnterInfoDlg> EnterInfoDlg;
    // The results report; its comments dialog is its own.
    std::unique_ptr<reports::TPrintResultsDlg> PrintResultsDlg;
    std::unique_ptr<reports::TViewTableDlg> ViewTableDlg;
    std::unique_ptr<records::TProcessListMsg> ProcessListMsg;
    // The BMP dialog asks its extra information in ExtraBMPInfo.
    std::unique_ptr<phosphorus::TBMPInfoDlg> BMPInfoDlg;
    std::unique_ptr<phosphorus::TExtraBMPInfo> ExtraBMPInfo;
    std::unique_ptr<ui::Form> CompareRecsDlg;
    std::unique_ptr<ui::Form> DownloadUpdateLocation;
    std::unique_ptr<ui::Form> CheckForUpdatesMsg;
    std::unique_ptr<phosphorus::TUserEntryDlg> UserEntryDlg;
    std::unique_ptr<reports::TPasswordDlg> PasswordDlg;

    // In creation order.
    std::vector<ui::Form*> all() const;
};

// The dialogs with their names, captions and sizes; each modal one that is
// still to come from its own module has OK and Cancel buttons that close it
// with their result. The table viewer finds its edit-lock passwords in the
// program folders, and the BMP dialog reads its table through the lookups;
// both must outlive the dialogs.
DialogForms createDialogForms(const ShellServices& services, const ProgramDirs& dirs, const TableLookups& lookups);

} // namespace verdalis::shell
