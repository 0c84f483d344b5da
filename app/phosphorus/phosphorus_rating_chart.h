// The phosphorus rating as a bar chart: the four component indexes and the
// Total P Rating on one axis, divided into the rating's bands.
#pragma once

#include "shell/assessment_record.h"
#include "ui/bar_chart.h"

namespace verdalis::phosphorus {

// Empty while the rating has not been reached.
ui::BarChartData phosphorusRatingChart(const shell::PhosphorusResults& results);

} // namespace verdalis::phosphorus
