// The phosphorus crop and tillage choices and how water leaves the field:
// the crop's curve-number and drainage-model keys and coefficients, the
// tillage, the hydrologic conditions the curve number table offers for
// them, the drainage question and the condition buttons.
#pragma once

#include "inputs/phosphorus_crop_inputs.h"
#include "shell/main_form.h"
#include "tables/table_lookups.h"

#include <string>

namespace verdalis::phosphorus {

class HydrologyInputs : public inputs::PhosphorusCropInputs {
public:
    // Sets the handlers of TillageCBNew, RD_Yes, RD_No, HCGood, HCFair and
    // HCPoor. The form, services and lookups must outlive this object.
    HydrologyInputs(shell::TForm1& form, ui::Application& application, ui::Dialogs& dialogs, ui::BatchState& batch,
                    const TableLookups& lookups);

    void getCropBoxRelatedInfo(const std::string& cropText) override;
    void TillageCBNewChange() override;
    void getTillageBoxInfo();
    void DrainageYesNoClick();
    void HydrologicConditionsClick(ui::RadioButton& sender);

    // While a saved record is copied into the window: the hydrologic
    // condition it saved (its HydroCond), restored when several are offered.
    void setRecordLoading(bool loading, std::string savedCondition = {});

private:
    void showSurfaceDepthLabels();
    // Shows the button of each condition the curve number table offers for
    // the crop and tillage; the number of distinct conditions.
    int showOfferedConditions();
    // Selects the only condition offered, trying Poor, Fair, then Good.
    void selectOfferedCondition();
    // False when a batch run was told that the saved condition is not offered.
    bool restoreSavedCondition();
    void lookUpStationCoefficients();

    shell::TForm1& form_;
    ui::Application& application_;
    ui::Dialogs& dialogs_;
    ui::BatchState& batch_;
    const TableLookups& lookups_;
    bool loadingRecord_ = false;
    std::string savedCondition_;
};

} // namespace verdalis::phosphorus
