// The main window on scripted services, with the parts other modules
// provide recorded instead of run.
#pragma once

#include "program_folder.h"
#include "shell/program_entry.h"
#include "shell/shell_parts.h"
#include "ui/scripted_application.h"
#include "ui/scripted_dialogs.h"
#include "ui/scripted_processes.h"

#include <chrono>

namespace verdalis::testing {

class RecordedParts : public shell::ShellParts {
public:
    using ShellParts::ShellParts;

    std::vector<std::string> calls;
    // What the crop change does, as the test needs it.
    std::function<void()> onCropChange;

    void resetBMPInfo() override { calls.push_back("resetBMPInfo"); }
    void soilMapUnitBoxChange() override { calls.push_back("soilMapUnitBoxChange"); }
    void cropBoxChange() override
    {
        calls.push_back("cropBoxChange");
        if (onCropChange) {
            onCropChange();
        }
    }
    void cropBox2Change() override { calls.push_back("cropBox2Change"); }
    void calculateZorv() override { calls.push_back("calculateZorv"); }
    void calculateTamb() override { calls.push_back("calculateTamb"); }
    void checkForUpdates() override { calls.push_back("checkForUpdates"); }
    void disconnect() override { calls.push_back("disconnect"); }
    void deleteTables() override
    {
        calls.push_back("deleteTables");
        ShellParts::deleteTables();
    }
};

class ShellHarness {
public:
    explicit ShellHarness(std::string executable) : executable_(std::move(executable))
    {
        processes.setRunning({executable_});
        using namespace std::chrono;
        clock.setToday(year{2010} / June / day{15});
    }

    // Program entry and, unless the program is to end, the first idle moment.
    void start()
    {
        windows = shell::createProgramWindows(services(), parts.parts());
        parts.attach(windows);
        application.idle();
    }

    shell::TForm1& form() { return *windows.Form1; }
    template <class T>
    T& control(std::string_view name)
    {
        return form().control<T>(name);
    }

    ui::ScriptedDialogs dialogs;
    ui::ScriptedApplication application;
    ui::ScriptedProcesses processes;
    ui::ScriptedClock clock;
    ui::BatchState batch;
    reports::ScriptedPdfWriter pdfWriter;
    RecordedParts parts{dialogs};
    shell::ProgramWindows windows;

private:
    shell::ShellServices services() { return {dialogs, application, processes, clock, batch, executable_, pdfWriter}; }

    std::string executable_;
};

} // namespace verdalis::testing
