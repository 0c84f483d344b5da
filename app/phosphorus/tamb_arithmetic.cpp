#include "phosphorus/tamb_arithmetic.h"

#include "shell/assessment_record.h"
#include "util/number_format.h"
#include "util/number_text.h"

#include <array>
#include <cmath>
#include <limits>

namespace verdalis::phosphorus {

namespace {

// The pounds per acre that make an index of 100.
inline constexpr double poundsAtIndex100 = 4.0;
inline constexpr double indexScale = 100.0;

inline constexpr std::array bufferClasses{100, 75, 50, 30, 25, 20, 15, 10, 5, 0};

// The clay curve of the total P factor and the rate of P above the threshold.
inline constexpr double clayQuadratic = 0.0058;
inline constexpr double clayLinear = -0.0784;
inline constexpr double clayConstant = 1.579;
inline constexpr double pRate = 0.002;

inline constexpr double inchesPerFoot = 12.0;
inline constexpr double spacingUnitFeet = 100.0;

inline constexpr float lowUpTo = 25;
inline constexpr float mediumUpTo = 50;
inline constexpr float highUpTo = 100;

} // namespace

float toSingle(double value)
{
    if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
        throw ConversionError("Floating point overflow");
    }
    return static_cast<float>(value);
}

float componentIndex(double pounds)
{
    return static_cast<float>(roundHalfEven(pounds / poundsAtIndex100 * indexScale));
}

double totalPFactor(double m3p, double percentClay, double pThreshold)
{
    const double k = clayQuadratic * percentClay * percentClay + clayLinear * percentClay + clayConstant;
    if (m3p > pThreshold) {
        return k * (pRate * pThreshold) + (m3p - pThreshold) * pRate;
    }
    return k * (pRate * m3p);
}

int bufferWidthClass(int totalWidth)
{
    if (totalWidth < 0) {
        return totalWidth;
    }
    for (int widthClass : bufferClasses) {
        if (totalWidth >= widthClass) {
            return widthClass;
        }
    }
    return 0;
}

bool isListedBufferClass(int widthClass)
{
    for (int listed : bufferClasses) {
        if (widthClass == listed) {
            return true;
        }
    }
    return false;
}

double drainageIndex(double tpMinus12, double depthInches, double spacingFeet)
{
    const double spacing = spacingFeet / spacingUnitFeet;
    return tpMinus12 * ((depthInches / inchesPerFoot - 1) / (spacing * spacing));
}

std::optional<double> realPower(double base, double exponent)
{
    const double result = std::pow(base, exponent);
    if (!std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

UserAdjustment userAdjustment(float entered, double tableLb)
{
    if (entered == shell::nutrientNotEntered || entered == toSingle(tableLb)) {
        return {};
    }
    if (tableLb == 0) {
        if (entered > 0) {
            return {entered, false};
        }
        return {0, true};
    }
    return {entered / tableLb, false};
}

std::string_view ratingWord(float total, bool subsoilOverride)
{
    if (total > highUpTo) {
        return "Very High";
    }
    if (subsoilOverride) {
        return "HIGH";
    }
    if (total <= lowUpTo) {
        return "Low";
    }
    if (total <= mediumUpTo) {
        return "Medium";
    }
    return "High";
}

} // namespace verdalis::phosphorus
