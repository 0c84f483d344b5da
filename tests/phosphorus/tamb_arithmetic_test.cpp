#include "phosphorus/tamb_arithmetic.h"

#include <gtest/gtest.h>

namespace verdalis::phosphorus {
namespace {

TEST(TambArithmetic, Placeholder) { EXPECT_EQ(componentIndex(0.5), 12.0f); }

} // namespace
} // namespace verdalis::phosphorus
