// The crop and map unit factors the nitrogen calculation reads: the
// realistic yield, the N factor and the fractional reductions of a cover
// crop or a BMP. Each lookup gives a default value (and a message) instead
// of failing; the calculation carries on with it.
#pragma once

#include <string>

namespace verdalis::nitrogen {

class NitrogenFactors {
public:
    virtual ~NitrogenFactors() = default;
    // The realistic yield of the crop on the current map unit, reduced by
    // the field slope; 0 when not available, -1 without a crop table.
    virtual float getRYE(const std::string& cropName) = 0;
    // Pounds of nitrogen per unit of yield; 1 when not available, -1
    // without a crop table.
    virtual float getNFactor(const std::string& cropName) = 0;
    // A fraction from 0 to 1. Kind "bmp" (identifier and width text of the
    // BMP) or "covercrop" (identifier the cover crop's name, width "-1").
    virtual float getNReduction(const std::string& kind, const std::string& identifier,
                                const std::string& width) = 0;
};

} // namespace verdalis::nitrogen
