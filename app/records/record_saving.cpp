// Saving the inputs and results as a record of the user table, and
// starting a new record.
#include "records/record_table.h"

#include "records/record_texts.h"
#include "util/field_split.h"
#include "util/number_format.h"
#include "util/text_case.h"

#include <algorithm>
#include <exception>

namespace verdalis::records {

namespace {

using shell::CalculationType;

bool runsZorv(CalculationType type)
{
    return type == CalculationType::Zorv || type == CalculationType::ZorvAndTamb;
}

bool runsTamb(CalculationType type)
{
    return type == CalculationType::Tamb || type == CalculationType::ZorvAndTamb;
}

std::string_view modeTypeWord(CalculationType type)
{
    switch (type) {
    case CalculationType::Zorv: return "Zorv";
    case CalculationType::Tamb: return "Tamb";
    default: return "ZorvTamb";
    }
}

inline constexpr std::string_view acresAffectedFormat = "0.##";

// The nitrogen results, by column, in the order they are written.
struct ResultColumn {
    std::string_view column;
    float shell::NitrogenResults::*result;
};
constexpr ResultColumn nitrogenResultColumns[] = {
    {"N_App_Acrs", &shell::NitrogenResults::N_Applied},
    {"Exss_N_Acr", &shell::NitrogenResults::Excess_N},
    {"Exss_N_Sur", &shell::NitrogenResults::Excess_N_Surface},
    {"Exss_N_Sub", &shell::NitrogenResults::Excess_N_Subsurface},
    {"N_Needed", &shell::NitrogenResults::N_Needed_Field},
    {"Util_NCrop", &shell::NitrogenResults::Utilized_N_Crop},
    {"NLostCrop", &shell::NitrogenResults::N_Lost_After_Crop},
    {"NLostB4BMP", &shell::NitrogenResults::N_Lost_Before_BMP},
    {"NLostCvCrp", &shell::NitrogenResults::N_Lost_After_Cover_Crops},
    {"NLostBMP", &shell::NitrogenResults::N_Lost_After_BMP},
    {"TotalNLost", &shell::NitrogenResults::Total_N_Lost},
};

} // namespace

bool RecordTable::enoughToSave()
{
    const auto holdsText = [this](const char* box) { return !form_.control<ui::ComboBox>(box).text().empty(); };
    const auto editHoldsText = [this](const char* box) { return !form_.control<ui::Edit>(box).text().empty(); };
    const CalculationType type = form_.record.calculationType;
    if (!holdsText("CountyBox") || !holdsText("SoilMapUnitBox") || type == CalculationType::None) {
        return false;
    }
    if (runsZorv(type) && (!holdsText("CropBox") || !editHoldsText("AcresBox"))) {
        return false;
    }
    return !runsTamb(type) || holdsText("CropBox2");
}

std::optional<RecordTable::SaveName> RecordTable::askSaveName()
{
    const auto& names = form_.values.RecordNameList;
    for (;;) {
        const auto entered = dialogs_.inputQuery(texts::saveNameCaption, texts::saveNamePrompt, {});
        if (!entered) {
            dialogs_.showMessage(texts::notSaved);
            return std::nullopt;
        }
        const std::string& name = *entered;
        if (name.empty()) {
            dialogs_.error(texts::saveNameMissing);
            continue;
        }
        const bool exists = std::ranges::any_of(
            names, [&name](const std::string& line) { return equalsIgnoringCase(GetField(line, 1, '='), name); });
        if (!exists) {
            return SaveName{name, false};
        }
        if (dialogs_.confirm(texts::overwriteQuestion(name))) {
            return SaveName{name, true};
        }
    }
}

void RecordTable::SaveBtnClick()
{
    if (!enoughToSave()) {
        dialogs_.error(texts::notEnoughToSave);
        return;
    }
    const auto saveName = askSaveName();
    if (!saveName) {
        return;
    }
    const std::string type(modeTypeWord(form_.record.calculationType));

    SuppressRecordLoad = true;
    // A list entry that names a record the open table lacks (another list is
    // open) saves a new record under that name, without a second entry.
    if (saveName->overwrite && table_.locate("RecordName", saveName->name)) {
        table_.edit();
    } else {
        if (!saveName->overwrite) {
            form_.values.RecordNameList.push_back(saveName->name + "=" + type);
        }
        table_.insert();
    }

    // The record is posted with what was written before a column refused a
    // value; the refusal (naming the column and the value) is reported after.
    std::exception_ptr failure;
    try {
        writeRecord(saveName->name);
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        table_.post();
    } catch (...) {
        table_.cancel();
        if (!failure) {
            failure = std::current_exception();
        }
    }
    SuppressRecordLoad = false;
    form_.control<ui::Grid>("DBGrid1").refresh();
    form_.ResetAllValues(true, true);
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void RecordTable::writeRecord(const std::string& name)
{
    const auto editText = [this](const char* box) { return form_.control<ui::Edit>(box).text(); };
    const auto boxText = [this](const char* box) { return form_.control<ui::ComboBox>(box).text(); };
    const auto& bmp = form_.record.bmp;
    const auto& nutrients = form_.record.nutrients;
    const std::pair<std::string_view, std::string> always[] = {
        {"RecordName", name},
        {"CalendarYr", boxText("CroppingYearBox")},
        {"ProducerID", editText("ProducerIDBox")},
        {"TractNum", editText("TractNumBox")},
        {"FieldNum", editText("FieldNumBox")},
        {"MODETYPE", std::string(modeTypeWord(form_.record.calculationType))},
        {"County", boxText("CountyBox")},
        {"MappingUnt", boxText("SoilMapUnitBox")},
        {"BMPs", bmp.BMPs},
        {"BMPWidths", bmp.BMPWidths},
        {"NutrientID", nutrients.NutrientID},
        {"NutrientLB", nutrients.NutrientLB},
        {"ManureP2O5", nutrients.ManureP2O5},
        {"AppMethod", nutrients.AppMethod},
        {"Pct_P2O5", nutrients.Pct_P2O5},
    };
    for (const auto& [column, value] : always) {
        table_.field(column).setText(value);
    }
    if (runsZorv(form_.record.calculationType)) {
        writeNitrogenInputs();
    }
    if (runsTamb(form_.record.calculationType)) {
        writePhosphorusInputs();
    }
}

void RecordTable::writeIfText(std::string_view column, std::string_view box)
{
    const std::string& value = form_.control<ui::Edit>(box).text();
    if (!value.empty()) {
        table_.field(column).setText(value);
    }
}

void RecordTable::writeNitrogenInputs()
{
    table_.field("Crop_Zorv").setText(form_.control<ui::ComboBox>("CropBox").text());
    table_.field("Tillage_N").setText(form_.control<ui::ComboBox>("TillageZorvBox").text());
    table_.field("Cover_Crop").setText(form_.control<ui::ComboBox>("CoverCropBox").text());
    writeIfText("FieldAcres", "AcresBox");
    writeIfText("FieldSlope", "SlopeED");
    writeIfText("N_App_Rate", "NAppRateBox");
    writeIfText("RYE", "RYEBox");
    const float acresAffected = form_.record.bmp.BMPAcres;
    if (acresAffected > 0) {
        table_.field("Acres_Aff").setText(formatNumber(acresAffectedFormat, acresAffected));
    } else {
        table_.field("Acres_Aff").setNull();
    }
    for (const ResultColumn& result : nitrogenResultColumns) {
        table_.field(result.column).setFloat(form_.record.nitrogen.*result.result);
    }
}

void RecordTable::writePhosphorusInputs()
{
    table_.field("Crop_Tamb").setText(form_.control<ui::ComboBox>("CropBox2").text());
    table_.field("Tillage").setText(form_.control<ui::ComboBox>("TillageCBNew").text());
    table_.field("Soil_Loss").setText(form_.control<ui::Edit>("SoilLossED").text());
    table_.field("RecSlopeDi").setText(form_.control<ui::ComboBox>("RecSlopeDistCB").text());
    const std::pair<const char*, const char*> edits[] = {
        {"PI_Surface", "SoilTestP1ED"}, {"PI_Subsoil", "SoilTestP2ED"}, {"WVRSurface", "WVRED1"},
        {"WVRSubsoil", "WVRED2"}};
    for (const auto& [column, box] : edits) {
        table_.field(column).setText(form_.control<ui::Edit>(box).text());
    }
    if (form_.control<ui::RadioButton>("RD_Yes").checked()) {
        table_.field("DrainSystm").setText("yes");
    } else if (form_.control<ui::RadioButton>("RD_No").checked()) {
        table_.field("DrainSystm").setText("no");
    }
    for (const auto& [column, box] : {std::pair{"DrainSpacg", "DrainageSpacingED"},
                                      std::pair{"DrainDepth", "DrainageDepthED"}}) {
        const auto& edit = form_.control<ui::Edit>(box);
        if (edit.visible()) {
            table_.field(column).setText(edit.text());
        }
    }
    if (form_.control<ui::GroupBox>("HydroGB").visible()) {
        for (const char* condition : {"HCGood", "HCFair", "HCPoor"}) {
            const auto& button = form_.control<ui::RadioButton>(condition);
            if (button.checked()) {
                table_.field("HydroCond").setText(button.caption());
            }
        }
    }
}

void RecordTable::NewRecordBtnClick()
{
    const bool saveable = !form_.control<ui::ComboBox>("CountyBox").text().empty()
                          && !form_.control<ui::ComboBox>("SoilMapUnitBox").text().empty()
                          && form_.record.calculationType != CalculationType::None;
    if (saveable && dialogs_.confirm(texts::saveCurrentRecord)) {
        SaveBtnClick();
        return;
    }
    form_.ResetAllValues(true, true);
}

} // namespace verdalis::records
