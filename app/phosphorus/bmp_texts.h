// The BMP dialogs' captions and messages.
#pragma once

#include <string_view>

namespace verdalis::phosphorus::texts {

inline constexpr std::string_view bmpInfoCaption = "BMP INFORMATION";
inline constexpr std::string_view extraInfoCaption = "Enter Extra BMP Info";
inline constexpr std::string_view bmpTableName = "BMP_List.db";
inline constexpr std::string_view missingBmpTable =
    "BMP_List.db does not exist or is in the wrong\nDirectory.  Please place the file in \n";
inline constexpr std::string_view enterAValue = "You Must Either Enter A Value or Click\nthe CANCEL Button";
inline constexpr std::string_view enterAcreage = "You Must Either Enter An Acreage Value or Click\nthe CANCEL Button";
inline constexpr std::string_view selectWidth = "You Must Either Select A Width Value or Click\nthe CANCEL Button";
inline constexpr std::string_view keepBmpSettings = "Would you like to keep your current BMP\nsettings?";
inline constexpr std::string_view idsAndWidthsDiffer =
    "Error!  Number of BMP IDs not equal to Number of\n           BMP Widths";
inline constexpr std::string_view treeShrubBufferDropped =
    "BMP: Tree/Shrub Buffer is no longer valid\nIt will not be included in the calculation";
inline constexpr std::string_view bmpCount = "BMP Count = ";
inline constexpr std::string_view totalBmpAcres = "Total BMP Acres = ";

// The modes a preparation runs in, by the calculation type.
inline constexpr std::string_view inZorv = "InZorv";
inline constexpr std::string_view inTamb = "InTamb";
inline constexpr std::string_view inZorvTamb = "InZorvTamb";

// Columns of the BMP list table.
inline constexpr std::string_view descriptionColumn = "BMP Description";
inline constexpr std::string_view idColumn = "BMP_ID";
inline constexpr std::string_view typeColumn = "BMP_Type";
inline constexpr std::string_view needWidthColumn = "Need Width";
inline constexpr std::string_view bufferType = "Buffer";

} // namespace verdalis::phosphorus::texts
