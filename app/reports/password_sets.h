// The stored passwords of the program's locks. Entries are compared exactly,
// letter case included.
//
// The detailed-calculation view and the table information listing share one
// set. The edit lock of the table viewer accepts the master password and the
// further passwords of the installation, which live in the settings file
// EditLock.ini of the program folder (section [EditLock], keys Password1 to
// Password10), so that each deployment chooses its own.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis::reports {

inline constexpr std::string_view masterPassword = "QuillFen";

inline constexpr std::string_view editLockFileName = "EditLock.ini";
inline constexpr std::string_view editLockSection = "EditLock";
inline constexpr std::string_view editLockKeyPrefix = "Password";
inline constexpr int editLockFilePasswordCount = 10;

// "QuillFen", "QFen" or "tresko".
bool isReportViewPassword(std::string_view entry);

// The further edit-lock passwords found in the file: the non-empty values of
// Password1 to Password10, in key order. A missing file gives none.
std::vector<std::string> readEditLockPasswords(const std::filesystem::path& editLockFile);

// The master password or one of the file's; read afresh on every check, so a
// changed file counts at once.
bool isEditLockPassword(const std::filesystem::path& programDir, std::string_view entry);

} // namespace verdalis::reports
