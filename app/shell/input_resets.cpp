// Resetting the assessment input record: the full reset that starts a new
// assessment, and the partial resets of the outputs and the phosphorus
// groups that other operations run on their own.
#include "shell/main_form.h"

#include "shell/shell_texts.h"

#include <chrono>

namespace verdalis::shell {

void TForm1::ResetBtnClick()
{
    ResetAllValues(true, true);
}

void TForm1::ResetAllValues(bool resetMapUnit, bool resetIdentification)
{
    if (resetIdentification) {
        auto& years = control<ui::ComboBox>("CroppingYearBox");
        const int year = static_cast<int>(services_.clock.today().year());
        years.setItemIndex(years.indexOf(std::to_string(year)));
        if (years.itemIndex() == ui::noItem) {
            services_.dialogs.error(texts::invalidCroppingYear);
        }
        for (const char* box : {"TractNumBox", "FieldNumBox", "ProducerIDBox"}) {
            control<ui::Edit>(box).setText({});
        }
    }
    if (resetMapUnit) {
        control<ui::ComboBox>("SoilMapUnitBox").setItemIndex(ui::noItem);
    }

    // The county's values stay, so a map unit of the same county can be
    // chosen again at once.
    record.mapUnit = {};
    record.zorvCrop = {};
    record.tambCrop = {};
    record.SMG.clear();
    values.Tillage_ID.clear();
    values.ZorvTillageId.clear();
    record.hydrology = {};

    for (const char* box : {"CropBox", "CropBox2", "TillageCBNew", "TillageZorvBox", "CoverCropBox"}) {
        control<ui::ComboBox>(box).setItemIndex(ui::noItem);
    }
    for (const char* tillage : {"TillageCBNew", "TillageLBL", "TillageZorvBox", "TillageZorvlbl"}) {
        control<ui::Control>(tillage).hide();
    }
    control<ui::Edit>("AcresBox").setText({});
    control<ui::Edit>("SlopeED").setText({});
    control<ui::RichText>("CalcRichEdit").hide();

    record.bmp = {};
    auto& bmpCount = control<ui::Label>("TotalBMPlbl");
    bmpCount.setHint({});
    bmpCount.setCaption(std::string(texts::bmpCount) + "0");
    parts_.bmps.resetBMPInfo();

    if (!services_.batch.BatchRunning) {
        services_.batch.DetailedCalculations = false;
    }

    ResetZorvCalculationOutputs();
    ResetTambCalculationOutputs();
    ResetHydroGB();
    ResetDrainageGB();
    control<ui::GroupBox>("DrainageGB").hide();
    ResetSoilGB();

    resetNutrients();
    record.expert = {};
}

void TForm1::resetNutrients()
{
    control<ui::Edit>("NAppRateBox").setText({});
    control<ui::Label>("TotalNutrientsLBL").setCaption(std::string(texts::nutrientCount) + "0");
    record.nutrients = {};
    parts_.nutrients.deleteTables();
}

void TForm1::ResetZorvCalculationOutputs()
{
    record.nitrogen = {};
    control<ui::Label>("ZorvExtraMsg2").hide();
    auto& header = control<ui::Label>("ZorvHeaderlbl");
    header.hide();
    header.setCaption(std::string(texts::zorvResults));
    auto& lost = control<ui::Label>("TotNLostLbl");
    lost.hide();
    lost.setCaption(std::string(texts::totalNLost));
    lost.setShowHint(false);
    auto& answer = control<ui::Label>("TotNLostAnsLbl");
    answer.hide();
    answer.setCaption("0");
    auto& chart = control<ui::BarChart>("NitrogenChart");
    chart.hide();
    chart.clear();
}

void TForm1::ResetTambCalculationOutputs()
{
    record.PartPValue = 0;
    record.phosphorus = {};
    auto& chart = control<ui::BarChart>("PhosphorusChart");
    chart.hide();
    chart.clear();
    control<ui::Label>("TambExtraMsg1").hide();
    auto& header = control<ui::Label>("TambHeaderlbl");
    header.hide();
    header.setCaption(std::string(texts::tambRating));
    auto& particulate = control<ui::Label>("PartPAssessLBL");
    particulate.hide();
    particulate.setShowHint(false);
    for (const char* name : {"RunoffPAssessLBL", "LeachatePAssessLBL", "SourcePAssessLBL", "LineLBL",
                             "OverallPAssessLBL"}) {
        control<ui::Label>(name).hide();
    }
}

void TForm1::ResetSoilGB()
{
    control<ui::Edit>("SoilLossED").setText({});
    control<ui::ComboBox>("RecSlopeDistCB").setItemIndex(ui::noItem);
    control<ui::Label>("SoilTestP1lbl").hide();
    for (const char* box : {"SoilTestP1ED", "SoilTestP2ED", "WVRED1", "WVRED2"}) {
        auto& edit = control<ui::Edit>(box);
        edit.setText({});
        edit.hide();
    }
    for (const char* name :
         {"zeroTo8LBL1", "twentyeightTo32LBL1", "ZeroTo8LBL2", "TwentyEightTo32LBL2", "WeightVolumeRatioLBL"}) {
        control<ui::Label>(name).hide();
    }
}

void TForm1::ResetHydroGB()
{
    for (const char* name : {"HCGood", "HCFair", "HCPoor"}) {
        auto& condition = control<ui::RadioButton>(name);
        condition.hide();
        condition.setChecked(false);
    }
    control<ui::GroupBox>("HydroGB").hide();
}

void TForm1::ResetDrainageGB()
{
    control<ui::Label>("DSpacingLBL").hide();
    control<ui::Label>("DDepthLBL").hide();
    for (const char* box : {"DrainageSpacingED", "DrainageDepthED"}) {
        auto& edit = control<ui::Edit>(box);
        edit.hide();
        edit.setText({});
    }
    control<ui::RadioButton>("RD_Yes").setChecked(false);
    control<ui::RadioButton>("RD_No").setChecked(false);
}

} // namespace verdalis::shell
