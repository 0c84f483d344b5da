#include "phosphorus/nutrient_applications.h"

#include "phosphorus/nutrient_texts.h"
#include "ui/application.h"
#include "util/number_format.h"
#include "util/number_text.h"

namespace verdalis::phosphorus {

namespace {

constexpr std::string_view manureType = "Manure";
constexpr std::string_view savedNumberPattern = "0.###";
constexpr std::string_view savedNotEntered = "-1";
// A manure applied with a method that keeps less of its P2O5 on the surface
// counts for more: the entered pounds times (2 - method factor).
constexpr double manureIncreaseBase = 2;

std::string savedNumber(float value)
{
    return value == shell::nutrientNotEntered ? std::string(savedNotEntered)
                                              : formatNumber(savedNumberPattern, value);
}

void appendItem(std::string& list, std::string_view item)
{
    if (!list.empty()) {
        list += ',';
    }
    list += item;
}

// The control's place in the form.
ui::ScreenPoint formPosition(const ui::Control& control)
{
    ui::ScreenPoint point;
    for (const ui::Control* at = &control; at != nullptr; at = at->parent()) {
        point.x += at->left();
        point.y += at->top();
    }
    return point;
}

} // namespace

NutrientApplications::NutrientApplications(shell::TForm1& form, TEnterInfoDlg& enterInfoDlg,
                                           ui::Application& application, ui::Dialogs& dialogs)
    : form_(form), enterInfoDlg_(enterInfoDlg), application_(application), dialogs_(dialogs)
{
    form_.control<ui::Button>("NAppRateBtn").onMouseUp = [this](int x, int y) { NAppRateBtnMouseUp(x, y); };
    for (const char* name : {"IKnowMyNApplicationRate1", "CalculateMyNAppRateFromMyFertilizer1"}) {
        auto& item = form_.control<ui::MenuItem>(name);
        item.onClick = [this, &item] { NAppRateCalculationBtnClick(&item); };
    }
}

void NutrientApplications::NAppRateBtnMouseUp(int x, int y)
{
    if (form_.record.calculationType == shell::CalculationType::Zorv) {
        const ui::ScreenPoint button = formPosition(form_.control<ui::Button>("NAppRateBtn"));
        form_.control<ui::PopupMenu>("NAppRatePopUp").popup({button.x + x, button.y + y + popupOffsetBelowPointer});
    } else {
        NAppRateCalculationBtnClick(nullptr);
    }
}

void NutrientApplications::NAppRateCalculationBtnClick(const ui::MenuItem* sender)
{
    if (sender != nullptr && sender->name() == "IKnowMyNApplicationRate1") {
        form_.control<ui::Label>("NAppRatelbl").show();
        form_.control<ui::Edit>("NAppRateBox").show();
        return;
    }
    editAndAcceptSources(false);
}

bool NutrientApplications::loadSavedSources(const SavedNutrientTexts& saved)
{
    dropSources();
    // The working table must exist before the saved values go into it.
    if (!enterInfoDlg_.ViewTable(fertInfoTableName)) {
        return false;
    }
    enterInfoDlg_.CloseTable();
    const bool written = enterInfoDlg_.SetFertInfo(saved);
    return editAndAcceptSources(true) && written;
}

bool NutrientApplications::editAndAcceptSources(bool silent)
{
    dropSources();
    for (;;) {
        if (!enterInfoDlg_.ViewTable(fertInfoTableName)) {
            showCount();
            return false;
        }
        enterInfoDlg_.setWindowState(ui::WindowState::Maximized);
        if (!silent) {
            const ui::ModalResult result = enterInfoDlg_.showModal(application_);
            const bool keep = result == ui::ModalResult::Ok ||
                              (result == ui::ModalResult::Cancel && dialogs_.confirm(texts::keepSettings));
            if (!keep) {
                enterInfoDlg_.CloseTable();
                showCount();
                return false;
            }
        }
        if (enterInfoDlg_.GetFertInfo(form_.record.calculationType, form_.record.nutrients)) {
            break;
        }
        enterInfoDlg_.CloseTable();
        dialogs_.error(texts::readingFailed);
        if (silent) {
            // Nobody can correct a saved record while it loads: one report is enough.
            dropSources();
            showCount();
            return false;
        }
    }
    enterInfoDlg_.CloseTable();
    rebuildSavedTexts();
    showCount();
    return true;
}

void NutrientApplications::dropSources()
{
    form_.record.nutrients.count = 0;
    form_.record.nutrients.sources.clear();
}

void NutrientApplications::rebuildSavedTexts()
{
    shell::NutrientSummary& nutrients = form_.record.nutrients;
    nutrients.NutrientID.clear();
    nutrients.NutrientLB.clear();
    nutrients.ManureP2O5.clear();
    nutrients.AppMethod.clear();
    nutrients.Pct_P2O5.clear();
    NutrientSourceFacts& facts = enterInfoDlg_.sourceFacts();
    for (shell::NutrientSource& source : nutrients.sources) {
        appendItem(nutrients.NutrientID, enterInfoDlg_.sourceId(source.name));
        appendItem(nutrients.NutrientLB, savedNumber(source.appliedAmount));
        appendItem(nutrients.ManureP2O5, savedNumber(source.lbP2O5));
        appendItem(nutrients.AppMethod, source.appMethodId);
        appendItem(nutrients.Pct_P2O5, savedNumber(source.pctP2O5));
        if (source.lbP2O5 != shell::nutrientNotEntered && facts.GetFertilizerType(source.name) == manureType &&
            source.lbP2O5 != static_cast<float>(facts.GetFertilizerP205(source.name))) {
            const double factor = facts.GetFertilizerP205Factor(source.name, textToInteger(source.appMethodId));
            source.lbP2O5 = static_cast<float>((manureIncreaseBase - factor) * source.lbP2O5);
        }
    }
}

void NutrientApplications::showCount()
{
    form_.control<ui::Label>("TotalNutrientsLBL")
        .setCaption(std::string(texts::nutrientCount) + std::to_string(form_.record.nutrients.count));
}

} // namespace verdalis::phosphorus
