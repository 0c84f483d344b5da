// Where the nitrogen of a field goes, as a bar chart of the nitrogen
// results: what was applied, what the crop used, what is lost at the
// surface and below it, what the cover crop and the BMPs hold back, and the
// total lost.
#pragma once

#include "shell/assessment_record.h"
#include "ui/bar_chart.h"

namespace verdalis::nitrogen {

ui::BarChartData nitrogenFlowChart(const shell::NitrogenResults& results);

} // namespace verdalis::nitrogen
