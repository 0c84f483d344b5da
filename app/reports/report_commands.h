// The main window's commands on the results report: View/Print Results and
// the password-protected View/Print Detailed Calculations.
#pragma once

namespace verdalis::ui {
class Application;
class Dialogs;
class RichText;
struct BatchState;
} // namespace verdalis::ui

namespace verdalis::reports {

class TPasswordDlg;
class TPrintResultsDlg;

// The calculation driver of the main window (CALCULATE), which rebuilds the
// report; while DetailedCalculations is set the calculations add their
// intermediate values.
class CalculationDriver {
public:
    virtual ~CalculationDriver() = default;
    virtual void runCalculation() = 0;
};

class ReportCommands {
public:
    // Nothing is owned; everything must outlive the commands. The
    // calculation log is the main window's, whose lines and visibility tell
    // whether a calculation has run.
    ReportCommands(TPrintResultsDlg& report, TPasswordDlg& passwordDlg, const ui::RichText& calculationLog,
                   ui::BatchState& batch, ui::Dialogs& dialogs, ui::Application& application);

    // Before any calculation: an information message (collected as the
    // batch message during a batch run). During a batch run: prints at once. Otherwise the preview, which prints, saves or does
    // nothing as the user closes it.
    void PrintBtnClick();

    // After one of the report-view passwords: runs the calculation with
    // detailed values and then View/Print Results. DetailedCalculations is
    // cleared afterwards, also when an error ends the run.
    void ViewDetailedCalculations1Click(CalculationDriver& driver);

private:
    bool calculated() const;
    void saveReportAs();

    TPrintResultsDlg& report_;
    TPasswordDlg& passwordDlg_;
    const ui::RichText& calculationLog_;
    ui::BatchState& batch_;
    ui::Dialogs& dialogs_;
    ui::Application& application_;
};

} // namespace verdalis::reports
