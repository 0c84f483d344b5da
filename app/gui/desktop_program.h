// The desktop program put together: the Qt application service, the
// program's windows with the shell's parts, and a window for each form.
// The dialogs, processes and clock come from outside, so that tests can
// run the real windows on scripted answers.
#pragma once

#include "gui/qt_application.h"
#include "gui/qt_pdf_writer.h"
#include "shell/program_entry.h"
#include "shell/shell_parts.h"

namespace verdalis::gui {

class DesktopProgram {
public:
    DesktopProgram(ui::Dialogs& dialogs, ui::Processes& processes, ui::Clock& clock, std::string executablePath);
    ~DesktopProgram();

    // Creates the windows and shows the main window; false when the program
    // is to end at once (another copy runs).
    bool start();

    QtApplication& application() { return application_; }
    shell::TForm1& mainForm() { return *windows_.Form1; }
    shell::DialogForms& dialogForms() { return windows_.dialogs; }
    FormView& mainView() { return *application_.viewOf(mainForm()); }

private:
    QtApplication application_;
    QtPdfWriter pdfWriter_;
    ui::BatchState batch_;
    shell::ShellParts parts_;
    shell::ShellServices services_;
    shell::ProgramWindows windows_;
};

} // namespace verdalis::gui
