// The program-wide values the start-up sets and every part of the main
// program reads: where the program and its tables lie, the version shown in
// the caption, the user table and the names of its records.
#pragma once

#include "tables/program_dirs.h"

#include <string>
#include <vector>

namespace verdalis::shell {

struct ProgramValues {
    std::string ProgramDir;
    std::string UserTablesDir;
    std::string CountyTablesDir;
    std::string BMPRelatedDir;
    std::string CropTablesDir;
    ProgramDirs programDirs() const { return ProgramDirs::under(ProgramDir); }

    std::string BaseCaption;
    std::string ProductCode;

    float VersionNumber = 0;
    std::string VersionNumberText;
    std::string VersionDateText;

    std::string UserTablePath;
    // One line per record of the user table, in table order: name=ModeType.
    std::vector<std::string> RecordNameList;

    // The nitrogen and the phosphorus tillage identifiers; "0" while no
    // tillage applies.
    std::string ZorvTillageId = "0";
    std::string Tillage_ID = "0";

    std::string SupportContactText;
};

} // namespace verdalis::shell
