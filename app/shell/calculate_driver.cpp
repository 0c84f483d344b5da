// CALCULATE: clears the log and the report, writes the version lines and
// runs the methods the calculation type names.
#include "shell/main_form.h"

#include "shell/shell_texts.h"

namespace verdalis::shell {

namespace {

inline constexpr int logFontHalfPoints = 20; // 10 pt
inline constexpr int linesBetweenMethods = 3;

} // namespace

void TForm1::CalculateBtnClick()
{
    auto& log = control<ui::RichText>("CalcRichEdit");
    log.clear();
    log.setWordWrap(true);
    rtf::CharFormat format = log.insertionFormat();
    format.fontHalfPoints = logFontHalfPoints;
    log.setInsertionFormat(format);

    switch (record.calculationType) {
    case CalculationType::Zorv:
        calculateWithVersionLines(true, false);
        break;
    case CalculationType::Tamb:
        calculateWithVersionLines(false, true);
        break;
    case CalculationType::ZorvAndTamb:
        calculateWithVersionLines(true, true);
        break;
    case CalculationType::None:
        break;
    }
}

void TForm1::calculateWithVersionLines(bool zorv, bool tamb)
{
    if (tamb && record.nutrients.count <= 0 && !services_.batch.BatchRunning
        && !services_.dialogs.confirm(texts::noNutrientSources)) {
        return;
    }
    parts_.report.clear();
    parts_.report.addLine(std::string(texts::versionLine) + values.VersionNumberText);
    parts_.report.addLine({});
    if (zorv) {
        parts_.methods.calculateZorv();
    }
    if (zorv && tamb) {
        for (int line = 0; line < linesBetweenMethods; ++line) {
            AddToCalcRichEdit(" ");
        }
    }
    if (tamb) {
        parts_.methods.calculateTamb();
    }
}

} // namespace verdalis::shell
