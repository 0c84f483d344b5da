// Processing a record list ("Process List..."): every record of a chosen
// list is loaded by the ordinary record load and calculated by CALCULATE
// with the batch state set, and its outcome is read from the results
// report into the result table Verdalis_BatchTable.dbf, with every report
// line in the batch log and the failed records in the error log. The three
// files go beside the list.
//
// However the run ends (Cancel, an error that escapes a step), it closes
// its files, clears the batch state, reopens the default user table and
// shows "Done"; an escaping error is then passed on to the caller's error
// report.
#pragma once

#include "records/process_list_msg.h"
#include "records/record_table.h"
#include "reports/password_dlg.h"
#include "reports/print_results_dlg.h"

#include <filesystem>
#include <fstream>

namespace verdalis::records {

class ListProcessing {
public:
    // Nothing is owned. Wires the "Process List..." button.
    ListProcessing(RecordTable& records, shell::TForm1& form, const shell::ShellServices& services,
                   reports::TPrintResultsDlg& report, reports::TPasswordDlg& passwordDlg, TProcessListMsg& progress);

    void ProcessListBtnClick();

    // What the last run did: whether a list was processed, and the records
    // it counted as failed.
    struct Outcome {
        bool processed = false;
        int errors = 0;
    };
    const Outcome& lastRun() const { return lastRun_; }
    // Told each progress line as the run writes it to its logs.
    std::function<void(const std::string& line)> onProgress;

private:
    struct Run;

    void runRecords(Run& run);
    void askForDetailedCalculations();
    void recordInputError(Run& run);
    void calculateRecord(Run& run);

    RecordTable& records_;
    shell::TForm1& form_;
    ui::Dialogs& dialogs_;
    ui::Application& application_;
    ui::BatchState& batch_;
    reports::TPrintResultsDlg& report_;
    reports::TPasswordDlg& passwordDlg_;
    TProcessListMsg& progress_;
    Outcome lastRun_;
};

} // namespace verdalis::records
