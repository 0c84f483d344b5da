// The error type of the table engine: a table file that cannot be read or
// written, a column that does not exist, a change the table refuses.
#pragma once

#include <stdexcept>
#include <string>

namespace verdalis {

class TableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace verdalis
