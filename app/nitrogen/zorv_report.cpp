#include "nitrogen/zorv_report.h"

#include "nitrogen/zorv_texts.h"
#include "util/number_format.h"

namespace verdalis::nitrogen {

namespace {

inline constexpr std::string_view poundsPattern = "###,###,###,##0.##";
inline constexpr std::string_view pounds = " lbs";
inline constexpr size_t amountLabelWidth = 33;
inline constexpr size_t ruleWidth = 51;

std::string amountLine(std::string_view label, double value)
{
    return alignLeft(label, amountLabelWidth) + poundsText(value);
}

} // namespace

std::string poundsText(double amount)
{
    return formatNumber(poundsPattern, amount) + std::string(pounds);
}

void ZorvReport::line(std::string_view text)
{
    report_.AddToRichEdit(text, rtf::styles::plain, colors::black);
}

void ZorvReport::warning(std::string_view text)
{
    report_.AddToRichEdit(text, rtf::styles::italic, colors::red);
}

void ZorvReport::blankLine()
{
    line(" ");
}

void ZorvReport::amount(std::string_view label, double value)
{
    line(amountLine(label, value));
}

void ZorvReport::amountWarning(std::string_view label, double value)
{
    warning(std::string(texts::warningPrefix) + amountLine(label, value));
}

void ZorvReport::rule()
{
    report_.AddToRichEdit(std::string(ruleWidth, ' '), rtf::styles::underline, colors::black);
}

void ZorvReport::identification(std::string_view producerId, std::string_view tractNum, std::string_view county)
{
    line(std::string(texts::producerId) + std::string(producerId));
    line(std::string(texts::tractNum) + std::string(tractNum));
    line(std::string(texts::county) + std::string(county));
}

} // namespace verdalis::nitrogen
