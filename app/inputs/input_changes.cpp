#include "inputs/input_changes.h"

#include "inputs/input_texts.h"

namespace verdalis::inputs {

InputChanges::InputChanges(shell::TForm1& form, ui::Dialogs& dialogs, ui::Application& application,
                           ui::BatchState& batch, const TableLookups& lookups, PhosphorusCropInputs& phosphorusCrops)
    : form_(form), dialogs_(dialogs), application_(application), batch_(batch), lookups_(lookups),
      phosphorusCrops_(phosphorusCrops)
{
    wireHandlers();
}

void InputChanges::wireHandlers()
{
    form_.control<ui::ComboBox>("CountyBox").onChange = [this] { CountyBoxChange(); };
    form_.control<ui::ComboBox>("SoilMapUnitBox").onChange = [this] { SoilMapUnitboxChange(); };
    form_.control<ui::ComboBox>("CropBox").onChange = [this] { CropboxChange(); };
    form_.control<ui::ComboBox>("TillageZorvBox").onChange = [this] { TillageZorvBoxChange(); };
    form_.control<ui::ComboBox>("CropBox2").onChange = [this] { CropBox2Change(); };
    form_.control<ui::ComboBox>("TillageCBNew").onChange = [this] { TillageCBNewChange(); };
}

bool InputChanges::countyChosenFor(ui::ComboBox& cropBox)
{
    // Only the county is tested, although the message names the map unit.
    if (!form_.control<ui::ComboBox>("CountyBox").text().empty()) {
        return true;
    }
    dialogs_.error(texts::noCountyForCrop);
    cropBox.setItemIndex(ui::noItem);
    return false;
}

} // namespace verdalis::inputs
