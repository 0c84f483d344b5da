// The nitrogen factors read from the reference tables. The realistic yield
// and the N factor are found in two steps: the crop's row of Crops.db names
// a column, and the map unit's row (LKey, MUSYM) of Yields_And_N_Factors.db
// holds the value in that column. The reductions come from the BMP and the
// cover crop tables, for buffers by the class of their width.
//
// A missing table, row or column gives the documented default after a
// message. While a batch runs, getRYE collects its messages as the batch
// message, and getNFactor reports nothing at all. A BMP width or a reduction
// cell that is not a number raises ConversionError.
#pragma once

#include "nitrogen/nitrogen_factors.h"
#include "shell/assessment_record.h"
#include "tables/program_dirs.h"
#include "tables/table_lookups.h"
#include "ui/batch_state.h"
#include "ui/dialogs.h"
#include "ui/edit.h"

#include <optional>

namespace verdalis::nitrogen {

// The share of the yield a field of this slope (whole percent) keeps, or
// nothing for a negative slope.
std::optional<float> slopeFactor(int slopePercent);

// The width a buffer of identifier "1" is looked up at, or nothing below
// the narrowest class.
std::optional<int> bufferWidthClass(int widthFeet);

class NitrogenFactorLookups : public NitrogenFactors {
public:
    NitrogenFactorLookups(const ProgramDirs& dirs, const shell::AssessmentRecord& record, const ui::Edit& fieldSlope,
                          const TableLookups& lookups, ui::Dialogs& dialogs, ui::BatchState& batch)
        : dirs_(dirs), record_(record), fieldSlope_(fieldSlope), lookups_(lookups), dialogs_(dialogs), batch_(batch)
    {
    }

    float getRYE(const std::string& cropName) override;
    float getNFactor(const std::string& cropName) override;
    float getNReduction(const std::string& kind, const std::string& identifier, const std::string& width) override;

private:
    // What tells the yield walk from the N factor walk.
    struct FactorWalk;

    float walk(const FactorWalk& factor, const std::string& cropName);
    // The map unit's value in the named column, or nothing after the walk's
    // message.
    std::optional<double> mapUnitValue(const FactorWalk& factor, const std::string& column);
    // A dialog outside a batch run; in one, the batch message or nothing.
    void report(ui::MessageKind kind, const std::string& text, bool collectInBatch);
    // The reduction text of a buffer BMP of identifier "1" or "2", "0" when
    // its width earns none.
    std::string bufferReduction(std::string identifier, const std::string& widthText);

    const ProgramDirs& dirs_;
    const shell::AssessmentRecord& record_;
    const ui::Edit& fieldSlope_;
    const TableLookups& lookups_;
    ui::Dialogs& dialogs_;
    ui::BatchState& batch_;
};

} // namespace verdalis::nitrogen
