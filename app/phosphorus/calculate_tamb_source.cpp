// Source P, washed off the fertilizers and manures applied this year, and
// the Total P Rating that sums the four component indexes.
#include "phosphorus/calculate_tamb.h"
#include "phosphorus/phosphorus_rating_chart.h"

#include "phosphorus/tamb_arithmetic.h"
#include "phosphorus/tamb_texts.h"
#include "util/number_format.h"
#include "util/number_text.h"
#include "util/text_case.h"

namespace verdalis::phosphorus {

namespace {

inline constexpr std::string_view fertilizerType = "Fertilizer";
// A liquid fertilizer's rate is in gallons; eleven pounds to the gallon.
inline constexpr std::string_view liquidMarker = "liquid";
inline constexpr double poundsPerGallon = 11;
// The soluble share of a fertilizer's P2O5, as the method has always used
// it (the mass ratio of P to P2O5 would be 0.4364).
inline constexpr double fertilizerSolubleShare = 0.4367;
// The surface application, whose application factor does not apply.
inline constexpr std::string_view surfaceAppliedId = "6";
inline constexpr double percent = 100;
// The subsoil explains a HIGH rating only where the total alone is Medium or
// less.
inline constexpr float explainedUpTo = 50;

const std::string underscores35(35, '_');
const std::string underscores25(25, '_');

// A value of the source list as it was typed: the list keeps single
// precision, whose nearest double (0.46f is 0.4600000083...) would show in
// the pounds worked out from it.
double asTyped(float value)
{
    return textToNumber(shortestSingleDecimal(value));
}

std::string fourDecimals(double value)
{
    return formatNumber("0.####", value);
}

} // namespace

void TambCalculation::sourceP(Run& run)
{
    for (shell::NutrientSource& source : record().nutrients.sources) {
        run.sourceP += sourceContribution(run, source);
    }
    detail("SourceP = " + formatNumber("0.###", run.sourceP));
    const float index = componentIndex(run.sourceP);
    record().phosphorus.SourceIndex = index;
    showComponent("SourcePAssessLBL", texts::sourceCaption, index, false);
}

double TambCalculation::sourceContribution(const Run& run, shell::NutrientSource& source)
{
    const std::string type = sources_.GetFertilizerType(source.name);
    const double nonSolubleP = sources_.GetFertilizerNonSolubleP(source.name);
    const double spaf = sources_.GetFertilizerSPAF(source.name);
    const double nonSpaf = sources_.GetFertilizerNonSPAF(source.name);
    const bool entered = source.appliedAmount != shell::nutrientNotEntered;
    // A fertilizer's non-soluble term takes no rate when only pounds were
    // given; it never takes the marker of a rate not entered.
    const double rate = entered ? asTyped(source.appliedAmount) : 0;
    double lbP2O5 = 0;
    double solubleP = 0;
    double solubleTerm = 0;
    UserAdjustment adjustment;
    if (!equalsIgnoringCase(type, fertilizerType)) {
        lbP2O5 = sources_.GetFertilizerP205(source.name);
        adjustment = userAdjustment(source.lbP2O5, lbP2O5);
        solubleP = sources_.GetFertilizerSolubleP(source.name);
        solubleTerm = rate * adjustment.factor * run.runoffFraction * solubleP * spaf;
    } else {
        const bool percentEntered = source.pctP2O5 != shell::nutrientNotEntered;
        if (!(entered && percentEntered) && source.lbP2O5 == shell::nutrientNotEntered) {
            failShown(texts::incompleteSource);
        }
        // The record keeps a percentage as the fraction it stands for.
        double fraction = asTyped(source.pctP2O5);
        if (fraction > 1) {
            fraction /= percent;
            source.pctP2O5 = toSingle(fraction);
        }
        lbP2O5 = entered && percentEntered ? rate * fraction : asTyped(source.lbP2O5);
        if (toLowerAscii(source.name).find(liquidMarker) != std::string::npos) {
            lbP2O5 *= poundsPerGallon;
        }
        solubleP = fertilizerSolubleShare * lbP2O5;
        solubleTerm = run.runoffFraction * solubleP * spaf;
    }
    // A fertilizer's P2O5 is all in its soluble term: its non-soluble term
    // stays unadjusted (U = 1), whatever the sources before it were.
    double nonSolubleTerm = rate * adjustment.factor * run.runoffFraction * nonSolubleP * nonSpaf * run.sourceFactor;
    const double appFactor = source.appMethodId != surfaceAppliedId ? asTyped(source.appFactor) : 1;
    solubleTerm *= appFactor;
    nonSolubleTerm *= appFactor;

    detail(" Description = " + source.name);
    detail("     Nutrient App Rate = " + shortestSingleDecimal(source.appliedAmount));
    detail("     lb_P2O5 = " + formatGeneral(lbP2O5));
    if (!equalsIgnoringCase(type, fertilizerType)) {
        detail("     lb_P2O5_User = " + shortestSingleDecimal(source.lbP2O5));
        if (source.lbP2O5 != shell::nutrientNotEntered && source.lbP2O5 != toSingle(lbP2O5)) {
            const double kept = sources_.GetFertilizerP205Factor(source.name, textToInteger(source.appMethodId));
            detail("     (**LB_P2O5_User includes an additional " + formatNumber("0.##", (1 - kept) * percent) + "% ");
            detail("       added to the value entered by the user.)");
        }
        if (adjustment.noUsableValue) {
            detail("     (The table holds no lb_P2O5 for this source and none was entered: UserAdjustment = 0)");
        }
        detail("     UserAdjustment = " + formatGeneral(adjustment.factor));
    }
    detail("     AppFactor = " + fourDecimals(source.appFactor));
    detail("     Soluble P = " + fourDecimals(solubleP));
    detail("     NonSoluble P = " + fourDecimals(nonSolubleP));
    detail("     SPAF = " + fourDecimals(spaf));
    detail("     NonSPAF = " + fourDecimals(nonSpaf));
    detail("     BMP Factor = " + fourDecimals(run.sourceFactor));
    return solubleTerm + nonSolubleTerm;
}

void TambCalculation::totalPRating(const Run& run)
{
    const double overallP = record().PartPValue + run.solubleP + run.leachP + run.sourceP;
    detail(underscores35);
    detail(std::string(texts::overallCaption) + fourDecimals(overallP));

    shell::PhosphorusResults& results = record().phosphorus;
    const float total =
        *results.ParticulateIndex + *results.SolubleIndex + *results.LeachateIndex + *results.SourceIndex;
    const std::string word(ratingWord(total, run.subsoilOverride));
    results.TotalPRating = total;
    results.RatingWord = word;

    form_.control<ui::Label>("LineLBL").show();
    const std::string rating =
        std::string(texts::totalCaption) + alignRight(formatNumber("0.##", total), 7) + " (" + word + ")";
    auto& overall = form_.control<ui::Label>("OverallPAssessLBL");
    overall.setCaption(toUpperAscii(rating));
    logLine(underscores25, rtf::styles::bold);
    logLine(rating, rtf::styles::bold);
    if (total <= explainedUpTo && toLowerAscii(word).find("high") != std::string::npos && shownAndFilled("SoilTestP2ED")) {
        auto& explanation = form_.control<ui::Label>("TambExtraMsg1");
        explanation.setCaption(std::string(texts::highBecauseOfSubsoil));
        explanation.show();
        logLine(texts::highBecauseOfSubsoil, rtf::styles::bold, colors::red);
    }
    if (!services_.batch.DetailedCalculations) {
        report(underscores35);
    }
    report(overall.caption());
    overall.show();
    showRatingChart();
}

void TambCalculation::showRatingChart()
{
    ui::BarChartData chart = phosphorusRatingChart(record().phosphorus);
    report_.addReportChart(chart);
    auto& view = form_.control<ui::BarChart>("PhosphorusChart");
    view.setData(std::move(chart));
    view.show();
}

} // namespace verdalis::phosphorus
