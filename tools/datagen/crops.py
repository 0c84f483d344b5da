"""Crops, their yields and N factors on Norvale's soils, and the curve numbers
of the crop classes.

Crop names are chosen so that no name, cut at "**" and lower-cased, is the
start of an earlier name in table order: a search by name finds the crop's
own row whether the table engine matches whole values or leading parts.
Pasture entries ("<hay>**Pasture") resolve to the hay row before them."""

from dataclasses import dataclass

from state import SLOPE_PHASES

# Drainage-model crop classes (DrnMod_CropID): ET and drainage-model
# coefficients of each county come per class.
DRNMOD_CLASSES = {
    "1": "Corn",
    "2": "Soybeans and peanuts",
    "3": "Small grains",
    "4": "Cotton, sorghum and tobacco",
    "5": "Hay, alfalfa and pasture",
    "6": "Vegetables",
}
# Inches of ET added to the county's corn value, by drainage-model class.
ET_CROP_OFFSET = {"1": 0.0, "2": -0.5, "3": -1.5, "4": 0.5, "5": 2.0, "6": -1.0}
# Inches of ET added by the soil's available-water group (ETSoilGrp).
ET_SOIL_OFFSET = {"1": -2.0, "2": 0.0, "3": 1.0}
# Drainage-model runoff and drain flow relative to corn, by class.
DRNMOD_RUNOFF_FACTOR = {"1": 1.00, "2": 1.00, "3": 0.90, "4": 1.05, "5": 0.75, "6": 1.15}
DRNMOD_LEACH_FACTOR = {"1": 1.00, "2": 1.00, "3": 0.90, "4": 1.00, "5": 0.80, "6": 1.10}


@dataclass(frozen=True)
class YieldColumn:
    name: str
    units: str
    base: dict      # yield of the province's best soil, by province


@dataclass(frozen=True)
class NFactorColumn:
    name: str
    units: str
    base: float     # lb N per unit of yield on a loamy soil
    sandy_extra: float = 0.0


YIELD_COLUMNS = {c.name: c for c in (
    YieldColumn("RYE_Corn", "bu/ac", {"CP": 145, "P": 135, "M": 150}),
    YieldColumn("RYE_CornSilage", "t/ac", {"CP": 19, "P": 20, "M": 22}),
    YieldColumn("RYE_Sorghum", "bu/ac", {"CP": 85, "P": 80, "M": 75}),
    YieldColumn("RYE_Soybeans", "bu/ac", {"CP": 42, "P": 40, "M": 42}),
    YieldColumn("RYE_Wheat", "bu/ac", {"CP": 62, "P": 60, "M": 58}),
    YieldColumn("RYE_Barley", "bu/ac", {"CP": 72, "P": 70, "M": 68}),
    YieldColumn("RYE_Oats", "bu/ac", {"CP": 75, "P": 72, "M": 75}),
    YieldColumn("RYE_Cotton", "lb lint/ac", {"CP": 900, "P": 800, "M": 600}),
    YieldColumn("RYE_Peanuts", "lb/ac", {"CP": 3800, "P": 3300, "M": 2500}),
    YieldColumn("RYE_Tobacco", "lb/ac", {"CP": 2600, "P": 2400, "M": 2300}),
    YieldColumn("RYE_Alfalfa", "t/ac", {"CP": 4.5, "P": 5.0, "M": 5.0}),
    YieldColumn("RYE_FescueHay", "t/ac", {"CP": 3.2, "P": 3.6, "M": 3.8}),
    YieldColumn("RYE_BermudaHay", "t/ac", {"CP": 5.5, "P": 5.0, "M": 3.5}),
    YieldColumn("RYE_OrchardHay", "t/ac", {"CP": 3.0, "P": 3.4, "M": 3.8}),
)}

