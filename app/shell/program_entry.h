// The program entry: the application's title, the main window (whose
// creation handler runs at once) and then the dialogs, in that order.
#pragma once

#include "shell/program_forms.h"

namespace verdalis::shell {

struct ProgramWindows {
    std::unique_ptr<TForm1> Form1;
    DialogForms dialogs;
};

ProgramWindows createProgramWindows(const ShellServices& services, const MainWindowParts& parts);

} // namespace verdalis::shell
