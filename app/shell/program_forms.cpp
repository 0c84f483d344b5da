#include "shell/program_forms.h"

#include "shell/control_layout.h"

namespace verdalis::shell {

namespace {

struct DialogDesign {
    const char* name;
    const char* caption;
    int width;
    int height;
    bool okAndCancel;
};

std::unique_ptr<ui::Form> createDialog(const DialogDesign& design)
{
    auto form = std::make_unique<ui::Form>(design.name);
    form->setCaption(design.caption);
    form->setGeometry({0, 0, design.width, design.height});
    if (design.okAndCancel) {
        const int top = design.height - layout::buttonHeight - 12;
        auto& ok = layout::button(*form, "OKBtn", "OK", design.width - 188, top, 80);
        ok.setModalResult(ui::ModalResult::Ok);
        auto& cancel = layout::button(*form, "CancelBtn", "Cancel", design.width - 96, top, 80);
        cancel.setModalResult(ui::ModalResult::Cancel);
    }
    return form;
}

} // namespace

std::vector<ui::Form*> DialogForms::all() const
{
    return {RecordLocatorDlg.get(),       ChooseDriveDlg.get(),     EnterInfoDlg.get(),
            PrintResultsDlg.get(),        ViewTableDlg.get(),       &PrintResultsDlg->CommentsDlg,
            ProcessListMsg.get(),         BMPInfoDlg.get(),         ExtraBMPInfo.get(),
            CompareRecsDlg.get(),         DownloadUpdateLocation.get(), CheckForUpdatesMsg.get(),
            UserEntryDlg.get(),           PasswordDlg.get()};
}

DialogForms createDialogForms(const ShellServices& services, const ProgramDirs& dirs, const TableLookups& lookups)
{
    DialogForms forms;
    forms.RecordLocatorDlg = createDialog({"RecordLocatorDlg", "Record Search Dialog", 380, 200, true});
    forms.ChooseDriveDlg = createDialog({"ChooseDriveDlg", "Choose Update Location", 400, 220, true});
    forms.EnterInfoDlg = std::make_unique<phosphorus::TEnterInfoDlg>(dirs, services.dialogs, services.application,
                                                                     services.batch);
    forms.PrintResultsDlg =
        std::make_unique<reports::TPrintResultsDlg>(services.dialogs, services.application, services.pdfWriter);
    // The viewer asks for its edit-lock password in the password dialog,
    // so that one exists first.
    forms.PasswordDlg = std::make_unique<reports::TPasswordDlg>();
    forms.ViewTableDlg = std::make_unique<reports::TViewTableDlg>(services.dialogs, services.application,
                                                                  *forms.PasswordDlg, dirs);
    forms.ProcessListMsg = std::make_unique<records::TProcessListMsg>();
    forms.ExtraBMPInfo = std::make_unique<phosphorus::TExtraBMPInfo>();
    forms.BMPInfoDlg = std::make_unique<phosphorus::TBMPInfoDlg>(*forms.ExtraBMPInfo, lookups, services.dialogs,
                                                                 services.application, services.batch);
    forms.CompareRecsDlg = createDialog({"CompareRecsDlg", "Session/Record Selection Dialog", 620, 420, true});
    forms.DownloadUpdateLocation =
        createDialog({"DownloadUpdateLocation", "Download Update Location", 420, 220, true});
    forms.CheckForUpdatesMsg = createDialog({"CheckForUpdatesMsg", "Checking For Updates", 360, 140, false});
    forms.UserEntryDlg = std::make_unique<phosphorus::TUserEntryDlg>(services.dialogs);
    return forms;
}

} // namespace verdalis::shell
