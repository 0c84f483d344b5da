// The user table UserInputs.dbf: one saved assessment per record, with the
// 47 columns every reader and writer of saved records relies on.
#pragma once

#include "tables/field_def.h"

#include <string>
#include <string_view>
#include <vector>

namespace verdalis::shell {

// The columns of the user table, in the order they are created.
const std::vector<FieldDef>& userInputColumns();

// Creates an empty user table in directory under the file name part of
// name (".dbf" added when it has none), replacing a table of that name, and
// answers its path. Raises std::invalid_argument for another extension and
// TableError when the table cannot be written.
std::string CreateNewUserInputTable(const std::string& directory, std::string_view name);

} // namespace verdalis::shell
