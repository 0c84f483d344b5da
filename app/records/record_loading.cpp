// Loading the current record of the user table into the inputs
// (ImportDatabase), replaying the change handlers of the inputs.
#include "records/record_table.h"

#include "records/record_texts.h"
#include "util/field_split.h"
#include "util/number_text.h"
#include "util/text_case.h"
#include "util/text_trim.h"

namespace verdalis::records {

namespace {

using shell::CalculationType;

inline constexpr std::string_view mapUnitTable = "Soil_Mapunits.db";
inline constexpr std::string_view cropTable = "Crops.db";
inline constexpr std::string_view tillageTable = "Tillage.db";

bool runsZorv(CalculationType type)
{
    return type == CalculationType::Zorv || type == CalculationType::ZorvAndTamb;
}

bool runsTamb(CalculationType type)
{
    return type == CalculationType::Tamb || type == CalculationType::ZorvAndTamb;
}

// Keeps LoadingRecord set, and the dialogs told of the record's saved
// hydrologic condition, for the length of a load, however it ends.
class LoadingFlag {
public:
    LoadingFlag(bool& flag, RecordLoadParts& parts, const std::string& savedHydroCond) : flag_(flag), parts_(parts)
    {
        flag_ = true;
        parts_.loadingRecord(true, savedHydroCond);
    }
    ~LoadingFlag()
    {
        flag_ = false;
        parts_.loadingRecord(false, {});
    }
    LoadingFlag(const LoadingFlag&) = delete;
    LoadingFlag& operator=(const LoadingFlag&) = delete;

private:
    bool& flag_;
    RecordLoadParts& parts_;
};

bool isWholeNumber(std::string_view text)
{
    int32_t ignored = 0;
    return tryTextToInteger(text, ignored);
}

void fireChange(ui::ComboBox& box)
{
    if (box.onChange) {
        box.onChange();
    }
}

} // namespace

std::string RecordTable::text(std::string_view column)
{
    return table_.field(column).asText();
}

std::string RecordTable::loadingHydroCond()
{
    return loadingRecord_ && table_.hasField("HydroCond") ? text("HydroCond") : std::string();
}

void RecordTable::report(std::string_view message)
{
    batch_.report(dialogs_, message);
}

bool RecordTable::chooseEntry(std::string_view boxName, std::string_view entry)
{
    auto& box = form_.control<ui::ComboBox>(boxName);
    const int index = box.indexOf(entry);
    if (index == ui::noItem) {
        return false;
    }
    box.setItemIndex(index);
    fireChange(box);
    return true;
}

bool RecordTable::ImportDatabase()
{
    const LoadingFlag loading(loadingRecord_, loadParts_, table_.hasField("HydroCond") ? text("HydroCond") : "");
    if (!loadModeType()) {
        return false;
    }
    const std::string county = text("County");
    if (county.empty()) {
        // A list record without a county would be calculated with whatever
        // the inputs held before: in a batch run it is an input error.
        if (batch_.BatchRunning) {
            report(texts::noCountyInBatch);
            return false;
        }
        return true;
    }
    if (!loadCounty() || !loadMapUnit()) {
        return false;
    }
    loadIdentification();
    const CalculationType type = form_.record.calculationType;
    if (runsZorv(type) && !loadNitrogenInputs()) {
        return false;
    }
    if (runsTamb(type) && !loadPhosphorusInputs()) {
        return false;
    }
    loadTillages();
    if (runsTamb(type) && !loadDrainage()) {
        return false;
    }
    return loadBmpsAndNutrients();
}

bool RecordTable::loadModeType()
{
    const std::string mode = text("ModeType");
    const char* button = nullptr;
    if (equalsIgnoringCase(mode, "Tamb")) {
        button = "InTambrb";
    } else if (equalsIgnoringCase(mode, "Zorv")) {
        button = "InZorvrb";
    } else if (equalsIgnoringCase(mode, "ZorvTamb")) {
        button = "InZorvTambrb";
    } else {
        // Shown also during a batch run.
        dialogs_.error(texts::undefinedModeType);
        return false;
    }
    // Checking a button that is not checked yet runs the type change.
    form_.control<ui::RadioButton>(button).setChecked(true);
    return true;
}

bool RecordTable::loadCounty()
{
    const std::string county = text("County");
    if (!chooseEntry("CountyBox", county)) {
        report(texts::invalidEntry("County Name", county));
        return false;
    }
    return true;
}

bool RecordTable::selectMapUnit(const std::string& entry)
{
    auto& box = form_.control<ui::ComboBox>("SoilMapUnitBox");
    box.setItemIndex(box.indexOf(entry));
    return box.itemIndex() != ui::noItem;
}

bool RecordTable::loadMapUnit()
{
    const std::string stored(trimText(text("MappingUnt")));
    const std::string symbolOnly = GetField(stored, 1, ':');
    const std::string& lKey = form_.record.county.LKey;

    std::string entry = batch_.BatchRunning && ignoreMuNameWhenProcessing() ? symbolOnly : stored;
    bool selected = selectMapUnit(entry);
    if (!selected && !entry.empty()) {
        // The stored text may be the name alone, or the symbol alone.
        const std::string symbol = lookups_.GetTableValue(mapUnitTable, "MUSYM", "MUName", entry, "LKey", lKey);
        entry = symbol + ": " + entry;
        selected = selectMapUnit(entry);
        if (!selected) {
            entry = batch_.BatchRunning ? symbolOnly : stored;
            const std::string name = lookups_.GetTableValue(mapUnitTable, "MUName", "MUSYM", entry, "LKey", lKey);
            entry += ": " + name;
            selected = selectMapUnit(entry);
            if (selected && batch_.BatchRunning) {
                batch_.clearMessage();
            }
        }
        if (!selected) {
            report(texts::invalidEntry("Mapping Unit Name", entry));
            return false;
        }
    }
    fireChange(form_.control<ui::ComboBox>("SoilMapUnitBox"));
    return true;
}

void RecordTable::loadIdentification()
{
    auto& years = form_.control<ui::ComboBox>("CroppingYearBox");
    const std::string year = text("CalendarYr");
    if (!year.empty()) {
        years.setItemIndex(years.indexOf(year));
    }
    years.setText(year);
    form_.control<ui::Edit>("ProducerIDBox").setText(text("ProducerID"));
    form_.control<ui::Edit>("TractNumBox").setText(text("TractNum"));
    form_.control<ui::Edit>("FieldNumBox").setText(text("FieldNum"));
}

bool RecordTable::loadCrop(std::string_view column, std::string_view box)
{
    std::string crop = text(column);
    if (isWholeNumber(crop)) {
        crop = lookups_.GetTableValue(cropTable, "Harlwig_Crop_Name", "Crop_Code", crop);
    }
    if (!chooseEntry(box, crop)) {
        report(std::string(texts::unknownCrop) + crop);
        return false;
    }
    return true;
}

bool RecordTable::loadNitrogenInputs()
{
    if (!loadCrop("Crop_Zorv", "CropBox")) {
        return false;
    }
    const std::string coverCrop = text("Cover_Crop");
    if (!coverCrop.empty()) {
        auto& box = form_.control<ui::ComboBox>("CoverCropBox");
        box.setItemIndex(box.indexOf(coverCrop));
    }
    form_.control<ui::Edit>("AcresBox").setText(text("FieldAcres"));
    form_.control<ui::Edit>("SlopeED").setText(text("FieldSlope"));
    if (const std::string rye = text("RYE"); !rye.empty()) {
        form_.control<ui::Edit>("RYEBox").setText(rye);
    }
    form_.control<ui::Edit>("NAppRateBox").setText(text("N_App_Rate"));
    return true;
}

bool RecordTable::loadPhosphorusInputs()
{
    if (!loadCrop("Crop_Tamb", "CropBox2")) {
        return false;
    }
    form_.control<ui::Edit>("SoilLossED").setText(text("Soil_Loss"));
    if (const std::string distance = text("RecSlopeDi"); !distance.empty()) {
        chooseEntry("RecSlopeDistCB", distance);
    }
    auto& surface = form_.control<ui::Edit>("SoilTestP1ED");
    surface.setText(text("PI_Surface"));
    // The Enter key decides whether the subsoil entries are shown.
    ui::Key enter = ui::returnKey;
    if (surface.onKeyPress) {
        surface.onKeyPress(enter);
    }
    const auto copyWhenShown = [this](std::string_view column, const char* box) {
        auto& edit = form_.control<ui::Edit>(box);
        const std::string value = text(column);
        if (edit.visible() && !value.empty()) {
            edit.setText(value);
        }
    };
    copyWhenShown("PI_Subsoil", "SoilTestP2ED");
    if (const std::string ratio = text("WVRSurface"); !ratio.empty()) {
        form_.control<ui::Edit>("WVRED1").setText(ratio);
    }
    copyWhenShown("WVRSubsoil", "WVRED2");
    return true;
}

void RecordTable::loadTillages()
{
    for (const auto& [column, box] : {std::pair{"Tillage", "TillageCBNew"}, std::pair{"Tillage_N", "TillageZorvBox"}}) {
        std::string tillage = text(column);
        if (isWholeNumber(tillage)) {
            tillage = lookups_.GetTableValue(tillageTable, "Tillage", "Tillage_ID", tillage);
        }
        if (!tillage.empty()) {
            chooseEntry(box, tillage);
        }
    }
}

bool RecordTable::loadDrainage()
{
    // A list without the column reads as unanswered during a batch run.
    std::string drained = batch_.BatchRunning && !table_.hasField("DrainSystm") ? std::string() : text("DrainSystm");
    if (equalsIgnoringCase(drained, "y")) {
        drained = "Yes";
    } else if (equalsIgnoringCase(drained, "n")) {
        drained = "No";
    }
    if (!form_.control<ui::GroupBox>("DrainageGB").visible()) {
        return true;
    }
    if (equalsIgnoringCase(drained, "yes")) {
        form_.control<ui::RadioButton>("RD_Yes").setChecked(true);
        for (const auto& [column, box] : {std::pair{"DrainSpacg", "DrainageSpacingED"},
                                          std::pair{"DrainDepth", "DrainageDepthED"}}) {
            if (const std::string value = text(column); !value.empty()) {
                form_.control<ui::Edit>(box).setText(value);
            }
        }
    } else if (equalsIgnoringCase(drained, "no")) {
        form_.control<ui::RadioButton>("RD_No").setChecked(true);
    } else if (drained.empty() && batch_.BatchRunning) {
        batch_.collect(texts::drainageMissing);
        return false;
    }
    return true;
}

bool RecordTable::loadBmpsAndNutrients()
{
    if (const std::string bmps = text("BMPs"); !bmps.empty()) {
        loadParts_.loadBMPs(bmps, text("BMPWidths"), text("Acres_Aff"));
    }
    const std::string nutrientIds = text("NutrientID");
    if (!nutrientIds.empty()) {
        return loadParts_.loadNutrients(
            {nutrientIds, text("NutrientLB"), text("Pct_P2O5"), text("AppMethod"), text("ManureP2O5")});
    }
    if (const std::string rate = text("N_App_Rate"); !rate.empty()) {
        auto& box = form_.control<ui::Edit>("NAppRateBox");
        box.setText(rate);
        box.show();
        auto& label = form_.control<ui::Label>("NAppRatelbl");
        label.setCaption(std::string(texts::nAppRateCaption));
        label.show();
    }
    return true;
}

} // namespace verdalis::records
