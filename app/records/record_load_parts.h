// What loading a saved record asks of the BMP and nutrient dialogs: both
// take the packed texts a record stores and run their OK silently, so that
// the BMP values and the nutrient source list follow the record.
#pragma once

#include "phosphorus/enter_info_dlg.h"

#include <string>

namespace verdalis::records {

// The packed nutrient texts of a saved record, one entry per application.
using NutrientTexts = phosphorus::SavedNutrientTexts;

class RecordLoadParts {
public:
    virtual ~RecordLoadParts() = default;
    // SetBMPInfo with the record's BMP texts, then the dialog's OK
    // (BMPbtnClick) in its silent mode. acresAffected is empty when the
    // record stores none.
    virtual void loadBMPs(const std::string& BMPs, const std::string& BMPWidths, const std::string& acresAffected) = 0;
    // Opens the nutrient entry table FertInfoTbl.db in the nutrient dialog,
    // hands it the texts (SetFertInfo) and, when it accepts them, runs
    // NAppRateCalculationBtnClick in its silent mode. False when the dialog
    // refused the texts.
    virtual bool loadNutrients(const NutrientTexts& texts) = 0;
    // A load starts (with the hydrologic condition the record saved, which
    // the condition choice restores) or ends.
    virtual void loadingRecord(bool loading, const std::string& savedHydroCond) = 0;
};

} // namespace verdalis::records
