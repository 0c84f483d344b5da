// The services the main window runs on: real ones in the program, scripted
// ones in tests.
#pragma once

#include "reports/pdf_writer.h"
#include "ui/application.h"
#include "ui/batch_state.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/processes.h"

#include <string>

namespace verdalis::shell {

struct ShellServices {
    ui::Dialogs& dialogs;
    ui::Application& application;
    ui::Processes& processes;
    ui::Clock& clock;
    ui::BatchState& batch;
    // The full path of the running executable.
    std::string executablePath;
    // Writes the results report when it is saved as PDF.
    reports::PdfWriter& pdfWriter;
};

} // namespace verdalis::shell
