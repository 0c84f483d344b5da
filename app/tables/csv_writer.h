// Writing records as comma-separated values (RFC 4180): a field is quoted
// when it holds a comma, a quote or a line break, and quotes are doubled.
#pragma once

#include <string>
#include <vector>

namespace verdalis {

// One record, ending in a line feed, as Unix tools expect; RFC 4180 readers
// (ours included) take it as they take CRLF.
std::string csvLine(const std::vector<std::string>& fields);

} // namespace verdalis
