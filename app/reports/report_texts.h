// The captions and messages of the results report, its dialogs, the table
// viewer and the password dialog: the program's own texts, kept in one place.
#pragma once

#include <string_view>

namespace verdalis::reports::texts {

// Print preview and comments.
inline constexpr std::string_view printPreviewCaption = "Print Preview";
inline constexpr std::string_view commentsCaption = "Comments Placed Bottom of Page";
inline constexpr std::string_view commentsHeading = "Comments:";
inline constexpr std::string_view printJobSuffix = " Aggregate Results";
inline constexpr std::string_view calculateFirst =
    "You must first enter information and click the\nCALCULATE button before clicking the\n"
    "View/Print Results button";
inline constexpr std::string_view reportFileFilter =
    "Text Files (*.txt)|*.txt|Rich Text (*.rtf)|*.rtf|PDF Document (*.pdf)|*.pdf";
inline constexpr std::string_view reportDefaultExtension = "TXT";

// Information tabs.
inline constexpr std::string_view sentToPrinter = "Document has been sent to the printer";
inline constexpr std::string_view documentPrinted = "Document printed";

// Passwords.
inline constexpr std::string_view passwordCaption = "Password Dialog";
inline constexpr std::string_view passwordPrompt = "Enter password:";
inline constexpr std::string_view passwordInvalid = "Password Invalid!";
inline constexpr std::string_view editLockPasswordInvalid = "The Password you have entered is not valid.";

// Table viewer.
inline constexpr std::string_view viewTablesCaption = "View Tables";
inline constexpr std::string_view viewTablesCaptionSeparator = ":     ";
inline constexpr std::string_view editModeCaption = "Edit Mode";
inline constexpr std::string_view listViewTableInfoCaption = "List/View Table Info";
inline constexpr std::string_view clearTableCaption = "Clear Table";
inline constexpr std::string_view tableInfoCaption = "Table Info";
inline constexpr std::string_view tableInfoError = "Error getting Table Info";
inline constexpr std::string_view confirmDeleteRecord = "Delete record?";

} // namespace verdalis::reports::texts
