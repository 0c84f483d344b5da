#include "reports/report_commands.h"

#include "reports/password_dlg.h"
#include "reports/password_sets.h"
#include "reports/print_results_dlg.h"
#include "reports/report_texts.h"
#include "ui/application.h"
#include "ui/batch_state.h"
#include "ui/dialogs.h"

namespace verdalis::reports {

ReportCommands::ReportCommands(TPrintResultsDlg& report, TPasswordDlg& passwordDlg,
                               const ui::RichText& calculationLog, ui::BatchState& batch, ui::Dialogs& dialogs,
                               ui::Application& application)
    : report_(report), passwordDlg_(passwordDlg), calculationLog_(calculationLog), batch_(batch),
      dialogs_(dialogs), application_(application)
{
}

bool ReportCommands::calculated() const
{
    return report_.RichEdit1->lineCount() > 0 && calculationLog_.lineCount() > 0 && calculationLog_.visible();
}

void ReportCommands::PrintBtnClick()
{
    if (!calculated()) {
        // A batch run collects the message rather than stopping for it.
        if (batch_.BatchRunning) {
            batch_.collect(texts::calculateFirst);
        } else {
            dialogs_.information(texts::calculateFirst);
        }
        return;
    }
    if (batch_.BatchRunning) {
        report_.PrintRichEdit({});
        return;
    }
    switch (report_.showModal(application_)) {
    case ui::ModalResult::Ok:
        report_.PrintRichEdit({});
        break;
    case ui::ModalResult::Yes:
        saveReportAs();
        break;
    default:
        break;
    }
}

void ReportCommands::saveReportAs()
{
    const auto fileName = dialogs_.saveFile({.filter = std::string(texts::reportFileFilter),
                                             .defaultExt = std::string(texts::reportDefaultExtension)});
    if (fileName && !fileName->empty()) {
        report_.PrintRichEditToFile(*fileName);
    }
}

void ReportCommands::ViewDetailedCalculations1Click(CalculationDriver& driver)
{
    const auto entry = passwordDlg_.ask(application_);
    if (!entry) {
        return;
    }
    if (!isReportViewPassword(*entry)) {
        dialogs_.error(texts::passwordInvalid);
        return;
    }
    struct DetailedScope {
        bool& flag;
        explicit DetailedScope(bool& f) : flag(f) { flag = true; }
        ~DetailedScope() { flag = false; }
        DetailedScope(const DetailedScope&) = delete;
        DetailedScope& operator=(const DetailedScope&) = delete;
    } detailed(batch_.DetailedCalculations);
    driver.runCalculation();
    PrintBtnClick();
}

} // namespace verdalis::reports
