#include "phosphorus/hydrology_inputs.h"

#include "phosphorus/drainage_sizes.h"
#include "phosphorus/hydrology_texts.h"
#include "phosphorus/table_access.h"
#include "util/text_case.h"
#include "util/number_text.h"

#include <array>

namespace verdalis::phosphorus {

namespace {

// A crop name's remark follows this marker ("Corn**(grain)").
constexpr std::string_view remarkMarker = "**";
// Station tables may hold the drainage-model crop key with decimals.
constexpr std::string_view decimalKeySuffix = ".00";
constexpr int asksForTillage = 1;
// Tillages that leave the surface layer undisturbed below 4 inches.
constexpr std::array<std::string_view, 3> shallowTillageIds{"0", "2", "3"};
constexpr std::array<std::string_view, 2> shallowCropWords{"hay", "pasture"};
constexpr std::string_view noTillage = "0";
constexpr std::string_view drainageDecided = "1";
constexpr std::string_view conditionsDecided = "0";

// The condition buttons in the order the only offered one is looked for.
constexpr std::array<const char*, 3> conditionButtonsPoorFirst{"HCPoor", "HCFair", "HCGood"};
constexpr std::array<const char*, 7> stationCoefficientColumns{"DMRO_E",  "DMRO_F",  "DMRO_G", "DMLch_A",
                                                               "DMLch_B", "DMLch_C", "DMLch_D"};

const char* conditionButtonFor(std::string_view condition)
{
    const std::string word = toLowerAscii(condition);
    if (word == "good") {
        return "HCGood";
    }
    if (word == "fair") {
        return "HCFair";
    }
    if (word == "poor") {
        return "HCPoor";
    }
    return nullptr;
}

bool runsTamb(shell::CalculationType type)
{
    return type == shell::CalculationType::Tamb || type == shell::CalculationType::ZorvAndTamb;
}

} // namespace

HydrologyInputs::HydrologyInputs(shell::TForm1& form, ui::Application& application, ui::Dialogs& dialogs,
                                 ui::BatchState& batch, const TableLookups& lookups)
    : form_(form), application_(application), dialogs_(dialogs), batch_(batch), lookups_(lookups)
{
    form_.control<ui::ComboBox>("TillageCBNew").onChange = [this] { TillageCBNewChange(); };
    for (const char* answer : {"RD_Yes", "RD_No"}) {
        form_.control<ui::RadioButton>(answer).onClick = [this] { DrainageYesNoClick(); };
    }
    for (const char* name : conditionButtonsPoorFirst) {
        auto& button = form_.control<ui::RadioButton>(name);
        button.onClick = [this, &button] { HydrologicConditionsClick(button); };
    }
}

void HydrologyInputs::setRecordLoading(bool loading, std::string savedCondition)
{
    loadingRecord_ = loading;
    savedCondition_ = std::move(savedCondition);
}

void HydrologyInputs::getCropBoxRelatedInfo(const std::string& cropText)
{
    auto& tillage = form_.control<ui::ComboBox>("TillageCBNew");
    tillage.hide();
    tillage.setItemIndex(ui::noItem);
    form_.ResetHydroGB();

    std::string name = toLowerAscii(cropText);
    if (const size_t remark = name.find(remarkMarker); remark != std::string::npos) {
        name.resize(remark);
    }
    shell::TambCropValues& crop = form_.record.tambCrop;
    if (auto crops = openLocatedTable(lookups_, "Crops.db")) {
        if (!crops->locate("Harlwig_Crop_Name", name)) {
            dialogs_.error(std::string(texts::cropNotFoundStart) + name + std::string(texts::cropNotFoundMiddle) +
                           form_.values.SupportContactText);
        } else {
            crop.CN_CropID = crops->field("CN_CropID").asText();
            crop.DrnMod_CropID = crops->field("DrnMod_CropID").asText();
            crop.TillageFlag = crops->field("TillageFlag").asText();
            crops.reset();
            const bool showTillage = textToInteger(crop.TillageFlag) == asksForTillage;
            tillage.setVisible(showTillage);
            form_.control<ui::Label>("TillageLBL").setVisible(showTillage);
            if (!showTillage) {
                form_.values.Tillage_ID = std::string(noTillage);
                getTillageBoxInfo();
            }
            lookUpStationCoefficients();
            return;
        }
    }
    application_.processMessages();
}

void HydrologyInputs::lookUpStationCoefficients()
{
    shell::TambCropValues& crop = form_.record.tambCrop;
    if (auto stations = openLocatedTable(lookups_, "County_Stations.DB")) {
        const std::string& lkey = form_.record.county.LKey;
        const std::string decimalKey = crop.DrnMod_CropID + std::string(decimalKeySuffix);
        if (!stations->locate("LKey;DrnModCropID", {lkey, crop.DrnMod_CropID}) &&
            !stations->locate("LKey;DrnModCropID", {lkey, decimalKey})) {
            dialogs_.error(texts::stationCropNotFound);
            return;
        }
        std::string* const coefficients[] = {&crop.DMRO_E,  &crop.DMRO_F,  &crop.DMRO_G, &crop.DMLch_A,
                                             &crop.DMLch_B, &crop.DMLch_C, &crop.DMLch_D};
        for (size_t i = 0; i < stationCoefficientColumns.size(); ++i) {
            *coefficients[i] = stations->field(stationCoefficientColumns[i]).asText();
        }
    }
    application_.processMessages();
}

void HydrologyInputs::TillageCBNewChange()
{
    getTillageBoxInfo();
}

void HydrologyInputs::getTillageBoxInfo()
{
    form_.ResetHydroGB();
    const std::string& flag = form_.record.tambCrop.TillageFlag;
    // A tillage kept from a record without a phosphorus crop (a nitrogen-only
    // record) has no crop to apply to: it counts as none.
    std::string& tillageId = form_.values.Tillage_ID;
    if (!flag.empty() && textToInteger(flag) == asksForTillage) {
        const std::string tillageText = form_.control<ui::ComboBox>("TillageCBNew").text();
        tillageId = lookups_.GetTableValue("Tillage.db", "Tillage_ID", "Tillage", tillageText);
        if (tillageId == kLookupError || tillageId.empty()) {
            dialogs_.error(std::string(texts::tillageNotFoundStart) + tillageText +
                           std::string(texts::tillageNotFoundEnd));
            tillageId = std::string(noTillage);
        }
    } else {
        tillageId = std::string(noTillage);
    }
    showSurfaceDepthLabels();
    const int offered = showOfferedConditions();

    const std::string& drainageFlag = form_.record.mapUnit.DrainageFlag;
    auto& hydroGroup = form_.control<ui::GroupBox>("HydroGB");
    const bool drainageShown = form_.control<ui::GroupBox>("DrainageGB").visible();
    if (drainageFlag == conditionsDecided && !drainageShown) {
        if (offered == 1) {
            selectOfferedCondition();
        }
        if (runsTamb(form_.record.calculationType)) {
            hydroGroup.show();
            if (offered > 1 && loadingRecord_) {
                restoreSavedCondition();
            }
        }
    } else if (drainageFlag == drainageDecided && drainageShown) {
        if (form_.control<ui::RadioButton>("RD_Yes").checked() || form_.control<ui::RadioButton>("RD_No").checked()) {
            DrainageYesNoClick();
        } else {
            hydroGroup.hide();
        }
    } else {
        hydroGroup.hide();
    }
}

void HydrologyInputs::showSurfaceDepthLabels()
{
    bool shallow = false;
    for (std::string_view id : shallowTillageIds) {
        shallow = shallow || form_.values.Tillage_ID == id;
    }
    const std::string crop = toLowerAscii(form_.control<ui::ComboBox>("CropBox2").text());
    for (std::string_view word : shallowCropWords) {
        shallow = shallow || crop.find(word) != std::string::npos;
    }
    const std::string_view depth = shallow ? texts::shallowSurfaceDepth : texts::deepSurfaceDepth;
    for (const char* label : {"zeroTo8LBL1", "ZeroTo8LBL2"}) {
        form_.control<ui::Label>(label).setCaption(std::string(depth));
    }
}

int HydrologyInputs::showOfferedConditions()
{
    auto curveNumbers = openTableIn(form_.values.CropTablesDir, "Curve_Number.db",
                                    "CN_CropID = " + quotedFilterValue(form_.record.tambCrop.CN_CropID) +
                                        " and Tillage_ID = " + quotedFilterValue(form_.values.Tillage_ID));
    if (!curveNumbers) {
        return 0;
    }
    std::array<bool, conditionButtonsPoorFirst.size()> counted{};
    int offered = 0;
    for (; !curveNumbers->eof(); curveNumbers->next()) {
        const char* button = conditionButtonFor(curveNumbers->field("HC").asText());
        for (size_t i = 0; button != nullptr && i < conditionButtonsPoorFirst.size(); ++i) {
            if (conditionButtonsPoorFirst[i] == std::string_view(button) && !counted[i]) {
                counted[i] = true;
                ++offered;
                form_.control<ui::RadioButton>(button).show();
            }
        }
    }
    return offered;
}

void HydrologyInputs::selectOfferedCondition()
{
    for (const char* name : conditionButtonsPoorFirst) {
        auto& button = form_.control<ui::RadioButton>(name);
        if (button.visible()) {
            button.setChecked(true);
            return;
        }
    }
}

bool HydrologyInputs::restoreSavedCondition()
{
    const char* name = conditionButtonFor(savedCondition_);
    if (name == nullptr) {
        return true;
    }
    auto& button = form_.control<ui::RadioButton>(name);
    if (batch_.BatchRunning && !button.visible()) {
        batch_.collect(texts::hydrologicConditionError);
        return false;
    }
    button.setChecked(true);
    return true;
}

void HydrologyInputs::DrainageYesNoClick()
{
    auto& hydroGroup = form_.control<ui::GroupBox>("HydroGB");
    if (form_.control<ui::RadioButton>("RD_Yes").checked()) {
        showDrainageSizes(form_, true);
        hydroGroup.hide();
        return;
    }
    if (!form_.control<ui::RadioButton>("RD_No").checked()) {
        return;
    }
    showDrainageSizes(form_, false);
    int offered = 0;
    const auto& tillage = form_.control<ui::ComboBox>("TillageCBNew");
    if (form_.control<ui::ComboBox>("CropBox2").itemIndex() != ui::noItem &&
        (!tillage.visible() || tillage.itemIndex() != ui::noItem)) {
        for (const char* name : conditionButtonsPoorFirst) {
            form_.control<ui::RadioButton>(name).hide();
        }
        offered = showOfferedConditions();
    }
    bool anyShown = false;
    for (const char* name : conditionButtonsPoorFirst) {
        anyShown = anyShown || form_.control<ui::RadioButton>(name).visible();
    }
    if (!anyShown) {
        hydroGroup.hide();
        return;
    }
    if (offered == 1) {
        selectOfferedCondition();
    } else if (offered > 1 && loadingRecord_ && !restoreSavedCondition()) {
        return;
    }
    hydroGroup.show();
}

void HydrologyInputs::HydrologicConditionsClick(ui::RadioButton& sender)
{
    const std::string caption = toLowerAscii(sender.caption());
    if (conditionButtonFor(caption) != nullptr) {
        form_.record.hydrology.HC = caption;
    }
}

} // namespace verdalis::phosphorus
