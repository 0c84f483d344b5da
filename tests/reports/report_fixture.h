// The results report with scripted services, for the report tests.
#pragma once

#include "reports/pdf_writer.h"
#include "reports/print_results_dlg.h"
#include "ui/scripted_application.h"
#include "ui/scripted_dialogs.h"

#include <string>
#include <vector>

namespace verdalis::reports {

struct ReportFixture {
    ui::ScriptedDialogs dialogs;
    ui::ScriptedApplication application;
    ScriptedPdfWriter pdfWriter;
    TPrintResultsDlg report{dialogs, application, pdfWriter};

    std::vector<std::string> lines() const
    {
        std::vector<std::string> result;
        for (size_t i = 0; i < report.RichEdit1->lineCount(); ++i) {
            result.push_back(report.RichEdit1->line(i));
        }
        return result;
    }

    // The user types the comments and closes the comments dialog with OK.
    void addComments(const std::string& text)
    {
        application.expectModal("CommentsDlg", [text](ui::Form& form) {
            auto& dlg = static_cast<TCommentsDlg&>(form);
            dlg.Memo1->userSetText(text);
            dlg.OKBtn->userClick();
        });
        report.CommentsBtnClick();
    }
};

} // namespace verdalis::reports
