#include "tables/program_dirs.h"

namespace verdalis {

ProgramDirs ProgramDirs::under(const std::filesystem::path& programDir)
{
    // A trailing separator would otherwise survive into every joined path.
    const std::filesystem::path dir = programDir.has_filename() ? programDir : programDir.parent_path();
    return ProgramDirs{dir, dir / "UserTables", dir / "CountyTables", dir / "CropTables", dir / "BMPrelated"};
}

std::filesystem::path ProgramDirs::tableLocationsFile() const
{
    return ProgramDir / "TableLocations.ini";
}

} // namespace verdalis
