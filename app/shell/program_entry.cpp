#include "shell/program_entry.h"

#include "shell/shell_texts.h"

namespace verdalis::shell {

ProgramWindows createProgramWindows(const ShellServices& services, const MainWindowParts& parts)
{
    services.application.setTitle(std::string(texts::applicationTitle));
    ProgramWindows windows;
    windows.Form1 = std::make_unique<TForm1>(services, parts);
    windows.Form1->FormCreate();
    // The dialogs are created also when the program is about to end, as the
    // message loop ends only once they exist.
    windows.dialogs = createDialogForms();
    return windows;
}

} // namespace verdalis::shell
