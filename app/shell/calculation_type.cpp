// The calculation type shapes the Main tab: which groups and controls show,
// where the crop and nutrient controls sit, and which earlier choices are
// run again so that their derived values fit the new type.
#include "shell/main_form.h"

#include "shell/shell_texts.h"
#include "util/text_case.h"

namespace verdalis::shell {

namespace {

// Where the phosphorus crop controls sit when they are the only ones.
inline constexpr int tambCropLeft = 8;
inline constexpr int tambTillageLabelLeft = 24;
inline constexpr int tambTillageLeft = 6;
// Where the nutrient button and count sit: alone in their group, or below
// the nitrogen rate.
inline constexpr int tambRateButtonTop = 64;
inline constexpr int tambNutrientCountTop = 96;
inline constexpr int bothRateButtonTop = 160;
inline constexpr int bothNutrientCountTop = 192;

const char* const nitrogenOnlyControls[] = {"FieldSlopeLBL", "SlopeED", "CoverCroplbl", "CoverCropBox",
                                            "Acreslbl",      "AcresBox", "RYElbl",      "RYEBox"};
const char* const surfaceSoilTestControls[] = {"SoilTestP1lbl",        "SoilTestP1ED", "zeroTo8LBL1",
                                               "WeightVolumeRatioLBL", "WVRED1",       "ZeroTo8LBL2"};

CalculationType typeOfCaption(std::string_view caption)
{
    if (equalsIgnoringCase(caption, "Zorv")) {
        return CalculationType::Zorv;
    }
    if (equalsIgnoringCase(caption, "Tamb")) {
        return CalculationType::Tamb;
    }
    return CalculationType::ZorvAndTamb;
}

bool runsZorv(CalculationType type)
{
    return type == CalculationType::Zorv || type == CalculationType::ZorvAndTamb;
}

bool runsTamb(CalculationType type)
{
    return type == CalculationType::Tamb || type == CalculationType::ZorvAndTamb;
}

} // namespace

void TForm1::CalculationTypeClick(ui::RadioButton& sender)
{
    ResetZorvCalculationOutputs();
    ResetTambCalculationOutputs();
    const CalculationType type = typeOfCaption(sender.caption());
    record.calculationType = type;

    showCropControlsFor(type);
    rerunChoicesFor(type);
    showGroupsFor(type);

    for (const char* name : nitrogenOnlyControls) {
        control<ui::Control>(name).setVisible(runsZorv(type));
    }
    control<ui::Label>("NAppRatelbl").setVisible(runsZorv(type));
    control<ui::Edit>("NAppRateBox").setVisible(runsZorv(type));
    auto& rateButton = control<ui::Button>("NAppRateBtn");
    auto& nutrientCount = control<ui::Label>("TotalNutrientsLBL");
    rateButton.setVisible(runsTamb(type));
    nutrientCount.setVisible(runsTamb(type));
    if (type == CalculationType::Tamb) {
        rateButton.setTop(tambRateButtonTop);
        nutrientCount.setTop(tambNutrientCountTop);
    } else if (type == CalculationType::ZorvAndTamb) {
        rateButton.setTop(bothRateButtonTop);
        nutrientCount.setTop(bothNutrientCountTop);
    }

    if (runsTamb(type) && !control<ui::ComboBox>("SoilMapUnitBox").text().empty()) {
        for (const char* name : surfaceSoilTestControls) {
            control<ui::Control>(name).show();
        }
    }
    control<ui::Button>("CalculateBtn").show();
    control<ui::Button>("CompareRecsBtn").setVisible(type == CalculationType::ZorvAndTamb);

    resetBmpChoice();
}

void TForm1::showCropControlsFor(CalculationType type)
{
    auto& cropLabel = control<ui::Label>("Croplbl");
    auto& crop = control<ui::ComboBox>("CropBox");
    auto& secondCropLabel = control<ui::Label>("Crop2LBL");
    auto& secondCrop = control<ui::ComboBox>("CropBox2");
    auto& tillageLabel = control<ui::Label>("TillageLBL");
    auto& tillage = control<ui::ComboBox>("TillageCBNew");
    switch (type) {
    case CalculationType::Zorv:
        cropLabel.show();
        crop.show();
        for (ui::Control* tambControl : std::initializer_list<ui::Control*>{&secondCropLabel, &secondCrop, &tillage,
                                                                           &tillageLabel}) {
            tambControl->hide();
        }
        break;
    case CalculationType::Tamb:
        cropLabel.hide();
        crop.hide();
        control<ui::Label>("TillageZorvlbl").hide();
        control<ui::ComboBox>("TillageZorvBox").hide();
        secondCropLabel.setLeft(tambCropLeft);
        secondCrop.setLeft(tambCropLeft);
        secondCropLabel.show();
        secondCrop.show();
        tillageLabel.setLeft(tambTillageLabelLeft);
        tillage.setLeft(tambTillageLeft);
        break;
    default:
        for (ui::Control* cropControl :
             std::initializer_list<ui::Control*>{&cropLabel, &crop, &secondCropLabel, &secondCrop}) {
            cropControl->show();
        }
        placeRightHandCropControls();
        break;
    }
}

void TForm1::rerunChoicesFor(CalculationType type)
{
    auto holdsText = [this](const char* box) { return !control<ui::ComboBox>(box).text().empty(); };
    if (runsTamb(type) && holdsText("SoilMapUnitBox")) {
        parts_.inputChanges.soilMapUnitBoxChange();
    }
    if (runsZorv(type)) {
        if (holdsText("CropBox")) {
            parts_.inputChanges.cropBoxChange();
        }
        followTillageBox("CropBox", "TillageZorvBox", "TillageZorvlbl");
    }
    if (runsTamb(type)) {
        if (holdsText("CropBox2")) {
            parts_.inputChanges.cropBox2Change();
        }
        followTillageBox("CropBox2", "TillageCBNew", "TillageLBL");
    }
}

void TForm1::followTillageBox(std::string_view cropBox, std::string_view tillageBox, std::string_view tillageLabel)
{
    auto& tillage = control<ui::ComboBox>(tillageBox);
    auto& label = control<ui::Label>(tillageLabel);
    if (control<ui::ComboBox>(cropBox).text().empty()) {
        tillage.setItemIndex(ui::noItem);
        tillage.hide();
        label.hide();
    } else if (!tillage.text().empty()) {
        tillage.show();
        label.show();
    }
}

void TForm1::showGroupsFor(CalculationType type)
{
    for (const char* group : {"GroupBox1", "GroupBox4", "ApplicationGB", "CropInfoGB"}) {
        control<ui::GroupBox>(group).show();
    }
    control<ui::GroupBox>("SoilGB").setVisible(runsTamb(type));
    if (!runsTamb(type)) {
        control<ui::GroupBox>("HydroGB").hide();
        control<ui::GroupBox>("DrainageGB").hide();
        return;
    }
    const bool conditionOffered = control<ui::RadioButton>("HCGood").visible()
                                  || control<ui::RadioButton>("HCFair").visible()
                                  || control<ui::RadioButton>("HCPoor").visible();
    if (conditionOffered) {
        control<ui::GroupBox>("HydroGB").show();
    }
    if (control<ui::RadioButton>("RD_Yes").checked() || control<ui::RadioButton>("RD_No").checked()) {
        control<ui::GroupBox>("DrainageGB").show();
    }
}

void TForm1::resetBmpChoice()
{
    record.bmp.BMPCount = 0;
    control<ui::Label>("TotalBMPlbl").setCaption(std::string(texts::bmpCount) + "0");
    parts_.bmps.resetBMPInfo();
}

} // namespace verdalis::shell