NFACTOR_COLUMNS = {c.name: c for c in (
    NFactorColumn("NF_Corn", "lb N/bu", 1.0, 0.2),
    NFactorColumn("NF_CornSilage", "lb N/t", 9.5, 1.5),
    NFactorColumn("NF_Sorghum", "lb N/bu", 1.0, 0.15),
    NFactorColumn("NF_Soybeans", "lb N/bu", 0.0),
    NFactorColumn("NF_Wheat", "lb N/bu", 1.8, 0.2),
    NFactorColumn("NF_Barley", "lb N/bu", 1.5, 0.15),
    NFactorColumn("NF_Oats", "lb N/bu", 1.2, 0.1),
    NFactorColumn("NF_Cotton", "lb N/lb lint", 0.08, 0.01),
    NFactorColumn("NF_Peanuts", "lb N/lb", 0.0),
    NFactorColumn("NF_Tobacco", "lb N/lb", 0.03),
    NFactorColumn("NF_Alfalfa", "lb N/t", 0.0),
    NFactorColumn("NF_GrassHay", "lb N/t", 45.0, 5.0),
    NFactorColumn("NF_BermudaHay", "lb N/t", 50.0, 5.0),
)}


@dataclass(frozen=True)
class Crop:
    name: str
    code: str
    tillage_flag: int
    crop_type: str
    rye_column: str
    nfactor_column: str
    nue: float | None          # percent; corn crops take the province rule instead
    n_app_rate: float | None   # lb N/ac, vegetables only
    cn_crop_id: str
    drnmod_crop_id: str
    units: str


# Curve-number crop classes (CN_CropID): 1 row crops, 2 small grains,
# 3 vegetables, 4 alfalfa, 5 hay and pasture.
CROPS = (
    Crop("Corn", "11", 1, "Field Crop", "RYE_Corn", "NF_Corn", 55, None, "1", "1", "bu/ac"),
    Crop("Corn Silage", "12", 1, "Field Crop", "RYE_CornSilage", "NF_CornSilage", 55, None, "1", "1", "t/ac"),
    Crop("Sorghum", "13", 1, "Field Crop", "RYE_Sorghum", "NF_Sorghum", 55, None, "1", "4", "bu/ac"),
    Crop("Soybeans", "14", 1, "Field Crop", "RYE_Soybeans", "NF_Soybeans", 60, None, "1", "2", "bu/ac"),
    Crop("Wheat", "15", 1, "Small Grain", "RYE_Wheat", "NF_Wheat", 50, None, "2", "3", "bu/ac"),
    Crop("Barley", "16", 1, "Small Grain", "RYE_Barley", "NF_Barley", 50, None, "2", "3", "bu/ac"),
    Crop("Oats", "17", 1, "Small Grain", "RYE_Oats", "NF_Oats", 50, None, "2", "3", "bu/ac"),
    Crop("Cotton", "18", 1, "Field Crop", "RYE_Cotton", "NF_Cotton", 45, None, "1", "4", "lb lint/ac"),
    Crop("Peanuts", "19", 1, "Field Crop", "RYE_Peanuts", "NF_Peanuts", 60, None, "1", "2", "lb/ac"),
    Crop("Tobacco", "20", 1, "Field Crop", "RYE_Tobacco", "NF_Tobacco", 50, None, "1", "4", "lb/ac"),
    Crop("Alfalfa", "21", 0, "Legume Hay", "RYE_Alfalfa", "NF_Alfalfa", 75, None, "4", "5", "t/ac"),
    Crop("Fescue Hay", "22", 0, "Hay", "RYE_FescueHay", "NF_GrassHay", 70, None, "5", "5", "t/ac"),
    Crop("Fescue Hay**Pasture", "23", 0, "Pasture", "RYE_FescueHay", "NF_GrassHay", 70, None, "5", "5", "t/ac"),
    Crop("Bermudagrass Hay", "24", 0, "Hay", "RYE_BermudaHay", "NF_BermudaHay", 70, None, "5", "5", "t/ac"),
    Crop("Bermudagrass Hay**Pasture", "25", 0, "Pasture", "RYE_BermudaHay", "NF_BermudaHay", 70, None, "5", "5", "t/ac"),
    Crop("Orchardgrass Hay", "26", 0, "Hay", "RYE_OrchardHay", "NF_GrassHay", 70, None, "5", "5", "t/ac"),
    Crop("Orchardgrass Hay**Pasture", "27", 0, "Pasture", "RYE_OrchardHay", "NF_GrassHay", 70, None, "5", "5", "t/ac"),
    Crop("Sweet Corn", "31", 1, "Vegetable", "", "", 50, 150, "3", "1", "lb N/ac"),
    Crop("Snap Beans", "32", 1, "Vegetable", "", "", 50, 60, "3", "2", "lb N/ac"),
    Crop("Tomatoes", "33", 1, "Vegetable", "", "", 45, 150, "3", "6", "lb N/ac"),
    Crop("Tomatoes**Plasticulture", "34", 1, "Vegetable", "", "", 45, 150, "3", "6", "lb N/ac"),
    Crop("Potatoes", "35", 1, "Vegetable", "", "", 40, 150, "3", "6", "lb N/ac"),
    Crop("Cabbage", "36", 1, "Vegetable", "", "", 45, 160, "3", "6", "lb N/ac"),
    Crop("Watermelon", "37", 1, "Vegetable", "", "", 45, 100, "3", "6", "lb N/ac"),
    Crop("Cucumbers", "38", 1, "Vegetable", "", "", 40, 100, "3", "6", "lb N/ac"),
    Crop("Bell Peppers", "39", 1, "Vegetable", "", "", 45, 140, "3", "6", "lb N/ac"),
)

