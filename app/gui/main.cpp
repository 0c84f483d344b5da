// Verdalis: the desktop program.
#include "gui/desktop_program.h"
#include "gui/qt_dialogs.h"
#include "shell/system_processes.h"
#include "ui/clock.h"
#include "util/running_processes.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char** argv)
{
    using namespace verdalis;
    QApplication qt(argc, argv);
    gui::QtDialogs dialogs;
    shell::SystemProcesses processes;
    ui::SystemClock clock;
    // The path the process list shows for this process, so that the
    // single-instance rule compares like with like.
    gui::DesktopProgram program(dialogs, processes, clock, executableOfProcess(::getpid()));
    dialogs.setParentWindow([&program] { return program.application().activeWindow(); });
    if (!program.start()) {
        return 0;
    }
    return QApplication::exec();
}
