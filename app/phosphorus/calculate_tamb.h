// The phosphorus rating of the main window (the Tamb method): the risk that
// phosphorus leaves the field as particulate P (on eroded soil), soluble P
// (in surface runoff), leachate P (down through soil and drains) and source
// P (washed off fresh fertilizer and manure), each in lb P/ac and as an
// index on which 4 lb/ac is 100, and the Total P Rating, the sum of the four
// indexes, with its rating word.
//
// One run, in order: the report header and the input section (always
// written in full), the input checks, the surface soil test (M3P), the
// total P factor, the BMP factors, particulate P, the runoff volume (curve
// number or drainage model), soluble P, leachate P, the runoff fraction,
// source P and the Total P Rating. Each component is shown on the Main tab,
// in the calculation log and in the results report as it is finished; a run
// that ends early keeps what it showed. With DetailedCalculations set the
// report also gets the working lines.
#pragma once

#include "phosphorus/nutrient_source_facts.h"
#include "reports/print_results_dlg.h"
#include "shell/main_form.h"
#include "tables/table_lookups.h"
#include "ui/batch_state.h"
#include "ui/clock.h"
#include "ui/dialogs.h"

#include <string>
#include <string_view>

namespace verdalis::phosphorus {

class TambCalculation {
public:
    struct Services {
        ui::Dialogs& dialogs;
        ui::BatchState& batch;
        const ui::Clock& clock;
    };

    // Nothing is owned; everything must outlive the calculation.
    TambCalculation(shell::TForm1& form, Services services, const TableLookups& lookups,
                    NutrientSourceFacts& sources, reports::TPrintResultsDlg& report);

    // Runs the method on the main window's inputs. Its own failures end it
    // with their messages; a text that must be a number and is not, or a
    // leachate power without a real value, raises ConversionError to the
    // caller's error report.
    void CalculateTamb();

private:
    // The values one run carries from step to step; those the later steps
    // read are single precision, as the record keeps its results.
    struct Run {
        float m3p = 0;
        double totalPFactor = 0;
        double overallFactor = 1; // B: particulate P
        float sourceFactor = 1;   // S: the non-soluble part of source P
        double runoffFactor = 1;  // R: soluble P
        double runoffConcentration = 0;
        bool drainageModel = false;
        float drainageIndex = 0;
        float runoffVolume = 0;
        double solubleP = 0;
        double leachP = 0;
        bool subsoilOverride = false;
        double runoffFraction = 0;
        double sourceP = 0;
    };

    // Ends a run after its message.
    struct Ended {};

    // calculate_tamb_inputs.cpp
    void reportHeader();
    void reportInputs();
    void reportBmps();
    void reportNutrientSources();
    void reportNutrientSource(const shell::NutrientSource& source);
    void reportSoilTests();
    void reportDrainageAndCondition();
    void checkInputs();

    // calculate_tamb_runoff.cpp
    void surfaceSoilTest(Run& run);
    void bmpFactors(Run& run);
    void bufferFactor(Run& run);
    void particulateP(Run& run);
    void chooseRunoffMethod(Run& run);
    void curveNumberRunoff(Run& run);
    void drainageModelRunoff(Run& run);
    void solubleP(Run& run);

    // calculate_tamb_leachate.cpp
    void leachateP(Run& run);
    double leachateConcentration(Run& run, double subsoilIndex);
    std::string evapotranspiration();
    void runoffFraction(Run& run);

    // calculate_tamb_source.cpp
    void sourceP(Run& run);
    double sourceContribution(const Run& run, shell::NutrientSource& source);
    void totalPRating(const Run& run);
    // The component indexes and the total on the Main tab and in the PDF
    // report, over the rating's bands.
    void showRatingChart();

    // The output channels.
    void report(std::string_view line);
    void detail(std::string_view line);
    void logLine(std::string_view line, rtf::FontStyle style, Color colour = colors::black);
    // Shows a component's line in its label, the log and the report.
    void showComponent(std::string_view labelName, std::string_view caption, float index,
                       bool blankLineAfter = true);

    // The ways a run ends: an input check (its text is the batch message in
    // every mode, shown only outside a batch run), a failure shown in every
    // mode, and one that a batch run collects instead of showing.
    [[noreturn]] void failInputCheck(const std::string& text);
    [[noreturn]] void failShown(std::string_view text);
    [[noreturn]] void failCollected(std::string_view text);

    // The main window's controls and record.
    const std::string& editText(std::string_view name);
    bool visible(std::string_view name);
    bool checked(std::string_view name);
    bool shownAndEmpty(std::string_view editName);
    bool shownAndFilled(std::string_view editName);
    // The weight-to-volume factor text: the user's entry, else the map unit's.
    std::string weightVolumeFactor(std::string_view editName);
    std::string tableValue(std::string_view table, std::string_view column, std::string_view keyField1,
                           std::string_view keyValue1, std::string_view keyField2 = {},
                           std::string_view keyValue2 = {}, std::string_view keyField3 = {},
                           std::string_view keyValue3 = {});
    shell::AssessmentRecord& record() { return form_.record; }

    shell::TForm1& form_;
    Services services_;
    const TableLookups& lookups_;
    NutrientSourceFacts& sources_;
    reports::TPrintResultsDlg& report_;
};

} // namespace verdalis::phosphorus
