#include "gui/desktop_program.h"

namespace verdalis::gui {

DesktopProgram::DesktopProgram(ui::Dialogs& dialogs, ui::Processes& processes, ui::Clock& clock,
                               std::string executablePath)
    : parts_(dialogs), services_{dialogs, application_, processes, clock, batch_, std::move(executablePath), pdfWriter_}
{
}

DesktopProgram::~DesktopProgram()
{
    // The views go before the forms they show.
    application_.detachForms();
}

bool DesktopProgram::start()
{
    windows_ = shell::createProgramWindows(services_, parts_.parts());
    parts_.attach(windows_);
    if (application_.terminated()) {
        return false;
    }
    application_.attachForm(*windows_.Form1);
    for (ui::Form* dialog : windows_.dialogs.all()) {
        application_.attachForm(*dialog);
    }
    windows_.Form1->show();
    return true;
}

} // namespace verdalis::gui
