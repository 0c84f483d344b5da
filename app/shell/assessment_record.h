// The assessment input record beside the Main tab's controls: the values
// the lookups derive from the inputs (held as the text the tables give,
// named after their columns), the calculation type, the expert, BMP and
// nutrient values, and the results the two methods write back.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace verdalis::shell {

enum class CalculationType { None, Zorv, Tamb, ZorvAndTamb };

// An expert value the user has not entered.
inline constexpr float notEntered = -1000.0f;
// A buffer BMP without a width.
inline constexpr int noBufferWidth = -1;

struct CountyValues {
    std::string LKey, AnnPPT, CN_RO_Slope, CN_RO_ExpFact;
};

struct MapUnitValues {
    std::string MUKey, MUSYM, DrainageFlag, Percent_Clay, P_Threshold, WV_Factor, FePFactor, TP_Minus_12,
        T30_Over_TP, Surf_SolPEqNo, SubSoil_SolPEqNo, SubsoilSample, ETSoilGrp, Sur_CurveSlope, Subsur_CurveSlope;
};

struct ZorvCropValues {
    std::string ZorvCropCode, ZorvTillageFlag;
    bool IsVegetableCrop = false;
};

struct TambCropValues {
    std::string CN_CropID, DrnMod_CropID, TillageFlag, DMRO_E, DMRO_F, DMRO_G, DMLch_A, DMLch_B, DMLch_C, DMLch_D;
};

struct HydrologyValues {
    std::string HC, CN_ID, CN_Adj, ET, PartPDelFact;
};

struct ExpertValues {
    float RunoffVolumeUser = notEntered;
    float LeachateVolumeUser = notEntered;
    float RunoffFractionUser = notEntered;
    float AnnPPTUser = notEntered;
};

struct BmpValues {
    int BMPCount = 0;
    float BMPAcres = 0;
    std::vector<std::string> BMPList, BMPTypeList, BMPWidthList;
    int TotalBufferWidth = 0;
    bool BufferID1Present = false;
    int BufferID1Width = noBufferWidth;
    bool BufferID2Present = false;
    int BufferID2Width = noBufferWidth;
    bool BMPID3Present = false;
    // The packed texts a saved record stores.
    std::string BMPs, BMPWidths;
};

// An amount, percentage or weight the user has not entered.
inline constexpr float nutrientNotEntered = -9999.0f;
// The most nutrient sources one assessment holds.
inline constexpr int maxNutrientSources = 50;

// One accepted row of the nutrient source grid.
struct NutrientSource {
    std::string name;
    float appliedAmount = nutrientNotEntered;
    float pctP2O5 = nutrientNotEntered;
    float lbP2O5 = nutrientNotEntered;
    float appFactor = 0;
    std::string appMethodId;
};

struct NutrientSummary {
    // In acceptance order; count is the number the last accepted reading gave.
    std::vector<NutrientSource> sources;
    int count = 0;
    // Whether the nutrient list was summarised for each method.
    bool zorvSummaryDone = false;
    bool tambSummaryDone = false;
    // The packed texts a saved record stores.
    std::string NutrientID, NutrientLB, ManureP2O5, AppMethod, Pct_P2O5;
};

struct NitrogenResults {
    float N_Applied = 0, Excess_N = 0, Excess_N_Surface = 0, Excess_N_Subsurface = 0, N_Needed_Field = 0,
          Utilized_N_Crop = 0, N_Lost_Before_BMP = 0, N_Lost_After_Crop = 0, N_Lost_After_Cover_Crops = 0,
          N_Lost_After_BMP = 0, Total_N_Lost = 0;
};

// The phosphorus rating as far as the last calculation got: the index of
// each component it finished and, once reached, the Total P Rating (the sum
// of the four indexes) with its rating word ("Low", "Medium", "High", "Very
// High", or "HIGH" from the subsoil test). Empty after every output reset.
struct PhosphorusResults {
    std::optional<float> ParticulateIndex, SolubleIndex, LeachateIndex, SourceIndex;
    std::optional<float> TotalPRating;
    std::string RatingWord;
};

struct AssessmentRecord {
    CalculationType calculationType = CalculationType::None;
    CountyValues county;
    MapUnitValues mapUnit;
    std::string SMG;
    ZorvCropValues zorvCrop;
    TambCropValues tambCrop;
    HydrologyValues hydrology;
    ExpertValues expert;
    BmpValues bmp;
    NutrientSummary nutrients;
    NitrogenResults nitrogen;
    float PartPValue = 0;
    PhosphorusResults phosphorus;
};

} // namespace verdalis::shell