# Tillage practices; the first row is the list's header and is never offered.
TILLAGE_HEADER = ("-- Select a Tillage --", "0", "Header row of the tillage lists")
TILLAGES = (
    ("Conventional Tillage", "1", "Moldboard plow or disk; little residue left"),
    ("No-Till", "2", "Planted into undisturbed residue"),
    ("Strip-Till", "3", "Narrow tilled strips, residue between rows"),
    ("Reduced Tillage (Chisel)", "4", "Chisel plow or field cultivator; some residue"),
)

# Curve numbers for hydrologic soil groups A, B, C, D, by crop class, tillage
# and hydrologic condition (after the usual tables for cultivated land).
CURVE_NUMBERS = {
    ("1", "1"): {"good": (67, 78, 85, 89), "poor": (72, 81, 88, 91)},
    ("1", "2"): {"good": (64, 75, 82, 85), "fair": (67, 77, 84, 87), "poor": (71, 80, 87, 90)},
    ("1", "3"): {"good": (65, 76, 83, 87), "poor": (71, 80, 87, 90)},
    ("1", "4"): {"good": (66, 77, 84, 88), "poor": (71, 81, 88, 91)},
    ("2", "1"): {"good": (63, 75, 83, 87), "poor": (65, 76, 84, 88)},
    ("2", "2"): {"good": (60, 72, 80, 84), "poor": (64, 75, 83, 86)},
    ("2", "3"): {"good": (61, 73, 81, 85), "poor": (64, 75, 83, 87)},
    ("2", "4"): {"good": (62, 74, 82, 86), "poor": (65, 76, 84, 88)},
    ("3", "1"): {"poor": (74, 83, 88, 91)},
    ("3", "2"): {"good": (66, 77, 84, 87), "poor": (72, 81, 88, 91)},
    ("3", "3"): {"good": (67, 78, 85, 89), "poor": (72, 82, 88, 91)},
    ("3", "4"): {"good": (68, 79, 86, 89), "poor": (73, 82, 88, 91)},
    ("4", "0"): {"good": (58, 72, 81, 85), "poor": (66, 77, 85, 89)},
    ("5", "0"): {"good": (39, 61, 74, 80), "fair": (49, 69, 79, 84), "poor": (68, 79, 86, 89)},
}
HSG_INDEX = {"A": 0, "B": 1, "C": 2, "D": 3}


def yield_for(column, unit):
    """Realistic yield of one yield column on one map unit."""
    base = YIELD_COLUMNS[column].base[unit.county.province]
    value = base * unit.series.productivity * SLOPE_PHASES[unit.phase][1]
    return round(value, 1) if base < 100 else round(value / 10) * 10


def nfactor_for(column, unit):
    factor = NFACTOR_COLUMNS[column]
    return round(factor.base + (factor.sandy_extra if unit.series.sandy else 0.0), 3)


def cn_ids():
    """CN_ID of every (crop class, tillage, condition), numbered in table order."""
    ids = {}
    for (cn_crop_id, tillage_id), conditions in CURVE_NUMBERS.items():
        for condition in conditions:
            ids[(cn_crop_id, tillage_id, condition)] = f"{100 + len(ids) + 1}"
    return ids
