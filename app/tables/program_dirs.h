// The program folder and its four fixed table folders. Every reference
// table, settings file and document is found from here.
#pragma once

#include <filesystem>

namespace verdalis {

struct ProgramDirs {
    std::filesystem::path ProgramDir;
    std::filesystem::path UserTablesDir;
    std::filesystem::path CountyTablesDir;
    std::filesystem::path CropTablesDir;
    std::filesystem::path BMPRelatedDir;

    // The folders of a program installed in `programDir`.
    static ProgramDirs under(const std::filesystem::path& programDir);

    // ProgramDir/TableLocations.ini, the table-location and version file.
    std::filesystem::path tableLocationsFile() const;
};

} // namespace verdalis
