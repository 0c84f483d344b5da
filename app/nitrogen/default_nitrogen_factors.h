// The crop factors as every lookup gives them when it finds nothing: no
// realistic yield, an N factor of 1, no reduction. The program runs on
// these until the table lookups take their place; a producer's yield then
// still gives a complete calculation.
#pragma once

#include "nitrogen/nitrogen_factors.h"

namespace verdalis::nitrogen {

class DefaultNitrogenFactors : public NitrogenFactors {
public:
    float getRYE(const std::string&) override { return 0; }
    float getNFactor(const std::string&) override { return 1; }
    float getNReduction(const std::string&, const std::string&, const std::string&) override { return 0; }
};

} // namespace verdalis::nitrogen
