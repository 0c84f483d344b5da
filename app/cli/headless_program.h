// The main program on a program folder without a display: the same windows
// and parts as the desktop program, on headless services, with the two
// commands of verdalis-cli.
#pragma once

#include "cli/headless_services.h"
#include "shell/program_entry.h"
#include "shell/shell_parts.h"

#include <ostream>

namespace verdalis::cli {

class HeadlessProgram {
public:
    // Messages of the program go to `messages`.
    HeadlessProgram(const std::string& programDir, std::ostream& messages);

    // The program entry and the deferred start-up; false (after its
    // messages) when the start-up did not get the user table open.
    bool start();

    // Processes the record list in batch, as "Process List..." does, with
    // each progress line and the error total on `out`. Answers the exit
    // status: 0 when the list was processed.
    int batch(const std::string& listPath, std::ostream& out);
    // Fetches the saved record of this name, calculates it and writes the
    // results report on `out`. Answers the exit status: 0 when calculated.
    int calculate(const std::string& recordName, std::ostream& out);

private:
    HeadlessDialogs dialogs_;
    HeadlessApplication application_;
    NoProcesses processes_;
    ui::SystemClock clock_;
    ui::BatchState batch_;
    reports::ScriptedPdfWriter pdfWriter_;
    shell::ShellParts parts_;
    shell::ShellServices services_;
    shell::ProgramWindows windows_;
};

} // namespace verdalis::cli
