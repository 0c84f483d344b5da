// The main window on scripted services with the real input choices: the
// program's own parts replay the choices through the boxes' handlers, and
// the phosphorus crop lookups are recorded.
#pragma once

#include "inputs/input_changes.h"
#include "program_folder.h"
#include "shell/program_entry.h"
#include "shell/shell_parts.h"
#include "ui/scripted_application.h"
#include "ui/scripted_dialogs.h"
#include "ui/scripted_processes.h"

#include <chrono>
#include <gtest/gtest.h>

namespace verdalis::testing {

class PhosphorusCropRecorder : public inputs::PhosphorusCropInputs {
public:
    std::vector<std::string> calls;
    void getCropBoxRelatedInfo(const std::string& cropText) override
    {
        calls.push_back("getCropBoxRelatedInfo " + cropText);
    }
    void TillageCBNewChange() override { calls.push_back("TillageCBNewChange"); }
};

class InputHarness {
public:
    explicit InputHarness(const ProgramFolder& folder) : executable_(folder.executable())
    {
        processes.setRunning({executable_});
        using namespace std::chrono;
        clock.setToday(year{2010} / June / day{15});
    }

    // Program entry and start-up; then the input choices with the
    // phosphorus recorder take over the boxes.
    void start()
    {
        windows = shell::createProgramWindows({dialogs, application, processes, clock, batch, executable_, pdfWriter},
                                              parts.parts());
        parts.attach(windows);
        application.idle();
        inputs = std::make_unique<inputs::InputChanges>(form(), dialogs, application, batch, *windows.lookups,
                                                        phosphorus);
        dialogs.clearRecords();
    }

    shell::TForm1& form() { return *windows.Form1; }
    template <class T>
    T& control(std::string_view name)
    {
        return form().control<T>(name);
    }
    void chooseType(const char* button) { ASSERT_TRUE(control<ui::RadioButton>(button).userClick()); }
    void choose(const char* box, std::string_view entry)
    {
        ASSERT_TRUE(control<ui::ComboBox>(box).userSelectText(entry)) << box << ": " << entry;
    }

    ui::ScriptedDialogs dialogs;
    ui::ScriptedApplication application;
    ui::ScriptedProcesses processes;
    ui::ScriptedClock clock;
    ui::BatchState batch;
    reports::ScriptedPdfWriter pdfWriter;
    shell::ShellParts parts{dialogs};
    shell::ProgramWindows windows;
    PhosphorusCropRecorder phosphorus;
    std::unique_ptr<inputs::InputChanges> inputs;

private:
    std::string executable_;
};

} // namespace verdalis::testing
