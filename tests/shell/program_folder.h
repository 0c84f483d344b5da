// A program folder for one test case: the settings files, the documents
// and the reference tables start-up reads, written through the table
// engine, in a folder of its own that goes when the case ends.
#pragma once

#include "tables/field_def.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis::testing {

using Rows = std::vector<std::vector<std::string>>;

class ProgramFolder {
public:
    // A fresh, empty folder; the name may carry letters start-up looks for.
    explicit ProgramFolder(std::string_view name);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::string& dir() const { return dir_; }
    std::string executable() const { return dir_ + "/Verdalis"; }
    std::string path(std::string_view relative) const { return dir_ + "/" + std::string(relative); }

    // Text columns only: the names are enough for the lists start-up fills.
    void addTable(std::string_view subdirectory, std::string_view name, const std::vector<std::string>& columns,
                  const Rows& rows);
    void writeFile(std::string_view relative, std::string_view content);
    void removeFile(std::string_view relative);
    bool exists(std::string_view relative) const;

    // The reference tables, settings and documents of a complete program
    // folder: crops Wheat, Corn, Alfalfa; distances 0-100, 100-300; counties
    // Birch, Alder, ALDER, Unknown, Birch; tillages with a first "select"
    // row; version 2.5 of 12/10/2026; no automatic update checks.
    void addCompleteProgram();

private:
    std::string dir_;
};

} // namespace verdalis::testing
