#include "tables/table_lookups.h"

#include "tables/lookup_messages.h"
#include "tables/table.h"
#include "util/case_insensitive_path.h"
#include "util/number_text.h"
#include "util/path_text.h"
#include "util/settings_file.h"
#include "util/text_case.h"

#include <exception>
#include <vector>

namespace verdalis {
namespace {

namespace fs = std::filesystem;
namespace messages = lookup_messages;

constexpr std::string_view kLocationsSection = "TableLocations";

std::string joined(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            text += separator;
        }
        text += parts[i];
    }
    return text;
}

} // namespace

std::string TableLookups::configuredPath(std::string_view tableName, std::string& folder) const
{
    const std::string storedFolder =
        SettingsFile(dirs_.tableLocationsFile()).readString(kLocationsSection, tableName, kLookupError);
    // Joined as text: a stored folder without its leading separator glues to
    // the program folder's name and so names a folder that does not exist.
    folder = dirs_.ProgramDir.string() + toSlashPath(storedFolder);
    return folder + "/" + std::string(tableName);
}

std::string TableLookups::GetTableLocation(std::string_view tableName) const
{
    if (!fs::exists(resolveCaseInsensitive(dirs_.ProgramDir, "TableLocations.ini"))) {
        return std::string(kLookupError);
    }
    std::string folder;
    const fs::path path = resolvePathCaseInsensitive(configuredPath(tableName, folder));
    if (fs::exists(path)) {
        return path.string();
    }
    dialogs_.error(messages::errorLocatingTable(tableName, folder));
    return std::string(kLookupError);
}

std::string TableLookups::GetTableValue(std::string_view table, std::string_view column, std::string_view keyField1,
                                        std::string_view keyValue1, std::string_view keyField2,
                                        std::string_view keyValue2, std::string_view keyField3,
                                        std::string_view keyValue3, bool showMessages) const
{
    if (!fs::exists(resolveCaseInsensitive(dirs_.ProgramDir, "TableLocations.ini"))) {
        dialogs_.error(messages::kNoTableLocations);
        return std::string(kLookupError);
    }
    std::string folder;
    const fs::path configured = configuredPath(table, folder);
    const fs::path path = resolvePathCaseInsensitive(configured);
    if (!fs::exists(path)) {
        dialogs_.error(messages::tableMissing(table, configured.parent_path().string()));
        return std::string(kLookupError);
    }

    std::vector<std::string> keyFields{std::string(keyField1)};
    std::vector<std::string> keyValues{std::string(keyValue1)};
    if (!keyField2.empty()) {
        keyFields.emplace_back(keyField2);
        keyValues.emplace_back(keyValue2);
    }
    if (!keyField3.empty()) {
        keyFields.emplace_back(keyField3);
        keyValues.emplace_back(keyValue3);
    }
    const std::string keyText = joined(keyFields, ";");

    bool found = false;
    std::string result(kLookupError);
    try {
        Table lookup;
        lookup.open(path.parent_path(), path.filename().string());
        found = lookup.locate(keyText, keyValues, LocateOptions{});
        if (found && lookup.hasField(column)) {
            result = lookup.field(column).asText();
        }
    } catch (const std::exception&) {
        // A table the engine cannot read is reported as a failed search.
        found = false;
    }

    if (!found) {
        batch_.report(dialogs_,
                      keyFields.size() == 1 ? messages::cannotLocateOneKey(keyField1, keyValue1)
                                            : messages::cannotLocateKeys(keyText, joined(keyValues, ",")),
                      showMessages);
    } else if (result == kLookupError) {
        batch_.report(dialogs_, messages::columnMissing(column), showMessages);
    }
    return result;
}

float TableLookups::GetCropNUE(std::string_view cropName, std::string_view soilManagementGroup,
                               std::string_view county, std::string_view zorvTillageId,
                               std::string_view zorvCropCode) const
{
    if (toLowerAscii(cropName).find("corn") != std::string::npos) {
        return cornNUE(soilManagementGroup, county, zorvTillageId);
    }
    const std::string location = GetTableLocation("Crops.db");
    if (location == kLookupError) {
        dialogs_.warning(messages::kNoNueTable);
        return 0;
    }
    if (zorvCropCode.empty()) {
        return 0;
    }
    const fs::path path(location);
    Table crops;
    bool found = false;
    try {
        crops.open(path.parent_path(), path.filename().string());
        found = crops.locate("Crop_Code", zorvCropCode);
    } catch (const std::exception&) {
        // An unreadable table has no record for the crop either.
    }
    if (!found) {
        dialogs_.warning(messages::cropNotInNueTable(cropName, zorvCropCode));
        return 0;
    }
    if (!crops.hasField("NUE") || crops.field("NUE").isNull()) {
        dialogs_.warning(messages::kNoNueForCrop);
        return 0;
    }
    return static_cast<float>(crops.field("NUE").asFloat() / 100.0);
}

float TableLookups::cornNUE(std::string_view soilManagementGroup, std::string_view county,
                            std::string_view zorvTillageId) const
{
    const std::string province = GetTableValue("County_Stations.db", "Province", "County", county);
    if (equalsIgnoringCase(province, "CP")) {
        int32_t group = -1;
        if (!tryTextToInteger(soilManagementGroup, group)) {
            group = -1;
        }
        const bool lowEfficiencyGroup = group == 1 || group == 2 || group == 3 || group == 27 || group == 28;
        return lowEfficiencyGroup ? 0.4f : 0.55f;
    }
    if (equalsIgnoringCase(province, "M")) {
        return 0.5f;
    }
    if (equalsIgnoringCase(province, "P")) {
        return zorvTillageId == "1" ? 0.4f : 0.55f;
    }
    return 0.55f;
}

} // namespace verdalis
