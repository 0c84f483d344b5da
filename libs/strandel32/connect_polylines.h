// The entry of the library: one data set or a list of data sets.
#pragma once

#include <cstdint>

namespace strandel {

int32_t connectPolylines(const char* name, float tolerance, int32_t* knotCount, const char* logFile);

} // namespace strandel
