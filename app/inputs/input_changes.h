// The county, map unit, crop and tillage choices of the Main tab: the
// change handlers of CountyBox, SoilMapUnitBox, CropBox, TillageZorvBox,
// CropBox2 and TillageCBNew, and the lookups that fill the derived values
// of the input record from the county, soil and crop tables.
//
// The handlers are set on the boxes when the object is made; the main
// window runs the map unit and crop changes again through InputChangePart
// when the calculation type changes. The phosphorus crop and tillage
// lookups are handed over to PhosphorusCropInputs.
#pragma once

#include "inputs/phosphorus_crop_inputs.h"
#include "shell/main_form.h"
#include "tables/table_lookups.h"

#include <string>

namespace verdalis::inputs {

class InputChanges : public shell::InputChangePart {
public:
    InputChanges(shell::TForm1& form, ui::Dialogs& dialogs, ui::Application& application, ui::BatchState& batch,
                 const TableLookups& lookups, PhosphorusCropInputs& phosphorusCrops);
    InputChanges(const InputChanges&) = delete;
    InputChanges& operator=(const InputChanges&) = delete;

    void soilMapUnitBoxChange() override { SoilMapUnitboxChange(); }
    void cropBoxChange() override { CropboxChange(); }
    void cropBox2Change() override { CropBox2Change(); }

    // --- County and map unit -------------------------------------------------
    void CountyBoxChange();
    // Starts a new assessment in the county: the full reset, the county's
    // location key and coefficients, and its map units listed. Always true.
    bool reloadSMGTable(const std::string& county);
    void SoilMapUnitboxChange();

    // --- Crops and tillage ---------------------------------------------------
    void CropboxChange();
    // The nitrogen crop's values from the crop table. Always true.
    bool getZorvCropBoxRelatedInfo();
    void TillageZorvBoxChange();
    void CropBox2Change();
    void TillageCBNewChange();

private:
    void wireHandlers();
    // A crop chosen before a county is refused: the box is emptied again.
    bool countyChosenFor(ui::ComboBox& cropBox);
    void listMapUnits(const std::string& locationKey);
    void showSurfaceSoilTest(bool shown);
    void emptyCalculationLog();
    // Reads the map unit's soil values; false when the change stops.
    bool readMapUnitProperties();
    // Whether the map unit change runs a tillage change again: the tillage
    // box shows a choice, or the crop asks for no tillage.
    bool tillageChangeDue(std::string_view tillageBox, std::string_view cropBox, const std::string& tillageFlag);
    void applyCropType(const std::string& cropType);

    shell::TForm1& form_;
    ui::Dialogs& dialogs_;
    ui::Application& application_;
    ui::BatchState& batch_;
    const TableLookups& lookups_;
    PhosphorusCropInputs& phosphorusCrops_;
};

} // namespace verdalis::inputs
