// The nitrogen loss calculation: from the crop, the field acres, the N
// application rate, the crop's realistic yield, N factor and nitrogen use
// efficiency, a cover crop and the BMPs, the pounds of nitrogen that leave
// the field. It writes the eleven nitrogen results of the input record,
// shows the total on the Main tab with a chart of where the nitrogen goes,
// logs a short account and appends the detailed account to the results
// report.
//
// A calculation that cannot run (missing input, no yield) stops with its
// account: an error box when the user is at the window, account lines in
// the report and the batch message while a batch run replays records.
#pragma once

#include "nitrogen/nitrogen_factors.h"
#include "shell/main_form.h"
#include "tables/table_lookups.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace verdalis::reports {
class TPrintResultsDlg;
}

namespace verdalis::nitrogen {

class ZorvReport;

// The text of a column of the user table's current record, the record a
// batch run has loaded; empty without one.
using RecordColumnReader = std::function<std::string(std::string_view column)>;

struct ZorvServices {
    ui::Dialogs& dialogs;
    ui::BatchState& batch;
    ui::Clock& clock;
};

// The name of the Main tab's nitrogen chart.
inline constexpr std::string_view nitrogenChartName = "NitrogenChart";

class ZorvCalculation {
public:
    // Nothing is owned; everything must outlive the calculation.
    ZorvCalculation(shell::TForm1& form, ZorvServices services, const TableLookups& lookups,
                    NitrogenFactors& factors, reports::TPrintResultsDlg& report, RecordColumnReader recordColumn);

    // A text that must be a number and is not raises ConversionError; the
    // results computed until then stay.
    void CalculateZorv();

private:
    struct CropFactors {
        float nFactor = 0;
        float rye = 0;
        float recommendedRate = 0;
        float nue = 0;
    };

    std::string text(std::string_view control);
    bool visible(std::string_view control);

    void reportPasture();
    void reportAgronomicCrop(ZorvReport& report);
    // The acres when every check passes.
    std::optional<double> checkedAcres();
    void failCheck(std::string_view interactiveText, std::string_view batchText, bool identifyByRecord,
                   const std::string& detail);
    std::optional<CropFactors> cropFactors(const std::string& cropName);
    void reportInputs(ZorvReport& report, const CropFactors& factors);
    void reportBmpInputs(ZorvReport& report);
    void computeLosses(ZorvReport& report, const CropFactors& factors, double rate, double acres);
    void applyFirstNitrogenBmp(ZorvReport& report, double acres);
    void showTotal();
    void showChart();

    shell::TForm1& form_;
    ZorvServices services_;
    const TableLookups& lookups_;
    NitrogenFactors& factors_;
    reports::TPrintResultsDlg& report_;
    RecordColumnReader recordColumn_;
};

} // namespace verdalis::nitrogen
