// The main window on scripted services over a program folder with the
// phosphorus reference tables, the calculation type Tamb chosen.
#pragma once

#include "phosphorus_tables.h"
#include "shell_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace verdalis::testing {

class PhosphorusInputs : public ::testing::Test {
protected:
    explicit PhosphorusInputs(std::string_view folderName) : folder(folderName), shell(folder.executable())
    {
        addPhosphorusTables(folder);
        shell.start();
        chooseType("InTambrb");
        shell.form().record.county.LKey = "L1";
        shell.dialogs.clearRecords();
    }

    void chooseType(const char* button) { ASSERT_TRUE(shell.control<ui::RadioButton>(button).userClick()); }
    bool shown(std::string_view name) { return shell.control<ui::Control>(name).visible(); }
    template <class T>
    T& control(std::string_view name)
    {
        return shell.control<T>(name);
    }
    shell::AssessmentRecord& record() { return shell.form().record; }
    std::vector<std::string> messages() { return shell.dialogs.messageTexts(); }

    ProgramFolder folder;
    ShellHarness shell;
};

} // namespace verdalis::testing
