// The crop and tillage choices: the nitrogen crop's values from the crop
// table, the nitrogen tillage's identifier, and the hand-over of the
// phosphorus crop and tillage to their own lookups.
#include "inputs/input_changes.h"

#include "inputs/input_texts.h"
#include "tables/table.h"
#include "util/number_text.h"
#include "util/text_case.h"

#include <filesystem>

namespace verdalis::inputs {

namespace {

// A crop entry may carry a variant after this marker ("Fescue Hay**Pasture");
// the crop table knows the crop by the part before it.
inline constexpr std::string_view variantMarker = "**";
inline constexpr std::string_view vegetableType = "Vegetable";
// The tillage identifier of a crop that asks for no tillage.
inline constexpr std::string_view noTillageId = "0";

std::string zorvCropNameOf(std::string_view entry)
{
    std::string name = toLowerAscii(entry);
    if (const size_t marker = name.find(variantMarker); marker != std::string::npos) {
        name.erase(marker);
    }
    return name;
}

// The crop asks for a tillage. A flag that is not a whole number raises the
// conversion error that ends the choice.
bool asksForTillage(const std::string& tillageFlag)
{
    return textToInteger(tillageFlag) == 1;
}

} // namespace

void InputChanges::CropboxChange()
{
    if (countyChosenFor(form_.control<ui::ComboBox>("CropBox"))) {
        getZorvCropBoxRelatedInfo();
    }
}

bool InputChanges::getZorvCropBoxRelatedInfo()
{
    auto& tillage = form_.control<ui::ComboBox>("TillageZorvBox");
    auto& tillageLabel = form_.control<ui::Label>("TillageZorvlbl");
    tillage.setItemIndex(ui::noItem);
    tillage.hide();
    tillageLabel.hide();

    const std::string name = zorvCropNameOf(form_.control<ui::ComboBox>("CropBox").text());
    const std::string location = lookups_.GetTableLocation("Crops.db");
    if (location == kLookupError) {
        application_.processMessages();
        return true;
    }
    const std::filesystem::path path(location);
    Table crops;
    crops.open(path.parent_path(), path.filename().string());
    if (!crops.locate("Harlwig_Crop_Name", name)) {
        dialogs_.error(texts::zorvCropMissing(name));
        return true;
    }
    shell::ZorvCropValues& crop = form_.record.zorvCrop;
    crop.ZorvCropCode = crops.field("Crop_Code").asText();
    crop.ZorvTillageFlag = crops.field("TillageFlag").asText();
    applyCropType(crops.field("CropType").asText());

    if (asksForTillage(crop.ZorvTillageFlag)) {
        tillage.show();
        tillageLabel.show();
    } else {
        form_.values.ZorvTillageId = noTillageId;
        TillageZorvBoxChange();
    }
    crops.close();
    application_.processMessages();
    return true;
}

void InputChanges::applyCropType(const std::string& cropType)
{
    // A vegetable's nitrogen need comes from its application rate, so the
    // producer's yield does not apply to it.
    auto& producerYield = form_.control<ui::Edit>("RYEBox");
    const bool vegetable = equalsIgnoringCase(cropType, vegetableType);
    form_.record.zorvCrop.IsVegetableCrop = vegetable;
    producerYield.setText(vegetable ? "0" : "");
    producerYield.setEnabled(!vegetable);
}

void InputChanges::TillageZorvBoxChange()
{
    std::string& tillageId = form_.values.ZorvTillageId;
    if (!asksForTillage(form_.record.zorvCrop.ZorvTillageFlag)) {
        tillageId = noTillageId;
        return;
    }
    const std::string tillage = form_.control<ui::ComboBox>("TillageZorvBox").text();
    tillageId = lookups_.GetTableValue("Tillage.db", "Tillage_ID", "Tillage", tillage);
    if (tillageId == kLookupError || tillageId.empty()) {
        dialogs_.error(texts::tillageMissing(tillage));
        tillageId = noTillageId;
    }
}

void InputChanges::CropBox2Change()
{
    auto& crop = form_.control<ui::ComboBox>("CropBox2");
    if (countyChosenFor(crop)) {
        phosphorusCrops_.getCropBoxRelatedInfo(crop.text());
    }
}

void InputChanges::TillageCBNewChange()
{
    phosphorusCrops_.TillageCBNewChange();
}

} // namespace verdalis::inputs
