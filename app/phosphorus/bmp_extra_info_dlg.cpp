#include "phosphorus/bmp_extra_info_dlg.h"

#include "phosphorus/bmp_texts.h"
#include "reports/dialog_buttons.h"
#include "util/number_format.h"

#include <algorithm>

namespace verdalis::phosphorus {

namespace {

inline constexpr ui::Geometry formGeometry{0, 0, 360, 220};
inline constexpr int rowHeight = 16;
inline constexpr int boxHeight = 24;
inline constexpr int buttonWidth = 80;
inline constexpr int buttonHeight = 28;

// Buffer widths in feet. 70, not 75: the nitrogen buffer classes start there.
const std::vector<std::string>& widthChoices()
{
    static const std::vector<std::string> choices{"0", "5", "10", "15", "20", "25", "30", "50", "70", "100"};
    return choices;
}

const char* const acreRow[] = {"AcreLBL", "AcreED", "AcresLBL"};
const char* const widthRow[] = {"SelectLBL", "MinimumLBL", "WidthLBL", "WidthCB", "FeetLBL"};

bool isOneOf(std::string_view id, std::initializer_list<std::string_view> ids)
{
    return std::ranges::find(ids, id) != ids.end();
}

} // namespace

TExtraBMPInfo::TExtraBMPInfo() : ui::Form("ExtraBMPInfo")
{
    setCaption(std::string(texts::extraInfoCaption));
    setGeometry(formGeometry);
    auto label = [this](const char* name, const char* caption, ui::Geometry geometry) -> ui::Label& {
        auto& added = add<ui::Label>(name, caption);
        added.setGeometry(geometry);
        return added;
    };
    NameLBL = &label("NameLBL", "", {12, 12, 330, rowHeight});
    label("AcreLBL", "Enter Acre Amount:", {12, 44, 130, rowHeight});
    AcreED = &add<ui::Edit>("AcreED");
    AcreED->setGeometry({150, 40, 100, boxHeight});
    label("AcresLBL", "Acres", {258, 44, 60, rowHeight});
    label("SelectLBL", "Select", {12, 80, 60, rowHeight});
    label("MinimumLBL", "MINUMUM", {12, 96, 70, rowHeight});
    label("WidthLBL", "Width", {12, 112, 60, rowHeight});
    WidthCB = &add<ui::ComboBox>("WidthCB");
    WidthCB->setStyle(ui::ComboStyle::DropDownList);
    WidthCB->setGeometry({150, 94, 100, boxHeight});
    label("FeetLBL", "Feet", {258, 98, 60, rowHeight});

    const int buttonTop = formGeometry.height - buttonHeight - 12;
    reports::addOkCancelButtons(*this, {formGeometry.width - 188, buttonTop, buttonWidth, buttonHeight},
                                {formGeometry.width - 96, buttonTop, buttonWidth, buttonHeight});
}

void TExtraBMPInfo::PrepareExtraInfo(std::string_view description, std::string_view id, std::string_view mode,
                                     float acreValue, bool needsWidth)
{
    NameLBL->setCaption(std::string(description));
    WidthCB->setItemIndex(ui::noItem);
    if (mode == texts::inZorv) {
        showAcreRow(true, acreValue);
        showWidthRow(isOneOf(id, {"1", "2"}));
    } else if (mode == texts::inZorvTamb) {
        showAcreRow(!isOneOf(id, {"4", "5", "6"}), acreValue);
        showWidthRow(needsWidth);
    } else {
        showAcreRow(false, acreValue);
        showWidthRow(needsWidth);
    }
}

void TExtraBMPInfo::showAcreRow(bool show, float acreValue)
{
    for (const char* name : acreRow) {
        get<ui::Control>(name).setVisible(show);
    }
    if (!show) {
        return;
    }
    // The first BMP that asks for acres sets them for all that follow.
    const bool acresKnown = acreValue > 0;
    AcreED->setText(acresKnown ? shortestSingleDecimal(acreValue) : std::string{});
    AcreED->setReadOnly(acresKnown);
}

void TExtraBMPInfo::showWidthRow(bool show)
{
    for (const char* name : widthRow) {
        get<ui::Control>(name).setVisible(show);
    }
    if (show) {
        WidthCB->clearItems();
        WidthCB->addItems(widthChoices());
    }
}

} // namespace verdalis::phosphorus
