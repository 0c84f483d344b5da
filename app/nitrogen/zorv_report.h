// The nitrogen section of the results report: plain black lines, italic red
// warnings, the underlined rule before the total, and the amount lines whose
// labels are padded so that the amounts line up.
#pragma once

#include "reports/print_results_dlg.h"

#include <string>
#include <string_view>

namespace verdalis::nitrogen {

// "###,###,###,##0.##" + " lbs", the form of every amount.
std::string poundsText(double amount);

class ZorvReport {
public:
    explicit ZorvReport(reports::TPrintResultsDlg& report) : report_(report) {}

    void line(std::string_view text);
    void warning(std::string_view text);
    // A line holding one blank.
    void blankLine();
    // The label left-justified in the amount column, then the amount.
    void amount(std::string_view label, double value);
    // The same, as an italic red warning after the warning prefix.
    void amountWarning(std::string_view label, double value);
    void rule();

    // "Producer ID: ", "Tract Num:  " and "County:  " with the three values.
    void identification(std::string_view producerId, std::string_view tractNum, std::string_view county);

private:
    reports::TPrintResultsDlg& report_;
};

} // namespace verdalis::nitrogen
