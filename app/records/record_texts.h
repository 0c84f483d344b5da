// The messages and captions of the user table, record loading and list
// processing.
#pragma once

#include <string>
#include <string_view>

namespace verdalis::records::texts {

inline constexpr std::string_view userTableName = "UserInputs.dbf";
inline constexpr std::string_view openFilter = "DBase (*.dbf)|*.dbf|Paradox (*.db)|*.db|ASCII Text (*.txt)|*.txt";
inline constexpr std::string_view doesNotExist = " does not exist.";
inline constexpr std::string_view confirmDelete = "Delete record?";
inline constexpr std::string_view confirmClearTable =
    "Are you sure you want to DELETE your current UserInputs Table?\nYou will lose any saved information.";

// Saving.
inline constexpr std::string_view notEnoughToSave = "Not enough information to SAVE.";
inline constexpr std::string_view saveNameCaption = "Session/Record Name";
inline constexpr std::string_view saveNamePrompt = "Please enter a name for this session";
inline constexpr std::string_view saveNameMissing = "You Must Enter a Session/Record Name in order to SAVE";
inline constexpr std::string_view notSaved = "Session/Record NOT SAVED";
inline constexpr std::string_view saveCurrentRecord = "Would you like to SAVE the current record?";
inline std::string overwriteQuestion(const std::string& name)
{
    return "The Session/Record Name:" + name + "\n" + " already exists." + "\n" + "Would you like to OVERWRITE "
           + name + "?";
}

// Fetching and loading.
inline constexpr std::string_view fetchCaption = "Record/Session Name";
inline constexpr std::string_view fetchPrompt = "Please Enter a Record/Session Name";
inline constexpr std::string_view couldNotFind = "Could not find ";
inline constexpr std::string_view notImported = "Some or all of the information in the record could not\nbe imported.";
inline constexpr std::string_view undefinedModeType = "Error in Table!  ModeType is Undefined";
inline constexpr std::string_view unknownCrop = "Unknown Crop:  ";
inline constexpr std::string_view drainageMissing = "Drainage Info does not exist";
inline constexpr std::string_view noCountyInBatch = "No County in the record\nThe record cannot be calculated";
inline constexpr std::string_view nAppRateCaption = "N Application Rate (lbs of N/acre)";
// "Error in County Name", the value indented by five blanks, "is INVALID".
inline std::string invalidEntry(std::string_view what, std::string_view value)
{
    return "Error in " + std::string(what) + "\n     " + std::string(value) + "\nis INVALID";
}

// List processing.
inline constexpr std::string_view noRecords = "No Records in Table!";
inline constexpr std::string_view detailedQuestion =
    "Would you like Detailed Calculations to be put in the\noutput results file (TambBatchFile.txt)?\n(This requires "
    "a password)";
inline constexpr std::string_view passwordInvalid = "Password Invalid.  Detailed calculations will not be used.";
inline constexpr std::string_view done = "Done";
inline constexpr std::string_view processingPrefix = "Processing ";
inline constexpr std::string_view processingSuffix = "...";
inline constexpr std::string_view incorrectInputs = "Could not Calculate Record. InCorrect Inputs";
inline constexpr std::string_view calculationFailed = "Error Calculating this record.";
inline constexpr std::string_view totalErrors = "TOTAL ERRORS FOUND = ";
inline constexpr std::string_view inputDataError = "Input Data Error";
inline constexpr std::string_view calculationError = "Calculation Error";
inline constexpr std::string_view ignoreMuName = "Ignore MuName when processing";
inline constexpr std::string_view processListCaption = "Process List...";

inline constexpr std::string_view batchTableName = "Verdalis_BatchTable.dbf";
inline constexpr std::string_view batchLogName = "Verdalis_BatchFile.txt";
inline constexpr std::string_view errorLogName = "Verdalis_BatchERRORfile.txt";

} // namespace verdalis::records::texts
