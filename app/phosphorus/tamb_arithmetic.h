// The formulas of the phosphorus rating that stand on their own: the soil's
// total P factor, the BMP buffer width classes, the drainage index, the
// component index and the rating word. The calculation reads its inputs,
// writes its report and calls these for the arithmetic.
#pragma once

#include <optional>
#include <string_view>

namespace verdalis::phosphorus {

// Mehlich-3 P per unit of the soil test index, before the weight-to-volume
// factor.
inline constexpr double mehlichPerIndex = 1.2;
// A P concentration (ppm) in inches of water over the field, divided by
// this, is lb P/ac.
inline constexpr double waterPoundsDivisor = 4.415;

// A value held in single precision, as the record keeps its results; a
// finite value beyond that range raises ConversionError (an overflow).
float toSingle(double value);

// The index of a component of P pounds per acre: 4 lb/ac is 100, rounded to
// the nearest whole number with halves going to the even neighbour (0.5
// lb/ac is 12.5, shown as 12). Raises ConversionError for a value that is
// not a finite number.
float componentIndex(double pounds);

// The share of the Mehlich-3 soil test P that counts as total P, from the
// clay percentage and the map unit's P threshold; above the threshold each
// further unit counts at the flat rate 0.002.
double totalPFactor(double m3p, double percentClay, double pThreshold);

// The buffer class of a total buffer width in feet: the largest of 0, 5,
// 10, 15, 20, 25, 30, 50, 75, 100 not above it. A negative width (only a
// saved record's width text gives one) is its own class.
int bufferWidthClass(int totalWidth);
// Whether the class is one of the ten the BMP factor table holds.
bool isListedBufferClass(int widthClass);

// The drainage index of a drain depth in inches and spacing in feet.
double drainageIndex(double tpMinus12, double depthInches, double spacingFeet);

// base^exponent, or nothing when that has no finite real value (a negative
// base with a fractional exponent, zero to a negative power).
std::optional<double> realPower(double base, double exponent);

// The user adjustment of a source other than a fertilizer: how far the
// entered lb P2O5 scales the table's coefficients.
struct UserAdjustment {
    double factor = 1;
    // The table holds no lb P2O5 and the entry gives none to use either.
    bool noUsableValue = false;
};
// `entered` is the source's lb P2O5 as the list holds it (-9999 when not
// entered), `tableLb` the table's. Equality is judged in single precision,
// in which the list keeps the entered value.
UserAdjustment userAdjustment(float entered, double tableLb);

// The rating word of a Total P Rating; the subsoil override turns every
// total up to 100 into "HIGH".
std::string_view ratingWord(float total, bool subsoilOverride);

} // namespace verdalis::phosphorus
