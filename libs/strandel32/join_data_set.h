// Joining of one data set: header, first pass, sort, knots, write-back, header.
#pragma once

#include "run_log.h"

#include <cstdint>
#include <string>

namespace strandel {

// Joins the data set whose header file is headerName and adds its knots to
// knotTotal. Returns 1 on success, 0 on failure (after a message box).
int32_t joinDataSet(const std::string& headerName, float toleranceSquared, RunLog& log, int64_t& knotTotal);

} // namespace strandel
