// The run of the phosphorus rating, its output channels and the ways it ends.
#include "phosphorus/calculate_tamb.h"

#include "phosphorus/tamb_texts.h"
#include "util/number_format.h"
#include "util/text_case.h"

namespace verdalis::phosphorus {

namespace {

// The nitrogen section comes first in the report when both methods run.
inline constexpr int blankLinesAfterNitrogen = 3;

} // namespace

TambCalculation::TambCalculation(shell::TForm1& form, Services services, const TableLookups& lookups,
                                 NutrientSourceFacts& sources, reports::TPrintResultsDlg& report)
    : form_(form), services_(services), lookups_(lookups), sources_(sources), report_(report)
{
}

void TambCalculation::CalculateTamb()
{
    form_.ResetTambCalculationOutputs();
    form_.control<ui::RichText>("CalcRichEdit").show();
    if (record().calculationType == shell::CalculationType::ZorvAndTamb) {
        for (int line = 0; line < blankLinesAfterNitrogen; ++line) {
            report(" ");
        }
    }
    reportHeader();
    reportInputs();
    try {
        checkInputs();
        form_.control<ui::Label>("TambHeaderlbl").show();
        logLine(texts::tambRating, rtf::styles::boldUnderline);

        Run run;
        surfaceSoilTest(run);
        bmpFactors(run);
        particulateP(run);
        chooseRunoffMethod(run);
        solubleP(run);
        leachateP(run);
        runoffFraction(run);
        sourceP(run);
        totalPRating(run);
    } catch (const Ended&) {
        // The message is out; what was shown so far stays.
    }
}

void TambCalculation::report(std::string_view line)
{
    report_.AddToRichEdit(line, rtf::styles::plain, colors::black);
}

void TambCalculation::detail(std::string_view line)
{
    if (services_.batch.DetailedCalculations) {
        report(line);
    }
}

void TambCalculation::logLine(std::string_view line, rtf::FontStyle style, Color colour)
{
    form_.AddToCalcRichEdit(line, style, colour);
}

void TambCalculation::showComponent(std::string_view labelName, std::string_view caption, float index,
                                    bool blankLineAfter)
{
    auto& label = form_.control<ui::Label>(labelName);
    label.setCaption(std::string(caption) + alignRight(formatNumber("0.##", index), 7));
    label.show();
    logLine(label.caption(), rtf::styles::bold);
    report(toUpperAscii(label.caption()));
    if (blankLineAfter) {
        report(" ");
    }
}

void TambCalculation::failInputCheck(const std::string& text)
{
    ui::BatchState& batch = services_.batch;
    batch.BatchMessage = text;
    if (batch.BatchRunning) {
        batch.BatchMessagePending = true;
    } else {
        services_.dialogs.error(text);
    }
    throw Ended{};
}

void TambCalculation::failShown(std::string_view text)
{
    services_.dialogs.error(text);
    throw Ended{};
}

void TambCalculation::failCollected(std::string_view text)
{
    services_.batch.report(services_.dialogs, text);
    throw Ended{};
}

const std::string& TambCalculation::editText(std::string_view name)
{
    return form_.control<ui::Edit>(name).text();
}

bool TambCalculation::visible(std::string_view name)
{
    return form_.control<ui::Control>(name).visible();
}

bool TambCalculation::checked(std::string_view name)
{
    return form_.control<ui::RadioButton>(name).checked();
}

bool TambCalculation::shownAndEmpty(std::string_view editName)
{
    return visible(editName) && editText(editName).empty();
}

bool TambCalculation::shownAndFilled(std::string_view editName)
{
    return visible(editName) && !editText(editName).empty();
}

std::string TambCalculation::weightVolumeFactor(std::string_view editName)
{
    const std::string& entered = editText(editName);
    return entered.empty() ? record().mapUnit.WV_Factor : entered;
}

std::string TambCalculation::tableValue(std::string_view table, std::string_view column, std::string_view keyField1,
                                        std::string_view keyValue1, std::string_view keyField2,
                                        std::string_view keyValue2, std::string_view keyField3,
                                        std::string_view keyValue3)
{
    return lookups_.GetTableValue(table, column, keyField1, keyValue1, keyField2, keyValue2, keyField3, keyValue3);
}

} // namespace verdalis::phosphorus
